// Arguments cut at NULs, each quoted and joined after a program name: the
// C runtime's splitting gives back the same arguments, byte for byte, but
// for a lead byte cut off at the end.
#include "bridge/command_line.h"
#include "fuzz_support.h"
#include "result/namazu_command_line.h"

namespace {

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A lead byte at the very end has lost its trail byte: no character.
std::string WholeCharacters(const std::string& text) {
    size_t i = 0;
    while (i + 1 < text.size())
        i += IsShiftJisLeadByte(text[i]) ? 2 : 1;
    const bool loneLead = i + 1 == text.size() && IsShiftJisLeadByte(text[i]);
    return loneLead ? text.substr(0, i) : text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments = Pieces(data, size);
    std::string commandLine = "namazu.exe";
    for (std::string& argument : arguments) {
        commandLine += " " + QuotedArgument(argument);
        argument = WholeCharacters(argument);
    }
    Check(SplitCommandLine(commandLine) == arguments, "quoted arguments split differently");
    return 0;
}
