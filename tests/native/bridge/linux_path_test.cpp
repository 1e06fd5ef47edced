#include "bridge/linux_path.h"

#include <gtest/gtest.h>

namespace {

TEST(IsWindowsAbsolutePath, NeedsDriveColonAndSeparator) {
    const std::pair<const char*, bool> cases[] = {
        {R"(Z:\tmp\acc\)", true},
        {"c:/al/acc/", true},
        {R"(Z:\)", true},
        {"Z:", false},
        {"Z:tmp", false},
        {"/tmp/acc", false},
        {R"(\\server\share)", false},
        {".*\\.alm", false},
        {"1:\\x", false},
        {"+b002/b007", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(c.second, IsWindowsAbsolutePath(c.first));
    }
}

TEST(PathBelowDrive, TurnsSeparatorsIntoSlashes) {
    EXPECT_EQ("tmp/acc/Namazu/b001/", PathBelowDrive(R"(Z:\tmp\acc\Namazu\b001\)"));
    EXPECT_EQ("usr/bin/mknmz", PathBelowDrive(R"(Z:\usr\bin\mknmz)"));
    EXPECT_EQ("al/acc/", PathBelowDrive("C:/al/acc/"));
    EXPECT_EQ("", PathBelowDrive(R"(Z:\)"));
}

TEST(PathBelowDrive, LeavesTrailBytesAlone) {
    EXPECT_EQ("tmp/予定表/ソフト/x", PathBelowDrive("Z:\\tmp\\予定表\\ソフト\\x"));
}

} // namespace
