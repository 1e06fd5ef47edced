#include "text/trimming.h"

#include "text/shift_jis.h"

namespace {

bool IsControlOrSpace(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string TrimControlCharacters(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size() && IsControlOrSpace(text[begin]))
        ++begin;
    return TrimTrailingControlCharacters(text.substr(begin));
}

// The end is found by characters: the byte after a lead byte is its trail
// byte, even where it looks like a space.
std::string TrimTrailingControlCharacters(const std::string& text) {
    size_t end = 0;
    for (size_t i = 0; i < text.size(); i = NextCharacter(text, i)) {
        if (!IsControlOrSpace(text[i]))
            end = NextCharacter(text, i);
    }
    return text.substr(0, end);
}
