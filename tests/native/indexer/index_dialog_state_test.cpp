#include "indexer/index_dialog_state.h"

#include "indexer/indexer_fixture.h"

namespace {

class IndexDialogStateTest : public IndexerTest {
protected:
    IndexDialogState dialog;

    IndexDialogStateTest() { dialog.SetFolders(state.Catalogue); }

    std::vector<bool> Checks() const {
        std::vector<bool> checks;
        for (int row = 0; row < dialog.RowCount(); ++row)
            checks.push_back(dialog.Checked(row));
        return checks;
    }
    void Restore(const std::vector<std::string>& entries, const std::string& count) {
        TSettings& settings = state.Store.Settings;
        settings.MknmzFolders = entries;
        settings.MknmzTargetFolderCount = count;
        dialog.RestoreTargets(settings);
    }
};

TEST_F(IndexDialogStateTest, RowsIndentOneIdeographicSpacePerLevel) {
    EXPECT_EQ(dialog.RowTexts(),
              (std::vector<std::string>{"郵便受け", "仕事", "趣味", "\x81\x40旅行", "予定表"}));
    TFolderInfo deep;
    deep.Title = "x";
    deep.Level = 3;
    EXPECT_EQ(FolderRowText(deep), "　　　x");
}

TEST_F(IndexDialogStateTest, ContainerPassesItsCheckToNestedFoldersOnly) {
    dialog.ClickCheck(2, true);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true, true, false}));
    dialog.ClickCheck(3, false); // a mail folder changes only itself
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true, false, false}));
    dialog.SelectAll(true);
    dialog.ClickCheck(2, false);
    EXPECT_EQ(Checks(), (std::vector<bool>{true, true, false, false, true}));
    dialog.SelectAll(false);
    EXPECT_EQ(Checks(), std::vector<bool>(5, false));
}

TEST_F(IndexDialogStateTest, EmptyContainerChangesOnlyItself) {
    AddFolder("user005.box\\", "空", "Type=Subfolder\r\n");
    files.Files[Account("account.ini")] = "[Property]\r\nOrder=005001\r\n";
    state.Catalogue.LoadFolderCatalogue(kHost);
    dialog.SetFolders(state.Catalogue);
    dialog.ClickCheck(0, true);
    EXPECT_EQ(Checks(), (std::vector<bool>{true, false}));
}

TEST_F(IndexDialogStateTest, SavesCheckedMailFoldersAsPositionAndTitle) {
    dialog.SelectAll(true);
    TSettings& settings = state.Store.Settings;
    settings.MknmzFolders = {"old", "old", "old", "old", "old", "old"};
    dialog.SaveIndexTargets(settings);
    EXPECT_EQ(settings.MknmzFolders,
              (std::vector<std::string>{"0:郵便受け", "1:仕事", "3:旅行", "4:予定表"}));
    EXPECT_EQ(settings.MknmzTargetFolderCount, "4");
    EXPECT_EQ(dialog.CheckedMailFolders(), (std::vector<int>{0, 1, 3, 4}));
}

TEST_F(IndexDialogStateTest, RestoresOnlyEntriesThatStillMatch) {
    struct Case {
        const char* Entry;
        std::vector<bool> Checks;
        bool SaveTarget;
    };
    const Case cases[] = {
        {"1:仕事", {false, true, false, false, false}, true},
        {"2:趣味", {false, false, true, false, false}, true},  // no propagation on restore
        {"1:Work", {false, false, false, false, false}, true}, // title changed
        {"5:仕事", {false, false, false, false, false}, true}, // out of range
        {"-1:仕事", {false, false, false, false, false}, true},
        {"x:abc", {false, false, false, false, false}, true},  // not a number
        {":仕事", {false, false, false, false, false}, false}, // colon first
        {"1仕事", {false, false, false, false, false}, false}, // no colon
        {"4:予定表:", {false, false, false, false, false}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Entry);
        dialog.SetFolders(state.Catalogue);
        dialog.SaveTarget = false;
        Restore({c.Entry}, "1");
        EXPECT_EQ(Checks(), c.Checks);
        EXPECT_EQ(dialog.SaveTarget, c.SaveTarget);
    }
}

TEST_F(IndexDialogStateTest, RestoresNoMoreEntriesThanTheCountSays) {
    Restore({"0:郵便受け", "1:仕事", "4:予定表"}, "2");
    EXPECT_EQ(Checks(), (std::vector<bool>{true, true, false, false, false}));
    dialog.SetFolders(state.Catalogue);
    dialog.SaveTarget = false;
    Restore({"0:郵便受け"}, "abc");
    EXPECT_EQ(Checks(), std::vector<bool>(5, false));
    EXPECT_FALSE(dialog.SaveTarget);
}

TEST(IndexStatusTextTest, JoinsDateAndCounter) {
    TSettings settings;
    settings.LastDate = "???";
    settings.NowCountMail = "0";
    EXPECT_EQ(IndexStatusText(settings), "前回更新日時: ???   受信メール数: 0通");
}

} // namespace
