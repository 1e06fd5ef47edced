#pragma once

#include <map>
#include <string>
#include <string_view>

// Header text as Shift-JIS: RFC 2047 encoded words (B and Q, the charset
// with an optional "*language") decoded, adjacent encoded words separated
// only by white space joined without it, and the text between them, raw
// 8-bit or JIS, converted by guessing its charset. A malformed encoded word
// stays as it is.
std::string DecodeHeaderText(std::string_view text);

// A Content-Type or Content-Disposition value: the value before the first
// ';' in lower case, and the parameters, with quotes, comments and RFC 2231
// continuations ("name*0*=utf-8''...") undone.
class ContentField {
public:
    explicit ContentField(std::string_view value);

    const std::string& Value() const { return value_; }
    // The parameter as written, for names like charset and boundary.
    std::string Parameter(const std::string& name) const;
    // The parameter in Shift-JIS, for names shown to the user.
    std::string ParameterText(const std::string& name) const;

private:
    struct ParameterParts {
        std::string plain;
        // RFC 2231: the sections by number (a lone "name*" is section 0),
        // each with its percent encoding undone where it had one.
        std::map<int, std::string> sections;
        std::string charset;
    };
    void AddParameter(std::string name, std::string value);

    std::string value_;
    std::map<std::string, ParameterParts> parameters_;
};
