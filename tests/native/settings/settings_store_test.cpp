#include "fakes/fake_file_system.h"
#include "platform/plugin_error.h"
#include "settings/profile_document.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::string kIni = "C:\\AL\\acc\\tarnwick.ini";

// The key names of one section in file order.
std::vector<std::string> KeysOf(const std::string& file, const std::string& section) {
    std::vector<std::string> keys;
    std::istringstream lines(file);
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inSection = line == "[" + section + "]";
            continue;
        }
        const size_t equals = line.find('=');
        if (inSection && equals != std::string::npos)
            keys.push_back(line.substr(0, equals));
    }
    return keys;
}

std::string ValueIn(const std::string& file, const std::string& section, const std::string& key) {
    return ProfileDocument(file).Read(section, key, "<absent>");
}

class SettingsStoreTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    SettingsStore store{files};

    void SetUp() override { store.IniFileName = kIni; }

    void Load(const std::string& content) {
        files.Files[kIni] = content;
        store.LoadSettings(kIni);
    }
    const std::string& File() { return files.Files[kIni]; }
};

TEST_F(SettingsStoreTest, CreationWritesEveryDefaultInOrder) {
    store.CreateDefaultSettings(kIni);
    const std::string& file = File();
    EXPECT_EQ(KeysOf(file, "General"),
              (std::vector<std::string>{"IndexingMenuCaption", "SearchMenuCaption"}));
    EXPECT_EQ(
        KeysOf(file, "Mknmz"),
        (std::vector<std::string>{"When", "Ask", "ShowWindow", "InDosPromptWindow", "Minimize",
                                  "CloseOnFinish", "IntervalCountMail", "NowCountMail",
                                  "UsePreviousTarget", "TargetFolderCount", "UseTempDirectory"}));
    EXPECT_EQ(KeysOf(file, "Search"),
              (std::vector<std::string>{"UsePreviousTarget", "FormulaHistryCount", "Sort",
                                        "SortDirection", "ShowContents", "ListCount",
                                        "TargetFolderCount"}));
    EXPECT_EQ(
        KeysOf(file, "Result"),
        (std::vector<std::string>{"SearchOnChangeSettings", "RenameToFolderName", "CloseOnMailView",
                                  "ConfirmCommandLine", "FontNameResult", "FontSizeResult",
                                  "FontBoldResult", "FontNameMail", "FontSizeMail", "FontBoldMail",
                                  "Color", "SaveWindowPos", "SaveWindowSize"}));
    EXPECT_EQ(KeysOf(file, "Command"),
              (std::vector<std::string>{"namazuPath", "mknmzPath", "PerlPath", "namazuOption",
                                        "mknmzOption", "NamazuVersion"}));
    EXPECT_EQ(KeysOf(file, "Alias"), (std::vector<std::string>{"Max"}));

    EXPECT_EQ(ValueIn(file, "General", "IndexingMenuCaption"), "Namazuインデックス更新(&K)...");
    EXPECT_EQ(ValueIn(file, "Mknmz", "UsePreviousTarget"), "1");
    EXPECT_EQ(ValueIn(file, "Search", "UsePreviousTarget"), "0");
    EXPECT_EQ(ValueIn(file, "Result", "FontNameMail"), "ＭＳ ゴシック");
    EXPECT_EQ(ValueIn(file, "Command", "PerlPath"), "c:\\Perl\\Bin\\Perl.exe");
    EXPECT_EQ(ValueIn(file, "Command", "NamazuVersion"), "2.0");
    EXPECT_EQ(ValueIn(file, "Mknmz", "LastDate"), "<absent>");
}

TEST_F(SettingsStoreTest, MissingKeysTakeTheirLoadDefaultsWhereTheyDifferFromCreation) {
    Load("");
    const TSettings& s = store.Settings;
    EXPECT_EQ(s.MknmzUsePreviousTarget, "0");
    EXPECT_EQ(s.PerlPath, "c:\\Perl\\bin\\perl.exe");
    EXPECT_EQ(s.mknmzOption, "-kh -KP");
    EXPECT_EQ(s.namazuOption, "");
    EXPECT_EQ(s.NamazuVersion, "1.3");
    EXPECT_EQ(s.LastDate, "???");
    EXPECT_EQ(s.FontNameResult, "ＭＳ Ｐゴシック");
    EXPECT_EQ(s.History.size(), 10u);
}

TEST_F(SettingsStoreTest, FreshFileLoadsTheCreationValues) {
    store.EnsureSettingsFile();
    const TSettings& s = store.Settings;
    EXPECT_EQ(s.mknmzOption, "--use-kakasi --mailnews -EK --allow=\".*\\.alm\"");
    EXPECT_EQ(s.namazuOption, "--config=\"namazurc\"");
    EXPECT_EQ(s.MknmzUsePreviousTarget, "1");
    EXPECT_EQ(s.History, std::vector<std::string>(10));
}

TEST_F(SettingsStoreTest, CountedListsFollowTheirCounts) {
    Load("[Search]\r\nTargetFolderCount=3\r\nFolder1=0:郵便受け\r\nFormulaHistryCount=abc\r\n"
         "[Mknmz]\r\nTargetFolderCount=-2\r\nFolder1=x\r\n");
    EXPECT_EQ(store.Settings.SearchFolders, (std::vector<std::string>{"0:郵便受け", "", ""}));
    EXPECT_TRUE(store.Settings.History.empty());
    EXPECT_TRUE(store.Settings.MknmzFolders.empty());
}

// A count in the file builds no more than the keys that are really there.
TEST_F(SettingsStoreTest, HugeCountsCostOnlyTheKeysPresent) {
    const std::string history = "\x5b\x53\x65\x61\x72\x63\x68\x5d\x0d\x0a\x46\x6f\x72\x6d"
                                "\x75\x6c\x61\x48\x69\x73\x74\x72\x79\x43\x6f\x75\x6e\x74"
                                "\x3d\x32\x31\x34\x37\x34\x38\x33\x36\x34\x37\x0d\x0a";
    Load(history + "History3=x\r\nHistory70=y\r\nHistory2000000000=z\r\n"
                   "TargetFolderCount=20000000\r\n"
                   "[Alias]\r\nMax=2147483647\r\nName2=b\r\nDirCount1=100000000\r\n"
                   "Dir1-2=p\r\nDir1-99999999=q\r\nDir1-0=no\r\nDir1-07=no\r\n");
    const TSettings& s = store.Settings;
    ASSERT_EQ(s.History.size(), 70u);
    EXPECT_EQ(s.History[2], "x");
    EXPECT_EQ(s.History[69], "y");
    EXPECT_EQ(s.History[68], "");
    EXPECT_LE(s.SearchFolders.size(), 64u);
    ASSERT_LE(s.Aliases.size(), 64u);
    EXPECT_EQ(s.Aliases[1].Name, "b");
    EXPECT_EQ(s.Aliases[0].Dirs, "p\rq\r");

    store.SaveSettings(kIni);
    store.SaveAliases();
    EXPECT_LT(File().size(), 8000u);
    EXPECT_EQ(ValueIn(File(), "Search", "FormulaHistryCount"), "2147483647");
    EXPECT_EQ(ValueIn(File(), "Search", "History70"), "y");
    EXPECT_EQ(ValueIn(File(), "Search", "History2000000000"), "z");
    EXPECT_EQ(ValueIn(File(), "Alias", "Dir1-2"), "q");
}

TEST_F(SettingsStoreTest, GenerationOneThreeIsWrittenBackOnlyWhenItIsTheValue) {
    Load("[General]\r\nSearchMenuCaption=x\r\n");
    EXPECT_EQ(ValueIn(File(), "Command", "NamazuVersion"), "1.3");

    Load("[Command]\r\nNamazuVersion=2.0\r\n");
    const int writes = files.Writes;
    store.LoadSettings(kIni);
    EXPECT_EQ(files.Writes, writes);
}

TEST_F(SettingsStoreTest, AliasDirectoriesRoundTripThroughCarriageReturns) {
    Load("[Command]\r\nNamazuVersion=2.0\r\n[Alias]\r\nMax=2\r\nName1=仕事\r\nDirCount1=2\r\n"
         "Dir1-1=a\r\nDir1-2=b\r\nName2=empty\r\nDirCount2=zz\r\n");
    ASSERT_EQ(store.Settings.Aliases.size(), 2u);
    EXPECT_EQ(store.Settings.Aliases[0].Name, "仕事");
    EXPECT_EQ(store.Settings.Aliases[0].Dirs, "a\rb\r");
    EXPECT_EQ(store.Settings.Aliases[1].Dirs, "");

    files.Files[kIni] = "";
    store.SaveAliases();
    EXPECT_EQ(KeysOf(File(), "Alias"),
              (std::vector<std::string>{"Max", "Name1", "DirCount1", "Dir1-1", "Dir1-2", "Name2",
                                        "DirCount2"}));
    EXPECT_EQ(ValueIn(File(), "Alias", "DirCount2"), "0");
}

TEST_F(SettingsStoreTest, AliasLinesEndAtAnyLineBreak) {
    Load("");
    store.Settings.AliasMax = "1";
    store.Settings.Aliases = {{"n", "a\r\nb\nc\rd", false}};
    store.SaveAliases();
    EXPECT_EQ(ValueIn(File(), "Alias", "DirCount1"), "4");
    EXPECT_EQ(ValueIn(File(), "Alias", "Dir1-4"), "d");
}

TEST_F(SettingsStoreTest, SelectionMarksSurviveAReloadOfTheSameAliases) {
    Load("[Alias]\r\nMax=1\r\nName1=a\r\n");
    store.Settings.Aliases[0].Selected = true;
    Load("[Alias]\r\nMax=2\r\nName1=a\r\nName2=b\r\n");
    EXPECT_TRUE(store.Settings.Aliases[0].Selected);
    EXPECT_FALSE(store.Settings.Aliases[1].Selected);
}

TEST_F(SettingsStoreTest, ShrunkListsLeaveTheirOldKeysUnread) {
    Load("[Search]\r\nTargetFolderCount=5\r\nFolder1=0:a\r\nFolder2=1:b\r\nFolder3=2:c\r\n"
         "Folder4=3:d\r\nFolder5=4:e\r\n");
    store.Settings.SearchFolders.resize(2);
    store.Settings.SearchTargetFolderCount = "2";
    store.SaveSettings(kIni);
    EXPECT_EQ(ValueIn(File(), "Search", "Folder5"), "4:e");
    store.LoadSettings(kIni);
    EXPECT_EQ(store.Settings.SearchFolders.size(), 2u);
}

TEST_F(SettingsStoreTest, SaveWritesTheRecordInItsOrderAndKeepsUnknownKeys) {
    Load("[Mine]\r\nKeep=this\r\n[Mknmz]\r\nIndexDir=D:\\idx\\\r\nExtra=1\r\n");
    store.Settings.MknmzTargetFolderCount = "1";
    store.Settings.MknmzFolders = {"2:仕事"};
    store.Settings.IndexDir = "changed";
    store.SaveSettings(kIni);
    const std::string& file = File();
    EXPECT_EQ(ValueIn(file, "Mine", "Keep"), "this");
    EXPECT_EQ(ValueIn(file, "Mknmz", "IndexDir"), "D:\\idx\\");
    const std::vector<std::string> mknmz = KeysOf(file, "Mknmz");
    const std::vector<std::string> expected{"IndexDir",
                                            "Extra",
                                            "When",
                                            "ShowWindow",
                                            "Ask",
                                            "InDosPromptWindow",
                                            "Minimize",
                                            "CloseOnFinish",
                                            "IntervalCountMail",
                                            "NowCountMail",
                                            "UsePreviousTarget",
                                            "TargetFolderCount",
                                            "LastDate",
                                            "Folder1",
                                            "UseTempDirectory"};
    EXPECT_EQ(mknmz, expected);
    EXPECT_EQ(KeysOf(file, "Alias"), std::vector<std::string>{});
}

TEST_F(SettingsStoreTest, SaveWritesTheOtherSectionsInTheirOrder) {
    Load("");
    store.Settings.SearchTargetFolderCount = "1";
    store.Settings.SearchFolders = {"0:受信箱"};
    store.Settings.FormulaHistryCount = "1";
    store.Settings.History = {"namazu"};
    files.Files[kIni] = "";
    store.SaveSettings(kIni);
    const std::string& file = File();
    EXPECT_EQ(KeysOf(file, "General"),
              (std::vector<std::string>{"IndexingMenuCaption", "SearchMenuCaption"}));
    EXPECT_EQ(KeysOf(file, "Search"),
              (std::vector<std::string>{"TargetFolderCount", "Folder1", "Alias",
                                        "FormulaHistryCount", "History1", "Sort", "SortDirection",
                                        "ShowContents", "ListCount"}));
    EXPECT_EQ(KeysOf(file, "Result"),
              (std::vector<std::string>{
                  "SearchOnChangeSettings", "RenameToFolderName", "CloseOnMailView",
                  "ConfirmCommandLine", "FontNameResult", "FontSizeResult", "FontBoldResult",
                  "FontNameMail", "FontSizeMail", "FontBoldMail", "Color", "SaveWindowPos",
                  "SaveWindowSize", "WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"}));
    EXPECT_EQ(KeysOf(file, "Command"),
              (std::vector<std::string>{"namazuPath", "mknmzPath", "PerlPath", "namazuOption",
                                        "mknmzOption", "NamazuVersion"}));
}

TEST_F(SettingsStoreTest, SavingWhatWasLoadedChangesNoByte) {
    store.EnsureSettingsFile();
    store.SaveSettings(kIni);
    const std::string saved = File();
    const int writes = files.Writes;
    store.LoadSettings(kIni);
    store.SaveSettings(kIni);
    EXPECT_EQ(File(), saved);
    EXPECT_EQ(files.Writes, writes);
}

TEST_F(SettingsStoreTest, MailCounterWriteTouchesOnlyTheCounter) {
    store.EnsureSettingsFile();
    const std::string before = File();
    store.Settings.NowCountMail = "7";
    store.Settings.When = "CleanUp";
    store.WriteMailCounter();
    ProfileDocument expected(before);
    expected.Write("Mknmz", "NowCountMail", "7");
    EXPECT_EQ(File(), expected.Serialize());
}

TEST_F(SettingsStoreTest, RefusedWritesLeaveTheFileWholeAndSayWhichFile) {
    store.EnsureSettingsFile();
    const std::string before = File();
    store.Settings.When = "StartUp";

    files.ReadOnly.insert(kIni);
    try {
        store.SaveSettings(kIni);
        FAIL() << "a refused write must be reported";
    } catch (const PluginError& error) {
        EXPECT_EQ(std::string(error.what()), kIni + " に書き込めません");
    }
    EXPECT_EQ(File(), before);
    EXPECT_EQ(store.Settings.When, "StartUp");

    // A file that exists but cannot be read is never written over, even
    // where the system would accept the write.
    files.ReadOnly.clear();
    files.Unreadable.insert(kIni);
    EXPECT_THROW(store.WriteMailCounter(), PluginError);
    EXPECT_EQ(File(), before);
}

} // namespace
