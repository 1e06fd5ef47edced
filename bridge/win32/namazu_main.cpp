// namazu.exe: runs Linux namazu with the translated arguments. Its
// namazurc, named by --config or found in the current directory, is passed
// as a copy whose INDEX lines name Linux directories.
#include "../argument_translation.h"
#include "../namazurc_translation.h"
#include "bridge_main.h"
#include "file_bytes.h"
#include "wine_path.h"

namespace {

const std::string kConfigOption = "--config";
const std::string kDefaultNamazurc = "namazurc";

// Writes the translated copy of the Windows file rcPath and returns the
// option that names the copy.
std::string TranslatedConfigOption(const std::string& rcPath, TemporaryFiles& files) {
    const std::string copy = files.Path(".namazurc");
    WriteFileBytes(copy, TranslateNamazurc(ReadFileBytes(rcPath), TranslatePath));
    return kConfigOption + "=" + LinuxPathOf(copy);
}

std::vector<std::string> WithTranslatedConfig(std::vector<std::string> arguments,
                                              TemporaryFiles& files) {
    for (std::string& argument : arguments) {
        const std::string rcPath = OptionValue(argument, kConfigOption);
        if (!rcPath.empty()) {
            argument = TranslatedConfigOption(rcPath, files);
            return arguments;
        }
    }
    if (FileExists(kDefaultNamazurc)) {
        arguments.insert(arguments.begin(), TranslatedConfigOption(kDefaultNamazurc, files));
    }
    return arguments;
}

LinuxCommand NamazuCommand(const std::vector<std::string>& arguments, TemporaryFiles& files) {
    LinuxCommand command;
    // Shift-JIS queries in, Shift-JIS results out.
    command.locale = "ja_JP.SJIS";
    command.program = "namazu";
    command.arguments = TranslateArguments(WithTranslatedConfig(arguments, files), TranslatePath);
    return command;
}

} // namespace

int main() {
    return RunBridge(NamazuCommand);
}
