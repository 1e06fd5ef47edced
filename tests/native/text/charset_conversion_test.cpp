#include "text/charset_conversion.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* charset;
    std::string input;
    std::string expected;
};

void ExpectConversions(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.charset) + ": " + c.input);
        EXPECT_EQ(ToShiftJis(c.input, c.charset), c.expected);
    }
}

TEST(CharsetConversion, Iso2022JpSetsAndBrokenPairs) {
    ExpectConversions({
        {"ISO-2022-JP", "\x1B$B$3$s$K$A$O\x1B(B abc", "こんにちは abc"},
        {"iso-2022-jp", "\x1B$@F|\x1B(J\\x", "日\\x"},
        {"csISO2022JP", "\x1B(I12\x1B(Bz", "ｱｲz"},
        // half a pair before a line break, a JIS X 0212 pair, an unknown escape
        {"ISO-2022-JP", "\x1B$BF\r\n", "〓\r\n"},
        {"ISO-2022-JP", "\x1B$(D01\x1B(Ba", "〓a"},
        {"ISO-2022-JP", "\x1B%Ga", "\x1B%Ga"},
        {"us-ascii", "\x1B$B$\"\x1B(B\x82", "あ〓"},
    });
}

TEST(CharsetConversion, ShiftJisIsValidatedAndEucJpComputed) {
    ExpectConversions({
        {"Shift_JIS", "\x97\x5C\x92\xE8\x95\x5C", "予定表"},
        {"x-sjis", "\xB1\x82 \xFF\x82", "ｱ〓 〓〓"},
        {"Windows-31J", "\x87\x40", "①"},
        {"EUC-JP", "\xC6\xFC\xCB\xDC\x8E\xB1\x8F\xB0\xA1!", "日本ｱ〓!"},
        {"euc-jp", "\xC6\x41\xA4", "〓A〓"},
    });
}

TEST(CharsetConversion, Utf8AndLatin1GoThroughTheTable) {
    ExpectConversions({
        {"UTF-8", "\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC", "日本"},
        // é and an emoji have no place in code page 932
        {"utf8", "Caf\xC3\xA9 \xF0\x9F\x98\x80", "Caf〓 〓"},
        // a cut sequence, an overlong form, a surrogate, a stray continuation
        {"UTF-8",
         "\xE3\x81"
         "A\xC0\xAF\xED\xA0\x80\x80",
         "〓A〓〓〓〓〓〓"},
        {"ISO-8859-1", "Caf\xE9 \xA7", "Caf〓 §"},
        {"latin1", "\xB1", "±"},
        {"iso_8859-1", "\xD7", "×"},
    });
}

TEST(CharsetConversion, UnknownOrMissingCharsetsAreGuessed) {
    ExpectConversions({
        {"", "\x1B$B$\"\x1B(B", "あ"},
        {"", "\xE3\x81\x82\xE3\x81\x84", "あい"},
        {"x-unknown", "\x82\xA0\x82\xA2", "あい"},
        {"", "\xA4\xA2\xA4\xA4", "あい"},
        {"", "\xB1\xB2", "渦"}, // EUC-JP rather than ｱｲ
        {"", "\xB1\x82\xA0", "ｱあ"},
        {"", "plain", "plain"},
    });
}

TEST(CharsetConversion, ScalarsTakeMicrosoftsCodes) {
    const std::pair<uint32_t, std::string> cases[] = {
        {0x3042, "\x82\xA0"}, {0xFF71, "\xB1"},     {0x2460, "\x87\x40"}, {0x7E8A, "\xED\x40"},
        {0xFFE2, "\x81\xCA"}, {0x2252, "\x81\xE0"}, {0xFF5E, "\x81\x60"}, {0x2225, "\x81\x61"},
        {0xE000, "\xF0\x40"}, {0x00A5, "〓"},       {0x1F600, "〓"},      {0xD800, "〓"},
    };
    for (const auto& [scalar, expected] : cases) {
        SCOPED_TRACE(scalar);
        std::string out;
        AppendAsShiftJis(out, scalar);
        EXPECT_EQ(out, expected);
    }
}

} // namespace
