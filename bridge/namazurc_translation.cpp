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
    if (!IsWindowsAbsolutePath(value)) {
        return line;
    }
    return line.substr(0, valueStart) + toLinux(value) + line.substr(valueEnd);
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
