#include "catalogue/shift_jis.h"

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
    const std::string broken = "a\x83";
    EXPECT_EQ(CharacterCount(broken), 2u);
    EXPECT_EQ(AsciiUpperCase(broken), "A\x83");
    EXPECT_EQ(ReplaceAllWhole(broken, "\x83", "x"), "ax");
}

} // namespace
