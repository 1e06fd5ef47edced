#include "text/html_to_text.h"

#include "text/charset_conversion.h"
#include "text/shift_jis.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

namespace {

const char* const kBlockElements[] = {
    "p",          "div",     "tr",     "li",      "ul",      "ol",     "dl",    "dt",  "dd",
    "h1",         "h2",      "h3",     "h4",      "h5",      "h6",     "table", "pre", "hr",
    "blockquote", "address", "center", "section", "article", "header", "footer"};
const char* const kHiddenElements[] = {"script", "style", "title"};

// A character reference longer than this is no reference.
const size_t kMaxReferenceLength = 10;
const uint32_t kBeyondUnicode = 0x110000;

bool IsAsciiAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiAlnum(char c) {
    return IsAsciiAlpha(c) || (c >= '0' && c <= '9');
}

bool IsHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

template <size_t N> bool IsOneOf(const std::string& name, const char* const (&names)[N]) {
    for (const char* candidate : names) {
        if (name == candidate)
            return true;
    }
    return false;
}

// The scalar of a numeric reference's name ("#123", "#x7B"); nothing when
// it has no digits or others; past Unicode's end when it is too large.
std::optional<uint32_t> NumericReference(std::string_view name) {
    const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty())
        return std::nullopt;
    uint32_t scalar = 0;
    for (char c : digits) {
        const unsigned char byte = static_cast<unsigned char>(c);
        int value = -1;
        if (std::isdigit(byte))
            value = byte - '0';
        else if (hex && std::isxdigit(byte))
            value = std::tolower(byte) - 'a' + 10;
        if (value < 0)
            return std::nullopt;
        scalar = std::min<uint32_t>(scalar * (hex ? 16 : 10) + static_cast<uint32_t>(value),
                                    kBeyondUnicode);
    }
    return scalar;
}

class HtmlText {
public:
    explicit HtmlText(std::string_view html) : html_(html) { out_.reserve(html.size()); }

    std::string Run() {
        while (i_ < html_.size()) {
            const char c = html_[i_];
            if (c == '<' && ReadMarkup())
                continue;
            if (c == '&' && ReadReference())
                continue;
            if (IsHtmlSpace(c)) {
                pendingSpace_ = true;
                ++i_;
                continue;
            }
            const size_t next =
                IsLeadByte(static_cast<unsigned char>(c)) && i_ + 1 < html_.size() ? 2 : 1;
            AppendText(html_.substr(i_, next));
            i_ += next;
        }
        return out_;
    }

private:
    void AppendText(std::string_view text) {
        if (pendingSpace_ && !atLineStart_)
            out_ += ' ';
        pendingSpace_ = false;
        atLineStart_ = false;
        out_ += text;
    }

    void LineBreak() {
        out_ += '\n';
        atLineStart_ = true;
        pendingSpace_ = false;
    }

    void EnsureLineStart() {
        if (!atLineStart_)
            LineBreak();
    }

    // A comment, a tag or a hidden element at i_; false when the '<' is text.
    bool ReadMarkup() {
        if (html_.compare(i_, 4, "<!--") == 0) {
            const size_t end = html_.find("-->", i_ + 4);
            i_ = end == std::string_view::npos ? html_.size() : end + 3;
            return true;
        }
        const char next = i_ + 1 < html_.size() ? html_[i_ + 1] : '\0';
        if (!IsAsciiAlpha(next) && next != '/' && next != '!' && next != '?')
            return false;
        if (noTagEndFollows_)
            return false;
        const size_t end = html_.find('>', i_);
        if (end == std::string_view::npos) {
            noTagEndFollows_ = true;
            return false;
        }
        const bool closing = next == '/';
        const std::string name = TagName(i_ + (closing ? 2 : 1));
        i_ = end + 1;
        if (!closing && IsOneOf(name, kHiddenElements))
            SkipPast("</" + name);
        else if (name == "br")
            LineBreak();
        else if (IsOneOf(name, kBlockElements))
            EnsureLineStart();
        else if (name == "td" || name == "th")
            pendingSpace_ = true;
        return true;
    }

    std::string TagName(size_t at) const {
        std::string name;
        for (; at < html_.size() && IsAsciiAlnum(html_[at]); ++at)
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(html_[at])));
        return name;
    }

    // Past the closing tag that starts with closer (ignoring case), or to
    // the end.
    void SkipPast(const std::string& closer) {
        for (size_t at = html_.find('<', i_); at != std::string_view::npos;
             at = html_.find('<', at + 1)) {
            if (EqualsIgnoringAsciiCase(std::string(html_.substr(at, closer.size())), closer)) {
                const size_t end = html_.find('>', at);
                i_ = end == std::string_view::npos ? html_.size() : end + 1;
                return;
            }
        }
        i_ = html_.size();
    }

    // A character reference at i_; false when the '&' is text.
    bool ReadReference() {
        const size_t semicolon = html_.substr(0, i_ + kMaxReferenceLength).find(';', i_);
        if (semicolon == std::string_view::npos)
            return false;
        const std::string_view name = html_.substr(i_ + 1, semicolon - i_ - 1);
        std::string text;
        if (!name.empty() && name[0] == '#') {
            const std::optional<uint32_t> scalar = NumericReference(name);
            if (scalar == 0u)
                text = kUnrepresentable;
            else if (scalar)
                AppendAsShiftJis(text, *scalar);
        } else {
            text = NamedReference(name);
        }
        if (text.empty())
            return false;
        AppendText(text);
        i_ = semicolon + 1;
        return true;
    }

    static std::string NamedReference(std::string_view name) {
        if (name == "amp")
            return "&";
        if (name == "lt")
            return "<";
        if (name == "gt")
            return ">";
        if (name == "quot")
            return "\"";
        if (name == "apos")
            return "'";
        if (name == "nbsp")
            return " ";
        return "";
    }

    std::string_view html_;
    std::string out_;
    size_t i_ = 0;
    bool atLineStart_ = true;
    bool pendingSpace_ = false;
    bool noTagEndFollows_ = false;
};

} // namespace

std::string HtmlToText(std::string_view html) {
    return HtmlText(html).Run();
}
