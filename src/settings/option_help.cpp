#include "settings/option_help.h"

#include "text/shift_jis.h"

#include <algorithm>

const char kOptionHelpCaption[] = "コマンドライン・オプション";

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The position of the last '\' or ':' that is a character of its own.
size_t LastSeparator(const std::string& path) {
    const size_t backslash = FindLastWhole(path, "\\");
    const size_t colon = FindLastWhole(path, ":");
    if (backslash == std::string::npos)
        return colon;
    if (colon == std::string::npos)
        return backslash;
    return std::max(backslash, colon);
}

bool IsSeparatorCharacterAt(const std::string& text, size_t position) {
    return IsCharacterStart(text, position) && (text[position] == ':' || text[position] == '\\');
}

} // namespace

std::string DirectoryPart(const std::string& path) {
    const size_t separator = LastSeparator(path);
    if (separator == std::string::npos)
        return "";
    std::string directory = path.substr(0, separator + 1);
    const size_t last = directory.size() - 1;
    if (directory[last] == '\\' && last > 0 && !IsSeparatorCharacterAt(directory, last - 1))
        directory.erase(last);
    return directory;
}

std::vector<ConsoleCommand> OptionHelpCommands(const std::string& perlPath,
                                               const std::string& mknmzPath,
                                               const std::string& namazuPath,
                                               SettingsDialogState::Version version) {
    const std::string helpOption = version == SettingsDialogState::Namazu13 ? "-v" : "--help";
    return {
        {Quoted(perlPath) + " " + Quoted(mknmzPath) + " " + helpOption, DirectoryPart(mknmzPath)},
        {Quoted(namazuPath) + " " + helpOption, DirectoryPart(namazuPath)},
    };
}

void RunOptionHelp(ConsoleRunner& runner, ConsoleTextView& view,
                   const std::vector<ConsoleCommand>& commands) {
    for (const ConsoleCommand& command : commands)
        runner.RunConsoleCommand(command.CommandLine, command.WorkDir, rmCapture, &view);
    view.SetCapturing(false);
}
