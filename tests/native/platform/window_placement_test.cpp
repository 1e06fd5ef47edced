#include "platform/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacementTest, CentresOnOwnerTruncatingHalvesTowardZero) {
    const WindowRect dialog{0, 0, 301, 200};
    EXPECT_EQ(CentreOnOwner(dialog, {100, 50, 800, 600}).Left, 100 + 499 / 2);
    EXPECT_EQ(CentreOnOwner(dialog, {100, 50, 800, 600}).Top, 50 + 200);
    // A smaller owner gives a negative half: -101 / 2 is -50, not -51.
    const WindowRect small = CentreOnOwner(dialog, {0, 0, 200, 100});
    EXPECT_EQ(small.Left, -50);
    EXPECT_EQ(small.Top, -50);
    EXPECT_EQ(small.Width, 301);
    EXPECT_EQ(small.Height, 200);
}

TEST(WindowPlacementTest, KeepsTheWindowOnTheScreen) {
    struct Case {
        WindowRect Window;
        int Left;
        int Top;
    };
    const Case cases[] = {
        {{10, 20, 300, 200}, 10, 20},       // already inside
        {{-40, -5, 300, 200}, 0, 0},        // negative coordinates
        {{900, 700, 300, 200}, 724, 568},   // past the right and bottom edges
        {{-10, 100, 1100, 900}, -76, -132}, // larger than the screen: right and bottom win
        {{724, 568, 300, 200}, 724, 568},   // exactly at the edges
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Window.Left << "," << c.Window.Top);
        const WindowRect placed = KeepOnScreen(c.Window, 1024, 768);
        EXPECT_EQ(placed.Left, c.Left);
        EXPECT_EQ(placed.Top, c.Top);
    }
}
