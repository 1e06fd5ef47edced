#include "bridge_main.h"

#include "../command_line.h"
#include "text/win32/text_encoding.h"
#include "wine_path.h"

#include <cstdio>
#include <exception>
#include <windows.h>

namespace {

std::vector<std::string> OwnArguments() {
    return SplitCommandLine(ShiftJisFromWide(GetCommandLineW()));
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
