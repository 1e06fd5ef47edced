#include "result/mime_header.h"

#include "result/transfer_encoding.h"
#include "text/charset_conversion.h"
#include "text/shift_jis.h"

#include <cctype>
#include <optional>

namespace {

// Sections beyond this are no name anyone writes; the cap keeps a hostile
// header from growing the map without end.
const int kMaxSection = 999;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsAllSpace(std::string_view text) {
    for (char c : text) {
        if (!IsSpace(c))
            return false;
    }
    return true;
}

struct EncodedWord {
    size_t end;
    std::string charset;
    std::string bytes;
};

// "=?charset?B?text?=" at at. Each scan stops at the next '?' or blank, so
// failed attempts read each stretch between question marks a bounded
// number of times.
std::optional<EncodedWord> ReadEncodedWord(std::string_view text, size_t at) {
    const size_t charsetStart = at + 2;
    size_t question = charsetStart;
    while (question < text.size() && text[question] != '?' && !IsSpace(text[question]))
        ++question;
    if (question == charsetStart || question + 2 >= text.size() || text[question] != '?' ||
        text[question + 2] != '?')
        return std::nullopt;
    const char encoding =
        static_cast<char>(std::toupper(static_cast<unsigned char>(text[question + 1])));
    if (encoding != 'B' && encoding != 'Q')
        return std::nullopt;
    const size_t wordStart = question + 3;
    size_t wordEnd = wordStart;
    while (wordEnd < text.size() && text[wordEnd] != '?' && !IsSpace(text[wordEnd]))
        ++wordEnd;
    if (wordEnd + 1 >= text.size() || text[wordEnd] != '?' || text[wordEnd + 1] != '=')
        return std::nullopt;
    std::string_view charset = text.substr(charsetStart, question - charsetStart);
    charset = charset.substr(0, charset.find('*')); // RFC 2231 language
    const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
    return EncodedWord{wordEnd + 2, AsciiLowerCase(std::string(charset)),
                       encoding == 'B' ? DecodeBase64(word) : DecodeQEncoding(word)};
}

size_t SkipComment(std::string_view text, size_t i) {
    int depth = 0;
    while (i < text.size()) {
        const char c = text[i++];
        if (c == '\\')
            ++i;
        else if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0)
            break;
    }
    return std::min(i, text.size());
}

size_t SkipBlanksAndComments(std::string_view text, size_t i) {
    while (i < text.size() && (IsSpace(text[i]) || text[i] == '(' || text[i] == ')'))
        i = text[i] == '(' ? SkipComment(text, i) : i + 1;
    return i;
}

std::string Trimmed(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && IsSpace(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

// A quoted string from the quote at i; i ends after the closing quote.
std::string ReadQuoted(std::string_view text, size_t& i) {
    std::string value;
    for (++i; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        value += text[i];
    }
    i = std::min(i + 1, text.size());
    return value;
}

// An unquoted value, which ends at ';' or a comment.
std::string ReadUnquoted(std::string_view text, size_t& i) {
    const size_t start = i;
    while (i < text.size() && text[i] != ';' && text[i] != '(')
        ++i;
    return Trimmed(text.substr(start, i - start));
}

size_t NextSemicolon(std::string_view text, size_t i) {
    while (i < text.size() && text[i] != ';')
        i = text[i] == '(' ? SkipComment(text, i) : i + 1;
    return i;
}

std::string PercentDecoded(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The section number of an RFC 2231 name's part after '*' ("", "0", "1*"),
// or -1 when it is none.
int SectionNumber(std::string_view suffix) {
    if (!suffix.empty() && suffix.back() == '*')
        suffix.remove_suffix(1);
    int number = 0;
    for (char c : suffix) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || number > kMaxSection)
            return -1;
        number = number * 10 + (c - '0');
    }
    return number > kMaxSection ? -1 : number;
}

// Header text outside encoded words is mostly ASCII, which needs no guess.
void AppendRaw(std::string& out, std::string_view raw) {
    for (char c : raw) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\x1B') {
            out += ToShiftJis(raw, "");
            return;
        }
    }
    out += raw;
}

} // namespace

std::string DecodeHeaderText(std::string_view text) {
    std::string out;
    std::string pendingBytes, pendingCharset;
    const auto flush = [&] {
        out += ToShiftJis(pendingBytes, pendingCharset);
        pendingBytes.clear();
    };
    bool afterWord = false;
    size_t rawStart = 0, search = 0;
    for (size_t at = text.find("=?"); at != std::string_view::npos; at = text.find("=?", search)) {
        std::optional<EncodedWord> word = ReadEncodedWord(text, at);
        if (!word) {
            search = at + 1;
            continue;
        }
        const std::string_view raw = text.substr(rawStart, at - rawStart);
        if (!(afterWord && IsAllSpace(raw))) {
            flush();
            AppendRaw(out, raw);
        }
        if (word->charset != pendingCharset)
            flush();
        pendingCharset = word->charset;
        pendingBytes += word->bytes;
        afterWord = true;
        rawStart = search = word->end;
    }
    flush();
    AppendRaw(out, text.substr(rawStart));
    return out;
}

ContentField::ContentField(std::string_view value) {
    size_t i = SkipBlanksAndComments(value, 0);
    while (i < value.size() && value[i] != ';') {
        if (IsSpace(value[i]) || value[i] == '(')
            i = SkipBlanksAndComments(value, i);
        else
            value_ += static_cast<char>(std::tolower(static_cast<unsigned char>(value[i++])));
    }
    while (i < value.size()) {
        i = SkipBlanksAndComments(value, i + 1); // past ';'
        const size_t nameStart = i;
        while (i < value.size() && value[i] != '=' && value[i] != ';')
            ++i;
        std::string name = AsciiLowerCase(Trimmed(value.substr(nameStart, i - nameStart)));
        std::string parameterValue;
        if (i < value.size() && value[i] == '=') {
            i = SkipBlanksAndComments(value, i + 1);
            parameterValue =
                i < value.size() && value[i] == '"' ? ReadQuoted(value, i) : ReadUnquoted(value, i);
        }
        i = NextSemicolon(value, i);
        if (!name.empty())
            AddParameter(std::move(name), std::move(parameterValue));
    }
}

void ContentField::AddParameter(std::string name, std::string value) {
    const size_t star = name.find('*');
    if (star == std::string::npos) {
        parameters_[name].plain = std::move(value);
        return;
    }
    const std::string suffix = name.substr(star + 1);
    const int section = SectionNumber(suffix);
    if (section < 0)
        return;
    ParameterParts& parts = parameters_[name.substr(0, star)];
    const bool encoded = suffix.empty() || suffix.back() == '*';
    if (encoded && section == 0) {
        const size_t charsetEnd = value.find('\'');
        const size_t languageEnd =
            charsetEnd == std::string::npos ? charsetEnd : value.find('\'', charsetEnd + 1);
        if (languageEnd != std::string::npos) {
            parts.charset = value.substr(0, charsetEnd);
            value.erase(0, languageEnd + 1);
        }
    }
    parts.sections[section] = encoded ? PercentDecoded(value) : value;
}

std::string ContentField::Parameter(const std::string& name) const {
    const auto found = parameters_.find(name);
    if (found == parameters_.end())
        return "";
    if (found->second.sections.empty())
        return found->second.plain;
    std::string joined;
    for (const auto& section : found->second.sections)
        joined += section.second;
    return joined;
}

std::string ContentField::ParameterText(const std::string& name) const {
    const auto found = parameters_.find(name);
    if (found == parameters_.end())
        return "";
    if (found->second.sections.empty())
        return DecodeHeaderText(found->second.plain);
    return ToShiftJis(Parameter(name), found->second.charset);
}
