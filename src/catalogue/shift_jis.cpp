#include "catalogue/shift_jis.h"

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsCharacterStart(const std::string& text, size_t position) {
    size_t i = 0;
    while (i < position)
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i == position;
}

size_t FindLastWhole(const std::string& text, const std::string& part) {
    size_t position = text.rfind(part);
    while (position != std::string::npos && !IsCharacterStart(text, position))
        position = position == 0 ? std::string::npos : text.rfind(part, position - 1);
    return position;
}
