#include "argument_translation.h"

#include "linux_path.h"

namespace {

const std::string kReplaceOption = "--replace=";

// In "s#Z:/acc/#account/#i" the pattern runs from after the delimiter to
// its next occurrence.
std::string TranslateReplaceCode(const std::string& code, const PathTranslator& toLinux) {
    if (code.size() < 2 || code[0] != 's') {
        return code;
    }
    const char delimiter = code[1];
    const size_t patternEnd = code.find(delimiter, 2);
    if (patternEnd == std::string::npos) {
        return code;
    }
    const std::string pattern = code.substr(2, patternEnd - 2);
    if (!IsWindowsAbsolutePath(pattern)) {
        return code;
    }
    return code.substr(0, 2) + toLinux(pattern) + code.substr(patternEnd);
}

std::string TranslateArgument(const std::string& argument, const PathTranslator& toLinux) {
    if (IsWindowsAbsolutePath(argument)) {
        return toLinux(argument);
    }
    if (argument.compare(0, kReplaceOption.size(), kReplaceOption) == 0) {
        return kReplaceOption +
               TranslateReplaceCode(argument.substr(kReplaceOption.size()), toLinux);
    }
    const size_t equals = argument.find('=');
    if (argument[0] == '-' && equals != std::string::npos &&
        IsWindowsAbsolutePath(argument.substr(equals + 1))) {
        return argument.substr(0, equals + 1) + toLinux(argument.substr(equals + 1));
    }
    return argument;
}

} // namespace

std::vector<std::string> TranslateArguments(const std::vector<std::string>& arguments,
                                            const PathTranslator& toLinux) {
    std::vector<std::string> translated;
    for (const std::string& argument : arguments) {
        translated.push_back(argument.empty() ? argument : TranslateArgument(argument, toLinux));
    }
    return translated;
}

std::string OptionValue(const std::string& argument, const std::string& name) {
    const std::string prefix = name + "=";
    if (argument.compare(0, prefix.size(), prefix) != 0) {
        return "";
    }
    return argument.substr(prefix.size());
}
