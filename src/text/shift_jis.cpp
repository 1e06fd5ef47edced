#include "text/shift_jis.h"

namespace {

char ToLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Steps as NextCharacter does, written out since a mail of a megabyte is
// lowered whole.
template <typename Change> std::string ChangeSingleBytes(const std::string& text, Change change) {
    std::string result = text;
    for (size_t i = 0; i < result.size();) {
        if (IsLeadByte(static_cast<unsigned char>(result[i]))) {
            i += 2;
        } else {
            result[i] = change(result[i]);
            ++i;
        }
    }
    return result;
}

} // namespace

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t NextCharacter(const std::string& text, size_t position) {
    const size_t step = IsLeadByte(static_cast<unsigned char>(text[position])) ? 2 : 1;
    return position + step < text.size() ? position + step : text.size();
}

bool IsCharacterStart(const std::string& text, size_t position) {
    size_t i = 0;
    while (i < position)
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i == position;
}

size_t CharacterCount(const std::string& text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); i = NextCharacter(text, i))
        ++count;
    return count;
}

size_t ByteOffsetOfCharacter(const std::string& text, size_t count) {
    size_t i = 0;
    for (; count > 0 && i < text.size(); --count)
        i = NextCharacter(text, i);
    return i;
}

size_t EndOfLeadingPart(const std::string& text, const std::string& leading) {
    if (EqualsIgnoringAsciiCase(text.substr(0, leading.size()), leading))
        return leading.size();
    return ByteOffsetOfCharacter(text, CharacterCount(leading));
}

size_t FindWhole(const std::string& text, const std::string& part, size_t from) {
    for (size_t i = 0; i < text.size(); i = NextCharacter(text, i)) {
        if (i >= from && text.compare(i, part.size(), part) == 0)
            return i;
    }
    return std::string::npos;
}

// One walk forward: testing each match found from the end for a character
// start would walk from the front once per match.
size_t FindLastWhole(const std::string& text, const std::string& part) {
    if (part.empty())
        return text.size();
    size_t last = std::string::npos;
    for (size_t i = 0; i < text.size(); i = NextCharacter(text, i)) {
        if (text.compare(i, part.size(), part) == 0)
            last = i;
    }
    return last;
}

std::string ReplaceAllWhole(const std::string& text, const std::string& part,
                            const std::string& replacement) {
    if (part.empty())
        return text;
    std::string result;
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, part.size(), part) == 0) {
            result += replacement;
            i += part.size();
        } else {
            const size_t next = NextCharacter(text, i);
            result.append(text, i, next - i);
            i = next;
        }
    }
    return result;
}

bool EndsWithCharacter(const std::string& text, char c) {
    return !text.empty() && text.back() == c && IsCharacterStart(text, text.size() - 1);
}

std::string AsciiLowerCase(const std::string& text) {
    return ChangeSingleBytes(text, ToLower);
}

std::string AsciiUpperCase(const std::string& text) {
    return ChangeSingleBytes(text, ToUpper);
}

bool EqualsIgnoringAsciiCase(const std::string& left, const std::string& right) {
    return left.size() == right.size() && AsciiLowerCase(left) == AsciiLowerCase(right);
}
