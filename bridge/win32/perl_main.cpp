// perl.exe: runs Linux perl with the translated arguments, so that
// "perl.exe Z:\usr\bin\mknmz ..." runs Namazu's mknmz.
#include "../argument_translation.h"
#include "bridge_main.h"
#include "wine_path.h"

namespace {

const std::string kOutputDirOption = "--output-dir";

// mknmz cuts its output directory at a space. Windows hands it the short
// name, which Wine turns back into the long one; a link without spaces
// stands in for the short name here.
void LinkOutputDirWithSpaces(LinuxCommand& command, TemporaryFiles& files) {
    for (std::string& argument : command.arguments) {
        const std::string dir = OptionValue(argument, kOutputDirOption);
        if (dir.find(' ') == std::string::npos) {
            continue;
        }
        const std::string link = LinuxPathOf(files.Path(".output"));
        command.links.push_back({dir, link});
        argument = kOutputDirOption + "=" + link;
    }
}

LinuxCommand PerlCommand(const std::vector<std::string>& arguments, TemporaryFiles& files) {
    LinuxCommand command;
    // mknmz reads Japanese text only under an EUC-JP locale and then
    // reports in EUC-JP; Windows readers expect Shift-JIS.
    command.locale = "ja_JP.eucJP";
    command.program = "perl";
    command.arguments = TranslateArguments(arguments, LinuxPathOf);
    command.outputFilter = "nkf -E -s -u";
    LinkOutputDirWithSpaces(command, files);
    return command;
}

} // namespace

int main() {
    return RunBridge(PerlCommand);
}
