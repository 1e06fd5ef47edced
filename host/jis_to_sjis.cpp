#include "jis_to_sjis.h"

namespace {

const char Escape = '\x1B';

enum class CharacterSet { Ascii, Roman, Kana, Kanji };

bool IsJisByte(unsigned char byte) {
    return byte >= 0x21 && byte <= 0x7E;
}

// The character set an escape sequence selects, with the sequence's length;
// length 0 when the bytes at `at` are no sequence we know.
struct Designation {
    CharacterSet set;
    size_t length;
};

Designation ReadDesignation(std::string_view text, size_t at) {
    std::string_view rest = text.substr(at);
    if (rest.size() < 3) {
        return {CharacterSet::Ascii, 0};
    }
    std::string_view sequence = rest.substr(1, 2);
    if (sequence == "(B") {
        return {CharacterSet::Ascii, 3};
    }
    if (sequence == "(J") {
        return {CharacterSet::Roman, 3};
    }
    if (sequence == "(I") {
        return {CharacterSet::Kana, 3};
    }
    if (sequence == "$@" || sequence == "$B") {
        return {CharacterSet::Kanji, 3};
    }
    return {CharacterSet::Ascii, 0};
}

void AppendKanji(std::string& out, unsigned char row, unsigned char cell) {
    unsigned char lead = static_cast<unsigned char>(((row - 0x21) >> 1) + 0x81);
    if (lead > 0x9F) {
        lead += 0x40;
    }
    unsigned char trail;
    if (row & 1) {
        trail = static_cast<unsigned char>(cell + 0x1F);
        if (trail >= 0x7F) {
            ++trail;
        }
    } else {
        trail = static_cast<unsigned char>(cell + 0x7E);
    }
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

} // namespace

std::string JisToSjis(std::string_view jis) {
    std::string out;
    out.reserve(jis.size());
    CharacterSet set = CharacterSet::Ascii;
    size_t i = 0;
    while (i < jis.size()) {
        unsigned char byte = static_cast<unsigned char>(jis[i]);
        if (jis[i] == Escape) {
            Designation designation = ReadDesignation(jis, i);
            if (designation.length > 0) {
                set = designation.set;
                i += designation.length;
                continue;
            }
            out += jis[i++];
            continue;
        }
        if (set == CharacterSet::Kana && byte >= 0x21 && byte <= 0x5F) {
            out += static_cast<char>(byte + 0x80);
            ++i;
            continue;
        }
        bool pairFollows = i + 1 < jis.size() && IsJisByte(static_cast<unsigned char>(jis[i + 1]));
        if (set == CharacterSet::Kanji && IsJisByte(byte) && pairFollows) {
            AppendKanji(out, byte, static_cast<unsigned char>(jis[i + 1]));
            i += 2;
            continue;
        }
        out += jis[i++];
    }
    return out;
}
