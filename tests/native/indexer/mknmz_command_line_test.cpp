#include "indexer/mknmz_command_line.h"

#include <gtest/gtest.h>

namespace {

TSettings Settings(const std::string& version, const std::string& options) {
    TSettings settings;
    settings.PerlPath = "c:\\Perl\\bin\\perl.exe";
    settings.mknmzPath = "c:\\usr\\local\\namazu\\bin\\mknmz";
    settings.mknmzOption = options;
    settings.NamazuVersion = version;
    return settings;
}

MknmzTarget User001() {
    return {"c:\\al\\acc\\user001.box\\", "C:\\AL\\acc\\Namazu\\b001", "C:\\AL\\acc\\",
            "user001.box\\", ""};
}

TEST(MknmzCommandLineTest, Namazu20RewritesTheAccountDirectoryToThePrefix) {
    const TSettings settings = Settings("2.0", "--use-kakasi --mailnews -EHK --allow=\".*\\.alm\"");
    EXPECT_EQ(MknmzCommandLine(settings, User001()),
              "\"c:\\Perl\\bin\\perl.exe\" \"c:\\usr\\local\\namazu\\bin\\mknmz\" --use-kakasi "
              "--mailnews -EHK --allow=\".*\\.alm\" --output-dir=\"C:\\AL\\acc\\Namazu\\b001\" "
              "--replace=\"s#C:/AL/acc/#account/#i\" .");
}

// A user's own include, later on the line, is the one mknmz keeps.
TEST(MknmzCommandLineTest, Namazu20IncludesTheFilterBeforeTheUsersOptions) {
    MknmzTarget target = User001();
    target.IncludeFile = "C:\\AL\\acc\\Namazu\\tarnwickmail.pl";
    EXPECT_EQ(MknmzCommandLine(Settings("2.0", "-I mine.pl"), target),
              "\"c:\\Perl\\bin\\perl.exe\" \"c:\\usr\\local\\namazu\\bin\\mknmz\" "
              "--include=\"C:\\AL\\acc\\Namazu\\tarnwickmail.pl\" -I mine.pl "
              "--output-dir=\"C:\\AL\\acc\\Namazu\\b001\" --replace=\"s#C:/AL/acc/#account/#i\" .");
    EXPECT_EQ(MknmzCommandLine(Settings("1.3", "-kh"), target).find("--include"),
              std::string::npos);
}

TEST(MknmzCommandLineTest, Namazu13NamesPrefixAndFolderWithTwoSpacesBetween) {
    EXPECT_EQ(
        MknmzCommandLine(Settings("1.3", "-kh -KP"), User001()),
        "\"c:\\Perl\\bin\\perl.exe\" \"c:\\usr\\local\\namazu\\bin\\mknmz\" -kh -KP -O "
        "\"C:\\AL\\acc\\Namazu\\b001\" \"account/user001.box/\"  \"c:\\al\\acc\\user001.box\"");
}

TEST(MknmzCommandLineTest, OnlyTheExactVersionTextSelectsNamazu13) {
    for (const char* version : {"2.0", "1.3.0.9", "1.30", " 1.3", ""}) {
        SCOPED_TRACE(version);
        EXPECT_NE(MknmzCommandLine(Settings(version, ""), User001()).find("--output-dir="),
                  std::string::npos);
    }
    EXPECT_NE(MknmzCommandLine(Settings("1.3", ""), User001()).find(" -O "), std::string::npos);
}

TEST(MknmzCommandLineTest, SlashesSkipTrailBytesOfDoubleByteCharacters) {
    // The trail byte of 表 is 0x5C; it must survive as part of the character.
    MknmzTarget target{"c:\\al\\予定表\\user002.box\\user007.box\\", "c:\\idx", "c:\\al\\予定表\\",
                       "user002.box\\user007.box\\", ""};
    EXPECT_NE(MknmzCommandLine(Settings("2.0", ""), target).find("s#c:/al/予\\定表\\/#account/#i"),
              std::string::npos);
    EXPECT_NE(MknmzCommandLine(Settings("1.3", ""), target)
                  .find("\"account/user002.box/user007.box/\"  \"c:\\al\\予定表\\user002.box\\"
                        "user007.box\""),
              std::string::npos);
}

// Perl sees bytes: the trail bytes 0x5C of ソ, 予 and 表, 0x5B of ー and 0x7C
// of ポ are pattern syntax to it as much as "(" or "." are.
TEST(MknmzCommandLineTest, AccountPatternMatchesTheAccountDirectoryLiterally) {
    struct Case {
        std::string account;
        std::string pattern;
    };
    const Case cases[] = {
        {"C:\\My Documents (old)\\ソフト\\", "C:/My Documents \\(old\\)/ソ\\フト/"},
        {"d:\\予定表\\メール.ポ\\", "d:/予\\定表\\/メ\x81\\\x5bル\\.\x83\\\x7c/"},
        {"c:\\a+b$c@d#e^f\\", "c:/a\\+b\\$c\\@d\\#e\\^f/"},
        {"c:\\[x]{2}|y?*\\", "c:/\\[x\\]\\{2\\}\\|y\\?\\*/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.account);
        const MknmzTarget target{c.account + "inbox.box\\", "c:\\idx", c.account, "inbox.box\\",
                                 ""};
        const std::string line = MknmzCommandLine(Settings("2.0", ""), target);
        EXPECT_EQ(line.substr(line.find("--replace=")),
                  "--replace=\"s#" + c.pattern + "#account/#i\" .");
    }
}

TEST(MknmzCommandLineTest, SubstitutionNamesTheFolderOnTheDrive) {
    MknmzTarget target{"c:\\a very long path\\al\\acc\\user002.box\\user007.box\\", "C:\\T\\Namazu",
                       "c:\\a very long path\\al\\acc\\", "user002.box\\user007.box\\", ""};
    EXPECT_EQ(SubstitutedMknmzCommandLine(Settings("1.3", "-kh"), target, 'E'),
              "\"c:\\Perl\\bin\\perl.exe\" \"c:\\usr\\local\\namazu\\bin\\mknmz\" -kh -t "
              "\".*\\.alm\" -O \"C:\\T\\Namazu\" \"account/user002.box/user007.box/\" "
              "\"E:\\user007.box\"");
    EXPECT_EQ(SubstCreateCommand('E', target.FolderPath),
              "COMMAND.COM /C SUBST E: c:\\a very long path\\al\\acc\\user002.box");
    EXPECT_EQ(SubstRemoveCommand('E'), "COMMAND.COM /C SUBST E: /D");
}

TEST(MknmzCommandLineTest, SubstitutionOnlyFor13OnWindows9xAndPathsOver60Bytes) {
    const std::string path60(60, 'a');
    const std::string path61(61, 'a');
    struct Case {
        const char* Version;
        const std::string& Path;
        bool Nt;
        bool Needed;
    };
    const Case cases[] = {
        {"1.3", path61, false, true},      {"1.3", path60, false, false},
        {"1.3", path61, true, false},      {"2.0", path61, false, false},
        {"1.3.0.9", path61, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Version << " " << c.Path.size() << " nt=" << c.Nt);
        EXPECT_EQ(NeedsDriveSubstitution(Settings(c.Version, ""), c.Path, c.Nt), c.Needed);
    }
}

} // namespace
