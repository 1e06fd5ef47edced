// perl.exe: runs Linux perl with the translated arguments, so that
// "perl.exe Z:\usr\bin\mknmz ..." runs Namazu's mknmz.
#include "../argument_translation.h"
#include "bridge_main.h"
#include "wine_path.h"

namespace {

LinuxCommand PerlCommand(const std::vector<std::string>& arguments, TemporaryFiles&) {
    LinuxCommand command;
    // mknmz reads Japanese text only under an EUC-JP locale and then
    // reports in EUC-JP; Windows readers expect Shift-JIS.
    command.locale = "ja_JP.eucJP";
    command.program = "perl";
    command.arguments = TranslateArguments(arguments, LinuxPathOf);
    command.outputFilter = "nkf -E -s -u";
    return command;
}

} // namespace

int main() {
    return RunBridge(PerlCommand);
}
