#include "namazurc_translation.h"

#include "linux_path.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

bool IsIndexKeyword(const std::string& word) {
    const std::string keyword = "index";
    if (word.size() != keyword.size()) {
        return false;
    }
    for (size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != keyword[i]) {
            return false;
        }
    }
    return true;
}

// A value with blanks stands in double quotes, each backslash and quote in
// it escaped by a backslash, trail bytes 0x5C included.
bool IsQuoted(const std::string& value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

std::string Unquoted(const std::string& value) {
    std::string text;
    for (size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size()) {
            ++i;
        }
        text += value[i];
    }
    return text;
}

std::string Quoted(const std::string& text) {
    std::string value = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            value += '\\';
        }
        value += c;
    }
    return value + "\"";
}

// One line without its line end.
std::string TranslateLine(const std::string& line, const PathTranslator& toLinux) {
    size_t keywordEnd = 0;
    while (keywordEnd < line.size() && !IsSeparator(line[keywordEnd])) {
        ++keywordEnd;
    }
    if (!IsIndexKeyword(line.substr(0, keywordEnd))) {
        return line;
    }
    size_t valueStart = keywordEnd;
    while (valueStart < line.size() && IsSeparator(line[valueStart])) {
        ++valueStart;
    }
    size_t valueEnd = line.size();
    while (valueEnd > valueStart && IsSeparator(line[valueEnd - 1])) {
        --valueEnd;
    }
    const std::string value = line.substr(valueStart, valueEnd - valueStart);
    const bool quoted = IsQuoted(value);
    const std::string path = quoted ? Unquoted(value) : value;
    if (!IsWindowsAbsolutePath(path)) {
        return line;
    }
    const std::string translated = quoted ? Quoted(toLinux(path)) : toLinux(path);
    return line.substr(0, valueStart) + translated + line.substr(valueEnd);
}

size_t LineEndLength(const std::string& text, size_t position) {
    if (position >= text.size()) {
        return 0;
    }
    return text.compare(position, 2, "\r\n") == 0 ? 2 : 1;
}

} // namespace

std::string TranslateNamazurc(const std::string& text, const PathTranslator& toLinux) {
    std::string translated;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const size_t next = end + LineEndLength(text, end);
        translated += TranslateLine(text.substr(start, end - start), toLinux);
        translated += text.substr(end, next - end);
        start = next;
    }
    return translated;
}
