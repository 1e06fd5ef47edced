#include "search/search_text.h"

#include "catalogue/shift_jis.h"

namespace {

const char kIdeographicSpace[] = "　";

bool IsControlOrSpace(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string TrimControlCharacters(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size() && IsControlOrSpace(text[begin]))
        ++begin;
    // Codes up to 32 are single-byte characters, so the end is found by
    // characters: a trail byte is never taken for one.
    size_t end = begin;
    for (size_t i = begin; i < text.size(); i = NextCharacter(text, i)) {
        if (!IsControlOrSpace(text[i]))
            end = NextCharacter(text, i);
    }
    return text.substr(begin, end - begin);
}

std::string WithoutIdeographicSpaces(const std::string& text) {
    return ReplaceAllWhole(text, kIdeographicSpace, "");
}

bool IsEmptyWithoutIdeographicSpaces(const std::string& text) {
    return WithoutIdeographicSpaces(text).empty();
}
