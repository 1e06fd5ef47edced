#include "text/shift_jis.h"

#include <gtest/gtest.h>

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

TEST(ShiftJis, CharacterCountingSurvivesALoneLeadByteAtTheEnd) {
    EXPECT_EQ(CharacterCount("a表b"), 3u);
    EXPECT_EQ(ByteOffsetOfCharacter("a表b", 2), 3u);
    EXPECT_EQ(ByteOffsetOfCharacter("a表b", 9), 4u);
    EXPECT_EQ(FindLastWhole("a表b", ""), 4u);
    const std::string broken = "a\x83";
    EXPECT_EQ(CharacterCount(broken), 2u);
    EXPECT_EQ(AsciiUpperCase(broken), "A\x83");
    EXPECT_EQ(ReplaceAllWhole(broken, "\x83", "x"), "ax");
    EXPECT_EQ(FindLastWhole(broken, "\x83"), 1u);
    EXPECT_EQ(FindLastWhole(broken, ""), 2u);
}

// Lead bytes from 0xE0 on: 濬 (E0 5C) and 軆 (E7 5C) are JIS level-2 kanji,
// 犾 (FB 5C), 髙 (FB FC) and 﨑 (FA B1) extensions; each of the first three ends in the
// byte of a backslash, and 漓 (E0 41)'s trail byte looks like "A"; 濬濬 after a
// backslash hides two more.
TEST(ShiftJis, LeadBytesFrom0xE0StartDoubleByteCharacters) {
    struct Case {
        std::string text;
        size_t characters;
        size_t lastBackslash;
        std::string slashed;
    };
    const Case cases[] = {
        {"\xE0\x5C", 1, std::string::npos, "\xE0\x5C"},
        {"\\\xE0\\\xE0\\", 3, 0, "/\xE0\\\xE0\\"},
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
