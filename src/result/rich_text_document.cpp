#include "result/rich_text_document.h"

#include "text/shift_jis.h"

#include <cstdint>

namespace {

const char kHexDigits[] = "0123456789abcdef";
const char kLineBreak[] = "\\par\r\n";

bool SameColour(const RangeFormat& left, const RangeFormat& right) {
    return left.Red == right.Red && left.Green == right.Green && left.Blue == right.Blue;
}

// Each colour once, numbered from 1: entry 0 stays the control's own colour.
class ColourTable {
public:
    explicit ColourTable(const std::vector<ColouredRange>& ranges) {
        for (const ColouredRange& range : ranges) {
            if (IndexOf(range.Format) == 0)
                colours_.push_back(range.Format);
        }
    }

    int IndexOf(const RangeFormat& format) const {
        for (size_t i = 0; i < colours_.size(); ++i) {
            if (SameColour(colours_[i], format))
                return static_cast<int>(i) + 1;
        }
        return 0;
    }

    std::string Rtf() const {
        std::string rtf = "{\\colortbl ;";
        for (const RangeFormat& colour : colours_) {
            rtf += "\\red" + std::to_string(colour.Red) + "\\green" + std::to_string(colour.Green) +
                   "\\blue" + std::to_string(colour.Blue) + ";";
        }
        return rtf + "}";
    }

private:
    std::vector<RangeFormat> colours_;
};

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool IsRtfSpecial(char c) {
    return c == '\\' || c == '{' || c == '}';
}

bool IsPlainTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F && !IsRtfSpecial(static_cast<char>(byte));
}

void AppendHex(std::string& rtf, unsigned char byte) {
    rtf += "\\'";
    rtf += kHexDigits[byte >> 4];
    rtf += kHexDigits[byte & 0x0F];
}

// Writes the character at position and returns where the next one begins.
// A double-byte character goes out as its two bytes, read back in code page
// 932 as one character, unless its trail byte is '\\', '{', '}' or no trail
// byte at all: then as a pair of hex escapes, so that no reader takes the
// trail byte for RTF. A lead
// byte just before a line break stands alone, as the pane's positions count
// it.
size_t AppendCharacter(std::string& rtf, const std::string& text, size_t position) {
    const unsigned char byte = static_cast<unsigned char>(text[position]);
    const size_t next = position + 1;
    if (IsLineBreak(static_cast<char>(byte))) {
        rtf += kLineBreak;
        return byte == '\r' && next < text.size() && text[next] == '\n' ? next + 1 : next;
    }
    if (IsLeadByte(byte) && next < text.size() && !IsLineBreak(text[next])) {
        const unsigned char trail = static_cast<unsigned char>(text[next]);
        if (IsPlainTrailByte(trail)) {
            rtf += static_cast<char>(byte);
            rtf += static_cast<char>(trail);
        } else {
            AppendHex(rtf, byte);
            AppendHex(rtf, trail);
        }
        return next + 1;
    }
    if (IsRtfSpecial(static_cast<char>(byte))) {
        rtf += '\\';
        rtf += static_cast<char>(byte);
    } else if (byte == '\t') {
        rtf += "\\tab ";
    } else if (byte < 0x20 || byte >= 0x80) {
        AppendHex(rtf, byte);
    } else {
        rtf += static_cast<char>(byte);
    }
    return next;
}

std::string RangeOpening(const ColouredRange& range, const ColourTable& table) {
    std::string opening = "{\\cf" + std::to_string(table.IndexOf(range.Format));
    if (range.Format.BoldUnderlined)
        opening += "\\b\\ul";
    return opening + " ";
}

} // namespace

std::string RichTextDocument(const std::string& text, const std::vector<ColouredRange>& colours) {
    const ColourTable table(colours);
    std::string rtf;
    rtf.reserve(text.size() * 3 + colours.size() * 16 + 64);
    // The colour table always closes the header, so that text starting with
    // a digit cannot run into the code page number.
    rtf += "{\\rtf1\\ansi\\ansicpg932" + table.Rtf();
    size_t nextRange = 0;
    int64_t openEnd = -1; // where the open range ends; -1 when none is open
    int64_t lastEnd = 0;
    for (size_t i = 0; i < text.size();) {
        const int64_t position = static_cast<int64_t>(i);
        if (openEnd >= 0 && position >= openEnd) {
            rtf += '}';
            openEnd = -1;
        }
        while (openEnd < 0 && nextRange < colours.size() && colours[nextRange].Start <= position) {
            const ColouredRange& range = colours[nextRange++];
            const int64_t end = static_cast<int64_t>(range.Start) + range.Length;
            if (range.Length <= 0 || range.Start < lastEnd || end <= position)
                continue;
            rtf += RangeOpening(range, table);
            openEnd = end;
            lastEnd = end;
        }
        i = AppendCharacter(rtf, text, i);
    }
    if (openEnd >= 0)
        rtf += '}';
    // RichEdit drops a break that ends the document, so a text that ends
    // with one gets a second.
    if (!text.empty() && IsLineBreak(text.back()))
        rtf += kLineBreak;
    return rtf + "}";
}
