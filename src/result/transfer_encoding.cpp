#include "result/transfer_encoding.h"

#include "text/shift_jis.h"

namespace {

const signed char kNotBase64 = -1;

struct Base64Table {
    signed char values[256];

    Base64Table() {
        const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (signed char& value : values)
            value = kNotBase64;
        for (int i = 0; i < 64; ++i)
            values[static_cast<unsigned char>(alphabet[i])] = static_cast<signed char>(i);
    }
};

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where the text goes on after a soft line break whose '=' stands just
// before i (blanks, then a line break or the end), or npos.
size_t AfterSoftBreak(std::string_view text, size_t i) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && text[i] == '\r')
        ++i;
    if (i < text.size() && text[i] == '\n')
        ++i;
    const bool atBreak = i == text.size() || text[i - 1] == '\r' || text[i - 1] == '\n';
    return atBreak ? i : std::string_view::npos;
}

std::string DecodeQuoted(std::string_view text, bool underscoreIsSpace) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '_' && underscoreIsSpace) {
            out += ' ';
            ++i;
        } else if (c != '=') {
            out += c;
            ++i;
        } else if (i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
                   HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 3;
        } else if (const size_t next = AfterSoftBreak(text, i + 1);
                   next != std::string_view::npos) {
            i = next;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace

std::string DecodeBase64(std::string_view text) {
    static const Base64Table table;
    std::string out(text.size() / 4 * 3 + 3, '\0');
    size_t length = 0;
    unsigned bits = 0;
    int bitCount = 0;
    for (char c : text) {
        const int value = table.values[static_cast<unsigned char>(c)];
        if (value == kNotBase64) {
            if (c == '=')
                bitCount = 0;
            continue;
        }
        bits = (bits << 6 | static_cast<unsigned>(value)) & 0xFFFFFF;
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            out[length++] = static_cast<char>((bits >> bitCount) & 0xFF);
        }
    }
    out.resize(length);
    return out;
}

std::string DecodeQuotedPrintable(std::string_view text) {
    return DecodeQuoted(text, false);
}

std::string DecodeQEncoding(std::string_view text) {
    return DecodeQuoted(text, true);
}

std::string DecodeTransferEncoding(std::string_view body, std::string_view encoding) {
    const std::string name = AsciiLowerCase(std::string(encoding));
    if (name == "base64")
        return DecodeBase64(body);
    if (name == "quoted-printable")
        return DecodeQuotedPrintable(body);
    return std::string(body);
}
