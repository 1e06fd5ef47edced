#include "fakes/fake_file_system.h"
#include "fakes/fake_host.h"
#include "fakes/fake_plugin_windows.h"
#include "fakes/fake_user_interface.h"
#include "platform/failure_shield.h"
#include "plugin/plugin_core.h"
#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kAccount = "C:\\AL\\acc\\";
const std::string kIni = kAccount + "tarnwick.ini";

class PluginCoreTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeHostApi host;
    FakeHostMenu menu;
    FakeUserInterface ui;
    FakePluginWindows windows;
    PluginState state{files, host};
    PluginCore core{state, host, menu, ui, windows};
    WindowHandle window = reinterpret_cast<WindowHandle>(0x1234);

    void SetUp() override { host.Accounts[window] = kAccount; }

    void WriteSettings(const std::string& mknmzSection) {
        files.Files[kIni] = "[Command]\r\nNamazuVersion=2.0\r\n[Mknmz]\r\n" + mknmzSection;
    }
    std::string Stored(const std::string& section, const std::string& key) {
        return ProfileDocument(files.Files[kIni]).Read(section, key, "<absent>");
    }
    int Opened(const std::string& name) {
        return static_cast<int>(std::count(windows.Opened.begin(), windows.Opened.end(), name));
    }
};

TEST_F(PluginCoreTest, StartUpReportsAFailedBindingAndStillBecomesReady) {
    EXPECT_EQ(core.StartUp(), -1);
    EXPECT_TRUE(ui.Boxes.empty());
    EXPECT_EQ(state.RunState, "Yet");

    host.BindSucceeds = false;
    state.RunState.clear();
    EXPECT_EQ(core.StartUp(), 0);
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "error");
    EXPECT_EQ(ui.Boxes[0].Owner, nullptr);
    EXPECT_EQ(ui.Boxes[0].Caption, "プラグインエラー");
    EXPECT_EQ(ui.Boxes[0].Text, "プラグイン「tarnwick for Namazu」でエラーが発生しました。\r\n"
                                "AL-Mail32とプラグインのバージョンを確認してください");
    EXPECT_EQ(state.RunState, "Yet");
}

TEST_F(PluginCoreTest, FolderCreateMakesTheSettingsFileWhenMissing) {
    core.FolderCreate(window);
    EXPECT_EQ(state.Store.IniFileName, kIni);
    EXPECT_EQ(Stored("Command", "NamazuVersion"), "2.0");
    EXPECT_EQ(state.Store.Settings.SearchMenuCaption, "Namazu検索(&F)...");
}

TEST_F(PluginCoreTest, MenuCommandsGoToTheFourthPullDownOnlyForTheFolderMenu) {
    core.FolderCreate(window);
    core.FolderInitMenu(menu.Bar(), 100);
    EXPECT_TRUE(menu.PullDowns[3].empty());
    EXPECT_TRUE(host.Registered.empty());

    core.FolderInitMenu(menu.Bar(), 101);
    EXPECT_EQ(menu.PullDowns[3], (std::vector<std::string>{"-", "Namazuインデックス更新(&K)...",
                                                           "Namazu検索(&F)..."}));
    EXPECT_EQ(host.Registered,
              (std::vector<MenuCommand>{MenuCommand::Indexing, MenuCommand::Search}));
    EXPECT_EQ(menu.ItemsById[40002], "Namazu検索(&F)...");

    core.FolderInitMenu(menu.Bar(), 101);
    EXPECT_EQ(host.Registered.size(), 4u);

    FakeHostMenu shortBar(2);
    core.FolderInitMenu(shortBar.Bar(), 101);
    EXPECT_TRUE(shortBar.PullDowns[1].empty());
}

TEST_F(PluginCoreTest, StartUpTimingOffersTheUpdateOnceAfterStartUp) {
    WriteSettings("When=StartUp\r\nIntervalCountMail=50\r\nNowCountMail=50\r\n");
    core.StartUp();
    core.FolderCreate(window);
    EXPECT_EQ(Opened("index"), 1);
    EXPECT_EQ(menu.Raised, std::vector<WindowHandle>{window});
    EXPECT_EQ(state.RunState, "Finished");

    core.FolderCreate(window);
    core.FolderClose(window);
    EXPECT_EQ(Opened("index"), 1);

    core.StartUp();
    core.FolderCreate(window);
    EXPECT_EQ(Opened("index"), 2);
}

TEST_F(PluginCoreTest, AutomaticUpdateNeedsTheCounterToReachTheInterval) {
    struct Case {
        const char* Interval;
        const char* Count;
        bool Due;
    };
    const Case cases[] = {{"50", "49", false}, {"0", "0", true},   {"abc", "0", true},
                          {"50", "x", false},  {"-1", "-1", true}, {"10", "11", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Interval) + " / " + c.Count);
        windows.Opened.clear();
        WriteSettings(std::string("When=StartUp\r\nIntervalCountMail=") + c.Interval +
                      "\r\nNowCountMail=" + c.Count + "\r\n");
        core.StartUp();
        core.FolderCreate(window);
        EXPECT_EQ(Opened("index"), c.Due ? 1 : 0);
    }
}

TEST_F(PluginCoreTest, CleanUpTimingOffersTheUpdateAtEveryFolderClose) {
    WriteSettings("When=CleanUp\r\nIntervalCountMail=2\r\nNowCountMail=2\r\n");
    core.StartUp();
    core.FolderCreate(window);
    EXPECT_EQ(Opened("index"), 0);
    core.FolderClose(window);
    core.FolderClose(window);
    EXPECT_EQ(Opened("index"), 2);
    EXPECT_EQ(state.RunState, "Finished");
}

TEST_F(PluginCoreTest, OtherTimingsNeverOfferTheUpdate) {
    for (const char* when : {"UserOperation", "startup", "cleanup", ""}) {
        SCOPED_TRACE(when);
        WriteSettings(std::string("When=") + when + "\r\nIntervalCountMail=0\r\n");
        core.StartUp();
        core.FolderCreate(window);
        core.FolderClose(window);
        EXPECT_EQ(Opened("index"), 0);
    }
}

TEST_F(PluginCoreTest, ReceivedMailCountsInTheAccountOfItsInbox) {
    WriteSettings("NowCountMail=4\r\nWhen=CleanUp\r\n");
    const std::string before = files.Files[kIni];
    EXPECT_EQ(core.RecFilter(kAccount + "Inbox.box\\123.alm"), 0);
    EXPECT_EQ(state.Store.IniFileName, kIni);
    ProfileDocument expected(before);
    expected.Write("Mknmz", "NowCountMail", "5");
    EXPECT_EQ(files.Files[kIni], expected.Serialize());
    EXPECT_EQ(state.RunState, "");
    EXPECT_TRUE(windows.Opened.empty());
}

TEST_F(PluginCoreTest, ReceivedMailCounterCountsFromItsIntegerValue) {
    struct Case {
        const char* Stored;
        const char* Counted;
    };
    const Case cases[] = {{"0", "1"},
                          {"abc", "1"},
                          {"", "1"},
                          {"-3", "-2"},
                          {"2147483646", "2147483647"},
                          {"2147483647", "2147483647"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stored);
        WriteSettings(std::string("NowCountMail=") + c.Stored + "\r\n");
        core.RecFilter(kAccount + "Inbox.box\\1.alm");
        EXPECT_EQ(Stored("Mknmz", "NowCountMail"), c.Counted);
    }
}

TEST_F(PluginCoreTest, ReceivedMailFindsTheLastInboxAndCreatesMissingFiles) {
    core.RecFilter("C:\\x\\Inbox.box\\acc\\Inbox.box\\1.alm");
    EXPECT_EQ(state.Store.IniFileName, "C:\\x\\Inbox.box\\acc\\tarnwick.ini");
    EXPECT_EQ(
        ProfileDocument(files.Files[state.Store.IniFileName]).Read("Mknmz", "NowCountMail", ""),
        "1");
    EXPECT_EQ(state.Store.Settings.mknmzOption, "--use-kakasi --mailnews -EK --allow=\".*\\.alm\"");
}

TEST_F(PluginCoreTest, ReceivedMailElsewhereUsesTheBareFileName) {
    for (const std::string path :
         {"C:\\AL\\acc\\inbox.box\\1.alm", "C:\\AL\\acc\\user001.box\\1.alm",
          // 表 ends in the byte of a backslash: no separator there.
          "C:\\予定表Inbox.box\\1.alm"}) {
        SCOPED_TRACE(path);
        core.RecFilter(path);
        EXPECT_EQ(state.Store.IniFileName, "tarnwick.ini");
    }
}

TEST_F(PluginCoreTest, ARefusedCounterWriteIsShownAndNothingIsLost) {
    WriteSettings("NowCountMail=4\r\n");
    const std::string before = files.Files[kIni];
    files.ReadOnly.insert(kIni);
    EXPECT_EQ(Shielded(
                  ui, [&] { return core.RecFilter(kAccount + "Inbox.box\\1.alm"); }, -1),
              -1);
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "message");
    EXPECT_EQ(ui.Boxes[0].Text, kIni + " に書き込めません");
    EXPECT_EQ(files.Files[kIni], before);
}

TEST_F(PluginCoreTest, AnAccountWhereNothingCanBeWrittenIsReportedAtEveryEntryPoint) {
    files.ReadOnly.insert(kIni);
    Shielded(ui, [&] { core.FolderCreate(window); });
    Shielded(ui, [&] { core.FolderClose(window); });
    Shielded(ui, [&] { core.RecFilter(kAccount + "Inbox.box\\1.alm"); });
    ASSERT_EQ(ui.Boxes.size(), 3u);
    for (const FakeUserInterface::Box& box : ui.Boxes)
        EXPECT_EQ(box.Text, kIni + " に書き込めません");
    EXPECT_TRUE(files.Files.empty());
    EXPECT_TRUE(windows.Opened.empty());
}

TEST_F(PluginCoreTest, FolderEndRetrieveOnlyNamesTheSettingsFile) {
    core.FolderEndRetrieve(window);
    EXPECT_EQ(state.Store.IniFileName, kIni);
    EXPECT_TRUE(files.Files.empty());
}

TEST_F(PluginCoreTest, IndexCommandIsRefusedWhileAnUpdateRuns) {
    windows.OnIndexDialog = [&] {
        state.IndexingRunning = true;
        core.IndexingMenuProc(window);
        state.IndexingRunning = false;
    };
    core.IndexingMenuProc(window);
    EXPECT_EQ(Opened("index"), 1);
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "error");
    EXPECT_EQ(ui.Boxes[0].Owner, window);
    EXPECT_EQ(ui.Boxes[0].Caption, "エラー");
    EXPECT_EQ(ui.Boxes[0].Text, "現在インデックス作成中です。");
}

TEST_F(PluginCoreTest, SearchCommandOpensTheResultWindowOnlyForASearch) {
    state.SearchFormula = "old";
    state.SearchTargets = {1, 2};
    windows.SearchResult = SearchDialogEnd::Cancel;
    EXPECT_EQ(core.SearchMenuProc(window), 1);
    EXPECT_EQ(windows.Opened, std::vector<std::string>{"search"});
    EXPECT_TRUE(state.SearchFormula.empty());
    EXPECT_TRUE(state.SearchTargets.empty());

    windows.SearchResult = SearchDialogEnd::Search;
    EXPECT_EQ(core.SearchMenuProc(window), 2);
    EXPECT_EQ(windows.Opened, (std::vector<std::string>{"search", "search", "result"}));
}

TEST_F(PluginCoreTest, SetupAndVersionOpenTheirWindows) {
    core.Setup(window);
    core.VersionInfo(window);
    EXPECT_EQ(windows.Opened, (std::vector<std::string>{"settings", "about"}));
}

} // namespace
