#pragma once

#include "platform/console_runner.h"
#include "settings/settings_dialog_state.h"

#include <string>
#include <vector>

// The settings dialog's "?" button: mknmz and namazu.exe print their own
// option help into one console output window.

struct ConsoleCommand {
    std::string CommandLine;
    std::string WorkDir;
};

extern const char kOptionHelpCaption[];

// The directory of a path: up to its last '\' or ':', without that final '\'
// unless it comes first or a ':' or '\' stands before it ("c:\bin\mknmz" -> "c:\bin",
// "c:\mknmz" -> "c:\"); empty without a separator. Shift-JIS aware.
std::string DirectoryPart(const std::string& path);

// mknmz through Perl first, then namazu.exe, each asked for its help ("-v"
// for 1.3.x, "--help" otherwise) in its own directory.
std::vector<ConsoleCommand> OptionHelpCommands(const std::string& perlPath,
                                               const std::string& mknmzPath,
                                               const std::string& namazuPath,
                                               SettingsDialogState::Version version);

// Captures every command into view in turn, whether or not the one before it
// started, then marks the view finished so that its window may close.
void RunOptionHelp(ConsoleRunner& runner, ConsoleTextView& view,
                   const std::vector<ConsoleCommand>& commands);
