#include "text/charset_conversion.h"

#include "text/shift_jis.h"

#include <cctype>

namespace {

#include "text/cp932_table.inc"

enum class Charset { Iso2022Jp, ShiftJis, EucJp, Utf8, Latin1, Unknown };

const char kEscape = '\x1B';

struct CharsetAlias {
    const char* name;
    Charset charset;
};

const CharsetAlias kAliases[] = {
    {"iso-2022-jp", Charset::Iso2022Jp},
    {"csiso2022jp", Charset::Iso2022Jp},
    {"iso2022jp", Charset::Iso2022Jp},
    {"iso-2022-jp-1", Charset::Iso2022Jp},
    {"iso-2022-jp-2", Charset::Iso2022Jp},
    {"iso-2022-jp-3", Charset::Iso2022Jp},
    {"jis", Charset::Iso2022Jp},
    {"us-ascii", Charset::Iso2022Jp},
    {"ascii", Charset::Iso2022Jp},
    {"csascii", Charset::Iso2022Jp},
    {"iso646-us", Charset::Iso2022Jp},
    {"ansi_x3.4-1968", Charset::Iso2022Jp},
    {"shift_jis", Charset::ShiftJis},
    {"shift-jis", Charset::ShiftJis},
    {"sjis", Charset::ShiftJis},
    {"x-sjis", Charset::ShiftJis},
    {"ms_kanji", Charset::ShiftJis},
    {"csshiftjis", Charset::ShiftJis},
    {"cp932", Charset::ShiftJis},
    {"ms932", Charset::ShiftJis},
    {"x-ms-cp932", Charset::ShiftJis},
    {"windows-31j", Charset::ShiftJis},
    {"cswindows31j", Charset::ShiftJis},
    {"euc-jp", Charset::EucJp},
    {"eucjp", Charset::EucJp},
    {"euc_jp", Charset::EucJp},
    {"x-euc-jp", Charset::EucJp},
    {"cseucpkdfmtjapanese", Charset::EucJp},
    {"ujis", Charset::EucJp},
    {"utf-8", Charset::Utf8},
    {"utf8", Charset::Utf8},
    {"iso-8859-1", Charset::Latin1},
    {"iso8859-1", Charset::Latin1},
    {"iso_8859-1", Charset::Latin1},
    {"iso_8859-1:1987", Charset::Latin1},
    {"latin1", Charset::Latin1},
    {"latin-1", Charset::Latin1},
    {"l1", Charset::Latin1},
    {"cp819", Charset::Latin1},
    {"iso-ir-100", Charset::Latin1},
    {"csisolatin1", Charset::Latin1},
};

Charset CharsetNamed(std::string_view name) {
    std::string lower;
    for (char c : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const CharsetAlias& alias : kAliases) {
        if (lower == alias.name)
            return alias.charset;
    }
    return Charset::Unknown;
}

unsigned char At(std::string_view text, size_t i) {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
}

bool IsHalfWidthKana(unsigned char byte) {
    return byte >= 0xA1 && byte <= 0xDF;
}

bool IsShiftJisTrail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

bool IsJisByte(unsigned char byte) {
    return byte >= 0x21 && byte <= 0x7E;
}

bool IsEucByte(unsigned char byte) {
    return byte >= 0xA1 && byte <= 0xFE;
}

// Row and cell of JIS X 0208 (each 0x21-0x7E) to the Shift-JIS pair.
void AppendJisPair(std::string& out, unsigned char row, unsigned char cell) {
    unsigned char lead = static_cast<unsigned char>(((row - 0x21) >> 1) + 0x81);
    if (lead > 0x9F)
        lead += 0x40;
    unsigned char trail;
    if (row & 1) {
        trail = static_cast<unsigned char>(cell + 0x1F);
        if (trail >= 0x7F)
            ++trail;
    } else {
        trail = static_cast<unsigned char>(cell + 0x7E);
    }
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

enum class JisSet { Ascii, Kana, Kanji, Unsupported };

// The set an escape sequence at i selects and the sequence's length; length
// 0 for a sequence we do not know.
size_t ReadJisEscape(std::string_view text, size_t i, JisSet& set) {
    const std::string_view rest = text.substr(i + 1, 3);
    if (rest.substr(0, 2) == "(B" || rest.substr(0, 2) == "(J") {
        set = JisSet::Ascii;
        return 3;
    }
    if (rest.substr(0, 2) == "(I") {
        set = JisSet::Kana;
        return 3;
    }
    if (rest.substr(0, 2) == "$B" || rest.substr(0, 2) == "$@") {
        set = JisSet::Kanji;
        return 3;
    }
    if (rest == "$(D" || rest == "$(Q" || rest == "$(O" || rest == "$(P") {
        set = JisSet::Unsupported;
        return 4;
    }
    return 0;
}

std::string FromIso2022Jp(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    JisSet set = JisSet::Ascii;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char byte = At(text, i);
        if (byte == kEscape) {
            const size_t length = ReadJisEscape(text, i, set);
            if (length == 0)
                out += text[i];
            i += length == 0 ? 1 : length;
        } else if (byte >= 0x80) {
            out += kUnrepresentable;
            ++i;
        } else if (set == JisSet::Kana && byte >= 0x21 && byte <= 0x5F) {
            out += static_cast<char>(byte + 0x80);
            ++i;
        } else if ((set == JisSet::Kanji || set == JisSet::Unsupported) && IsJisByte(byte)) {
            if (set == JisSet::Kanji && IsJisByte(At(text, i + 1)))
                AppendJisPair(out, byte, At(text, i + 1));
            else
                out += kUnrepresentable;
            i += IsJisByte(At(text, i + 1)) ? 2 : 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string FromShiftJis(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = At(text, i);
        if (IsLeadByte(byte) && i + 1 < text.size() && IsShiftJisTrail(At(text, i + 1))) {
            out.append(text.substr(i, 2));
            ++i;
        } else if (byte < 0x80 || IsHalfWidthKana(byte)) {
            out += text[i];
        } else {
            out += kUnrepresentable;
        }
    }
    return out;
}

// The length of the EUC-JP character at i: 1 for ASCII, 2 for JIS X 0208
// and SS2 half-width katakana, 3 for SS3 JIS X 0212; 0 when broken.
size_t EucCharacterLength(std::string_view text, size_t i) {
    const unsigned char byte = At(text, i);
    const unsigned char next = At(text, i + 1);
    if (byte < 0x80)
        return 1;
    if ((IsEucByte(byte) && IsEucByte(next)) || (byte == 0x8E && IsHalfWidthKana(next)))
        return 2;
    if (byte == 0x8F && IsEucByte(next) && IsEucByte(At(text, i + 2)))
        return 3;
    return 0;
}

std::string FromEucJp(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char byte = At(text, i);
        const size_t length = EucCharacterLength(text, i);
        if (length == 1)
            out += text[i];
        else if (length == 2 && byte == 0x8E)
            out += text[i + 1];
        else if (length == 2)
            AppendJisPair(out, byte - 0x80, At(text, i + 1) - 0x80);
        else // broken, or JIS X 0212, which has no place in code page 932
            out += kUnrepresentable;
        i += length == 0 ? 1 : length;
    }
    return out;
}

// The scalar of the UTF-8 sequence at i and its length; length 0 when the
// sequence is broken, with skip the bytes that belong to the broken part.
struct Utf8Character {
    uint32_t scalar;
    size_t length;
    size_t skip;
};

Utf8Character ReadUtf8(std::string_view text, size_t i) {
    const unsigned char lead = At(text, i);
    size_t length;
    uint32_t scalar;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the first continuation byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        scalar = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        scalar = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        scalar = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {0, 0, 1};
    }
    for (size_t k = 1; k < length; ++k) {
        const unsigned char byte = At(text, i + k);
        if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
            return {0, 0, k};
        scalar = scalar << 6 | (byte & 0x3F);
    }
    return {scalar, length, length};
}

const uint32_t kByteOrderMark = 0xFEFF;

std::string FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char byte = At(text, i);
        if (byte < 0x80) {
            out += text[i++];
            continue;
        }
        const Utf8Character character = ReadUtf8(text, i);
        if (character.length == 0)
            out += kUnrepresentable;
        else if (character.scalar != kByteOrderMark)
            AppendAsShiftJis(out, character.scalar);
        i += character.skip;
    }
    return out;
}

std::string FromLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendAsShiftJis(out, static_cast<unsigned char>(c));
    return out;
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        if (At(text, i) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Character character = ReadUtf8(text, i);
        if (character.length == 0)
            return false;
        i += character.length;
    }
    return true;
}

struct ShiftJisReading {
    bool valid = true;
    bool hasHalfWidthKana = false;
};

ShiftJisReading ReadAsShiftJis(std::string_view text) {
    ShiftJisReading reading;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = At(text, i);
        if (IsLeadByte(byte) && i + 1 < text.size() && IsShiftJisTrail(At(text, i + 1)))
            ++i;
        else if (IsHalfWidthKana(byte))
            reading.hasHalfWidthKana = true;
        else if (byte >= 0x80)
            reading.valid = false;
    }
    return reading;
}

bool IsValidEucJp(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = EucCharacterLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

Charset GuessCharset(std::string_view text) {
    if (text.find(kEscape) != std::string_view::npos)
        return Charset::Iso2022Jp;
    if (IsValidUtf8(text))
        return Charset::Utf8;
    const ShiftJisReading reading = ReadAsShiftJis(text);
    if (reading.valid && !(reading.hasHalfWidthKana && IsValidEucJp(text)))
        return Charset::ShiftJis;
    return Charset::EucJp;
}

} // namespace

const char kUnrepresentable[] = "〓";

void AppendAsShiftJis(std::string& out, uint32_t scalar) {
    if (scalar < 0x80) {
        out += static_cast<char>(scalar);
        return;
    }
    const unsigned page = scalar <= 0xFFFF ? kCp932PageOf[scalar >> 8] : 0;
    const unsigned code = page == 0 ? 0 : kCp932Pages[page - 1][scalar & 0xFF];
    if (code == 0)
        out += kUnrepresentable;
    else if (code <= 0xFF)
        out += static_cast<char>(code);
    else {
        out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    }
}

std::string ToShiftJis(std::string_view text, std::string_view charset) {
    Charset named = CharsetNamed(charset);
    if (named == Charset::Unknown)
        named = GuessCharset(text);
    switch (named) {
    case Charset::ShiftJis:
        return FromShiftJis(text);
    case Charset::EucJp:
        return FromEucJp(text);
    case Charset::Utf8:
        return FromUtf8(text);
    case Charset::Latin1:
        return FromLatin1(text);
    default:
        return FromIso2022Jp(text);
    }
}
