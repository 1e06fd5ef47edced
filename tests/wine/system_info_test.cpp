// What the index update asks of the system, as Wine answers it.
#include "platform/win32/win32_system_info.h"

#include <gtest/gtest.h>

TEST(Win32SystemInfoTest, WineIsOfTheNtFamilyAndMountsItsRootAsZ) {
    Win32SystemInfo system;
    EXPECT_TRUE(system.IsNtFamily());
    EXPECT_TRUE(system.DriveHasRoot('Z'));
    EXPECT_TRUE(system.DriveHasRoot('C'));
    // Wine maps only a few letters; the index update's search for a free one
    // must find one of the rest.
    int unmounted = 0;
    for (char letter = 'D'; letter <= 'Y'; ++letter)
        unmounted += system.DriveHasRoot(letter) ? 0 : 1;
    EXPECT_GT(unmounted, 0);
}

TEST(Win32SystemInfoTest, TemporaryDirectoryEndsInABackslash) {
    const std::string temp = Win32SystemInfo().TempDirectory();
    ASSERT_GE(temp.size(), 3u);
    EXPECT_EQ(temp[1], ':');
    EXPECT_EQ(temp.back(), '\\');
}
