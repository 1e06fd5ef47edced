#include "text/shift_jis.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// ア is 0x83 0x41 ("A" as trail byte), ブ is 0x83 0x75 ("u"), 表 is 0x95 0x5C ("\").
TEST(ShiftJis, LetterCaseChangesLeaveTrailBytesAlone) {
    EXPECT_EQ(AsciiLowerCase("C:\\AL\\アブ表\\X"), "c:\\al\\アブ表\\x");
    EXPECT_EQ(AsciiUpperCase("c:\\al\\アブ表\\x"), "C:\\AL\\アブ表\\X");
    EXPECT_TRUE(EqualsIgnoringAsciiCase("C:\\AL\\ア\\", "c:\\al\\ア\\"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("ア", "\x83"
                                               "a"));
}

TEST(ShiftJis, ReplacementAndSearchMatchOnlyWholeCharacters) {
    EXPECT_EQ(ReplaceAllWhole("予定表\\x\\", "\\", "/"), "予定表/x/");
    EXPECT_EQ(ReplaceAllWhole("\\ブser\\user\\", "user", "b"), "\\ブser\\b\\");
    EXPECT_EQ(FindWhole("表\\", "\\"), 2u);
    EXPECT_EQ(FindWhole("表", "\\"), std::string::npos);
    EXPECT_FALSE(EndsWithCharacter("c:\\予定表", '\\'));
    EXPECT_TRUE(EndsWithCharacter("c:\\予定表\\", '\\'));
}

// A title in broken Shift-JIS can hold a marker many times, each copy
// starting on the trail byte of a lone lead byte.
TEST(ShiftJis, LastWholeOccurrencePassesOverCopiesThatStartOnTrailBytes) {
    const size_t none = std::string::npos;
    const std::tuple<std::string, std::string, size_t> cases[] = {
        {"a (s:\x81 (s:\x81 (s:", " (s:", 1},
        {"\x81 (s:\x81 (s:", " (s:", none},
        {"表\\表", "\\", 2},
        {"\x83\x83\x83", "\x83", 2},
        {"a\x83", "", 2},
        {"a表", "", 3},
        {"", "", 0},
        {"表", "表表", none},
    };
    for (const auto& [text, part, last] : cases) {
        SCOPED_TRACE(text + "|" + part);
        EXPECT_EQ(FindLastWhole(text, part), last);
    }
}

TEST(ShiftJis, CharacterCountingSurvivesALoneLeadByteAtTheEnd) {
    EXPECT_EQ(CharacterCount("a表b"), 3u);
    EXPECT_EQ(ByteOffsetOfCharacter("a表b", 2), 3u);
    EXPECT_EQ(ByteOffsetOfCharacter("a表b", 9), 4u);
    const std::string broken = "a\x83";
    EXPECT_EQ(CharacterCount(broken), 2u);
    EXPECT_EQ(AsciiUpperCase(broken), "A\x83");
    EXPECT_EQ(ReplaceAllWhole(broken, "\x83", "x"), "ax");
}

// Lead bytes from 0xE0 on: 濬 (E0 5C) and 軆 (E7 5C) are JIS level-2 kanji,
// 犾 (FB 5C), 髙 (FB FC) and 﨑 (FA B1) extensions; each of the first three ends in the
// byte of a backslash, and 漓 (E0 41)'s trail byte looks like "A".
TEST(ShiftJis, LeadBytesFrom0xE0StartDoubleByteCharacters) {
    struct Case {
        std::string text;
        size_t characters;
        size_t lastBackslash;
        std::string slashed;
    };
    const Case cases[] = {
        {"\xE0\x5C", 1, std::string::npos, "\xE0\x5C"},
        {"\xE7\x5C\\", 2, 2, "\xE7\x5C/"},
        {"a\\\xFB\x5C", 3, 1, "a/\xFB\x5C"},
        {"\xFB\xFC\xFA\xB1", 2, std::string::npos, "\xFB\xFC\xFA\xB1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CharacterCount(c.text), c.characters);
        EXPECT_EQ(FindLastWhole(c.text, "\\"), c.lastBackslash);
        EXPECT_EQ(ReplaceAllWhole(c.text, "\\", "/"), c.slashed);
    }
    EXPECT_FALSE(EndsWithCharacter("c:\\\xE0\x5C", '\\'));
    EXPECT_EQ(AsciiLowerCase("\xE0\x41"
                             "B"),
              "\xE0\x41"
              "b");
}

} // namespace
