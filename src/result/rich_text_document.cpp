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
        for (const ColouredRange& range : ranges)
            Add(range.Format);
    }

    void Add(const RangeFormat& colour) {
        if (IndexOf(colour) == 0)
            colours_.push_back(colour);
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

// RichEdit takes the background from \highlight, and so does Wine 8, which
// ignores \cb (measured); older Wine read only \cb. Both name the same
// entry, and 0 is no background.
std::string MarkSwitch(bool on, int colour) {
    const std::string index = std::to_string(on ? colour : 0);
    return "\\highlight" + index + "\\cb" + index + " ";
}

// Ranges in text order, one open at a time, leaving out the empty ones and
// those that overlap the one before.
template <typename Range> class RangeWalk {
public:
    explicit RangeWalk(const std::vector<Range>& ranges) : ranges_(ranges) {}

    bool IsOpen() const { return openEnd_ >= 0; }

    // True when the open range ends at or before position, which closes it.
    bool CloseAt(int64_t position) {
        if (openEnd_ < 0 || position < openEnd_)
            return false;
        openEnd_ = -1;
        return true;
    }

    // The range that now covers position, opened; nullptr when none opens.
    const Range* OpenAt(int64_t position) {
        while (openEnd_ < 0 && next_ < ranges_.size() && ranges_[next_].Start <= position) {
            const Range& range = ranges_[next_++];
            const int64_t end = static_cast<int64_t>(range.Start) + range.Length;
            if (range.Length <= 0 || range.Start < lastEnd_ || end <= position)
                continue;
            openEnd_ = end;
            lastEnd_ = end;
            return &range;
        }
        return nullptr;
    }

private:
    const std::vector<Range>& ranges_;
    size_t next_ = 0;
    int64_t openEnd_ = -1; // -1 when none is open
    int64_t lastEnd_ = 0;
};

} // namespace

std::string RichTextDocument(const std::string& text, const std::vector<ColouredRange>& colours) {
    return RichTextDocument(text, colours, {});
}

std::string RichTextDocument(const std::string& text, const std::vector<ColouredRange>& colours,
                             const std::vector<MarkedRange>& marks) {
    ColourTable table(colours);
    if (!marks.empty())
        table.Add(kMarkFormat);
    const int markColour = table.IndexOf(kMarkFormat);
    const std::string markOn = MarkSwitch(true, markColour);
    const std::string markOff = MarkSwitch(false, markColour);
    std::string rtf;
    rtf.reserve(text.size() * 3 + (colours.size() + marks.size()) * 32 + 64);
    // The colour table always closes the header, so that text starting with
    // a digit cannot run into the code page number.
    rtf += "{\\rtf1\\ansi\\ansicpg932" + table.Rtf();
    RangeWalk<ColouredRange> coloured(colours);
    RangeWalk<MarkedRange> marked(marks);
    bool markShown = false;
    bool markShownAtGroupOpen = false;
    for (size_t i = 0; i < text.size();) {
        const int64_t position = static_cast<int64_t>(i);
        marked.CloseAt(position);
        marked.OpenAt(position);
        // A group's end brings back the background it began with.
        if (coloured.CloseAt(position)) {
            rtf += '}';
            markShown = markShownAtGroupOpen;
        }
        if (marked.IsOpen() != markShown) {
            markShown = marked.IsOpen();
            rtf += markShown ? markOn : markOff;
        }
        if (const ColouredRange* range = coloured.OpenAt(position)) {
            rtf += RangeOpening(*range, table);
            markShownAtGroupOpen = markShown;
        }
        i = AppendCharacter(rtf, text, i);
    }
    if (coloured.IsOpen())
        rtf += '}';
    // RichEdit drops a break that ends the document, so a text that ends
    // with one gets a second.
    if (!text.empty() && IsLineBreak(text.back()))
        rtf += kLineBreak;
    return rtf + "}";
}
