#include "result/pane_positions.h"

#include <gtest/gtest.h>

namespace {

TEST(PanePositionsTest, EveryCharacterRoundTripsAndTrailBytesBelongToTheirCharacter) {
    EXPECT_EQ(PaneLines("予\r\rb\n"), PaneLines("予\n\r\nb"));
    // 表 ends in 0x5C, ｱ is a single byte, and a lead byte ends the second
    // line without taking its CR.
    const std::vector<std::string> lines = PaneLines("a表ｱ\nx\x83\n\n予\n");
    ASSERT_EQ(PaneText(lines), "a表ｱ\r\nx\x83\r\n\r\n予");
    const PanePositions positions(lines);
    // a 表 ｱ CR x \x83 CR CR 予: one RichEdit unit each.
    const int32_t characterOfByte[] = {0, 1, 1, 2, 3, 3, 4, 5, 6, 6, 7, 7, 8, 8};
    ASSERT_EQ(positions.ByteLength(), 14);
    ASSERT_EQ(positions.CharacterLength(), 9);
    for (int32_t offset = 0; offset < 14; ++offset)
        EXPECT_EQ(positions.ToCharacter(offset), characterOfByte[offset]) << offset;
    for (int32_t c = 0; c <= 9; ++c)
        EXPECT_EQ(positions.ToCharacter(positions.ToOffset(c)), c) << c;
    EXPECT_EQ(positions.ToOffset(-3), 0);
    EXPECT_EQ(positions.ToOffset(99), 14);
    EXPECT_EQ(CharacterPositionOfLine(lines, 3), 8);
    EXPECT_EQ(CharacterPositionOfLine(lines, 7), 9);
}

} // namespace
