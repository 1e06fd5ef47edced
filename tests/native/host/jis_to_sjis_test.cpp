#include "host/jis_to_sjis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* name;
    std::string jis;
    std::string sjis;
};

// Every case also holds the host's promise: never longer than the input.
TEST(JisToSjis, ConvertsEachCharacterSet) {
    const Case cases[] = {
        {"plain ASCII", "Subject: hello\r\n", "Subject: hello\r\n"},
        {"JIS X 0208 via ESC $ B", "\x1B$B%F%9%H\x1B(B", "テスト"},
        {"JIS X 0208 via ESC $ @", "\x1B$@4A;z\x1B(B", "漢字"},
        {"row and cell edges", "\x1B$B!!!~\"!0!t&\x1B(B",
         "\x81\x40\x81\x9E\x81\x9F\x88\x9F\xEA\xA4"},
        {"odd row, cell from 0x60", "\x1B$B%`\x1B(B", "\x83\x80"},
        {"JIS X 0201 roman", "\x1B(Ja\\b~\x1B(B", "a\\b~"},
        {"half-width kana", "\x1B(I1!_\x1B(B", "\xB1\xA1\xDF"},
        {"mixed text", "Re: \x1B$B2q5D\x1B(B (\x1B(I6\x1B(B) ok", "Re: 会議 (\xB6) ok"},
        {"set kept to the end", "\x1B$B%F%9%H", "テスト"},
        {"line break inside kanji", "\x1B$B%F\r\n%9\x1B(B", "テ\r\nス"},
        {"Shift-JIS bytes pass", "\x83\x65\x83\x58", "\x83\x65\x83\x58"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string converted = JisToSjis(c.jis);
        EXPECT_EQ(converted, c.sjis);
        EXPECT_LE(converted.size(), c.jis.size());
    }
}

TEST(JisToSjis, PassesBrokenInputThroughWithoutLosingBytes) {
    const Case cases[] = {
        {"lone ESC at the end", "abc\x1B", "abc\x1B"},
        {"escape cut after two bytes", "abc\x1B$", "abc\x1B$"},
        {"unknown escape", "\x1B(Zx", "\x1B(Zx"},
        {"JIS X 0212 is not converted", "\x1B$(Dab", "\x1B$(Dab"},
        {"odd-length kanji run before ESC", "\x1B$B%F%\x1B(Bz", "テ%z"},
        {"odd-length kanji run at the end", "\x1B$B%F%", "テ%"},
        {"kana set, byte outside kana", "\x1B(Ia~\x1B(B", "a~"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string converted = JisToSjis(c.jis);
        EXPECT_EQ(converted, c.sjis);
        EXPECT_LE(converted.size(), c.jis.size());
    }
}

TEST(JisToSjis, KeepsEmbeddedNulBytes) {
    std::string jis("a\0\x1B$B%F\x1B(B", 10);
    EXPECT_EQ(JisToSjis(jis), std::string("a\0テ", 4));
}

} // namespace
