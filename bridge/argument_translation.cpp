#include "argument_translation.h"

#include "linux_path.h"

namespace {

const std::string kReplaceOption = "--replace=";

// Pattern syntax and delimiters, escaped byte by byte as the plug-in
// escapes the account directory: Perl knows nothing of Shift-JIS.
const std::string kPatternSyntax = "\\^$.|?*+()[]{}#@";

// Where the pattern of "s#...#...#" ends: at the next delimiter that no
// backslash escapes.
size_t PatternEnd(const std::string& code, char delimiter) {
    for (size_t i = 2; i < code.size(); ++i) {
        if (code[i] == '\\') {
            ++i;
        } else if (code[i] == delimiter) {
            return i;
        }
    }
    return std::string::npos;
}

std::string Unescaped(const std::string& pattern) {
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\\' && i + 1 < pattern.size()) {
            ++i;
        }
        text += pattern[i];
    }
    return text;
}

std::string Escaped(const std::string& text) {
    std::string pattern;
    for (char c : text) {
        if (kPatternSyntax.find(c) != std::string::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

// In "s#Z:/acc/#account/#i" the pattern is a drive path matched literally;
// it becomes the Linux path, matched literally as well.
std::string TranslateReplaceCode(const std::string& code, const PathTranslator& toLinux) {
    if (code.size() < 2 || code[0] != 's') {
        return code;
    }
    const size_t patternEnd = PatternEnd(code, code[1]);
    if (patternEnd == std::string::npos) {
        return code;
    }
    const std::string path = Unescaped(code.substr(2, patternEnd - 2));
    if (!IsWindowsAbsolutePath(path)) {
        return code;
    }
    return code.substr(0, 2) + Escaped(toLinux(path)) + code.substr(patternEnd);
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
