#include "bridge_main.h"

#include "../command_line.h"
#include "text_encoding.h"
#include "wine_path.h"

#include <cstdio>
#include <exception>
#include <windows.h>

namespace {

const unsigned kShiftJis = 932;

std::vector<std::string> OwnArguments() {
    return SplitCommandLine(CodePageFromWide(GetCommandLineW(), kShiftJis));
}

} // namespace

int RunBridge(const CommandBuilder& build) {
    try {
        TemporaryFiles files;
        LinuxCommand command = build(OwnArguments(), files);
        command.workDir = LinuxPathOf(CurrentDirectory());
        return RunLinuxCommand(command, files);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
}
