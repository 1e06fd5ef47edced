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

bool IsPlainAscii(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// namazu reads its namazurc as text of the locale (Shift-JIS) and converts
// it, so a directory name in UTF-8 would be garbled; the copy names such an
// index directory through a link with a plain name instead.
class NamazurcCopier {
public:
    NamazurcCopier(LinuxCommand& command, TemporaryFiles& files)
        : command_(command), files_(files) {}

    // Writes the copy of the Windows file rcPath and returns the option
    // that names the copy.
    std::string ConfigOption(const std::string& rcPath) {
        const std::string copy = files_.Path(".namazurc");
        const PathTranslator linked = [this](const std::string& path) { return LinkTo(path); };
        WriteFileBytes(copy, TranslateNamazurc(ReadFileBytes(rcPath), linked));
        return kConfigOption + "=" + LinuxPathOf(copy);
    }

private:
    std::string LinkTo(const std::string& windowsPath) {
        const std::string target = LinuxPathOf(windowsPath);
        if (IsPlainAscii(target)) {
            return target;
        }
        const std::string link =
            LinuxPathOf(files_.Path(".index" + std::to_string(command_.links.size())));
        command_.links.push_back({target, link});
        return link;
    }

    LinuxCommand& command_;
    TemporaryFiles& files_;
};

std::vector<std::string> WithTranslatedConfig(std::vector<std::string> arguments,
                                              NamazurcCopier& copier) {
    for (std::string& argument : arguments) {
        const std::string rcPath = OptionValue(argument, kConfigOption);
        if (!rcPath.empty()) {
            argument = copier.ConfigOption(rcPath);
            return arguments;
        }
    }
    if (FileExists(kDefaultNamazurc)) {
        arguments.insert(arguments.begin(), copier.ConfigOption(kDefaultNamazurc));
    }
    return arguments;
}

LinuxCommand NamazuCommand(const std::vector<std::string>& arguments, TemporaryFiles& files) {
    LinuxCommand command;
    // Shift-JIS queries in, Shift-JIS results out.
    command.locale = "ja_JP.SJIS";
    command.program = "namazu";
    NamazurcCopier copier(command, files);
    command.arguments = TranslateArguments(WithTranslatedConfig(arguments, copier), LinuxPathOf);
    return command;
}

} // namespace

int main() {
    return RunBridge(NamazuCommand);
}
