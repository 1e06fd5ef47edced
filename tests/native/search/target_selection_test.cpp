#include "search/folder_menu.h"
#include "search/target_selection.h"
#include "search_fixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kBase = SearchFixture::kAccount;

class TargetSelectionTest : public ::testing::Test, public SearchFixture {
protected:
    TSettings& Settings() { return State.Store.Settings; }
    TargetSelection selection{State.Catalogue, State.Store.Settings};

    void SetUp() override { LoadCatalogue(); }
    void AddAlias(const std::string& name, const std::string& dirs) {
        TAliasInfo alias;
        alias.Name = name;
        alias.Dirs = dirs;
        Settings().Aliases.push_back(alias);
        Settings().AliasMax = std::to_string(Settings().Aliases.size());
    }
    std::vector<int> Selected() const { return selection.SelectedFolders(); }
};

TEST_F(TargetSelectionTest, FolderMenuNestsContainersToAnyDepth) {
    const std::vector<FolderMenuItem> menu = BuildFolderMenu(State.Catalogue);
    ASSERT_EQ(menu.size(), 5u);
    EXPECT_EQ(menu[3].Caption, "資料");
    EXPECT_FALSE(menu[3].Pickable);
    ASSERT_EQ(menu[3].Children.size(), 2u);
    EXPECT_EQ(menu[3].Children[0].Caption, "会議");
    EXPECT_EQ(menu[3].Children[0].Position, 4);
    EXPECT_TRUE(menu[3].Children[0].Pickable);
    const FolderMenuItem& old = menu[3].Children[1];
    EXPECT_FALSE(old.Pickable);
    ASSERT_EQ(old.Children.size(), 1u);
    EXPECT_EQ(old.Children[0].Caption, "議事録");
    EXPECT_EQ(old.Children[0].Position, 6);
    EXPECT_EQ(menu[4].Caption, "私用");
    EXPECT_EQ(menu[4].Position, 7);
}

TEST_F(TargetSelectionTest, EmptyContainerIsAnItemWithoutSubmenuOrAction) {
    Files.Files[std::string(kAccount) + "user002.box\\entry.ini"] =
        "[Property]\r\nTitle=資料\r\nType=Subfolder\r\nOrder=T\r\n";
    LoadCatalogue();
    const std::vector<FolderMenuItem> menu = BuildFolderMenu(State.Catalogue);
    ASSERT_EQ(menu.size(), 5u);
    EXPECT_FALSE(menu[3].Pickable);
    EXPECT_TRUE(menu[3].Children.empty());
    EXPECT_EQ(menu[4].Caption, "私用");
}

TEST_F(TargetSelectionTest, PlainClickReplacesAndShiftClickAppends) {
    selection.PickFolder(0, false);
    selection.PickFolder(2, true);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
    EXPECT_EQ(selection.FolderNameText(), "郵便受け, 仕事");
    EXPECT_EQ(selection.FolderNameHint(), "郵便受け\r\n仕事");

    selection.PickFolder(4, false);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    EXPECT_EQ(selection.FolderNameText(), "会議");
}

TEST_F(TargetSelectionTest, ShiftClickWithEmptySelectionActsLikeAPlainClick) {
    selection.PickFolder(6, true);
    EXPECT_EQ(Selected(), (std::vector<int>{6}));
}

TEST_F(TargetSelectionTest, ItemsThatOutlivedTheirFolderOrAliasChangeNothing) {
    AddAlias("A", "Namazu\\inbox\\\r");
    selection.ApplyAlias(0, kBase);
    selection.PickFolder(8, false);
    selection.ApplyAlias(1, kBase);
    EXPECT_EQ(Selected(), (std::vector<int>{0}));
    EXPECT_EQ(selection.CurrentAlias(), "A");
}

TEST_F(TargetSelectionTest, ShiftClickOnASelectedFolderKeepsTheAppliedAlias) {
    AddAlias("A", "Namazu\\inbox\\\r");
    selection.ApplyAlias(0, kBase);
    selection.PickFolder(0, true);
    EXPECT_EQ(selection.CurrentAlias(), "A");
    EXPECT_TRUE(Settings().Aliases[0].Selected);

    selection.PickFolder(1, true);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1}));
    EXPECT_EQ(selection.CurrentAlias(), "");
    EXPECT_EQ(selection.CheckedAlias(), -1);
    EXPECT_FALSE(Settings().Aliases[0].Selected);
}

TEST_F(TargetSelectionTest, CurrentFolderIsFoundByPathInAnyCase) {
    selection.PickFolder(0, false);
    selection.PickCurrentFolder("C:\\AL\\ACC\\USER002.BOX\\USER004.BOX\\", false);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    selection.PickCurrentFolder("user003.box", true);
    EXPECT_EQ(Selected(), (std::vector<int>{4, 7}));
}

TEST_F(TargetSelectionTest, CurrentFolderThatIsAContainerOrUnknownEmptiesTheSelection) {
    const char* const folders[] = {"c:\\al\\acc\\user002.box", "c:\\elsewhere\\", ""};
    for (const char* folder : folders) {
        SCOPED_TRACE(folder);
        selection.PickFolder(0, false);
        selection.PickCurrentFolder(folder, false);
        EXPECT_TRUE(Selected().empty());
        EXPECT_EQ(selection.FolderNameText(), "");
    }
}

TEST_F(TargetSelectionTest, CurrentFolderWithShiftAlreadySelectedOnlyDropsTheAlias) {
    AddAlias("A", "Namazu\\b001\\\r");
    selection.ApplyAlias(0, kBase);
    selection.PickCurrentFolder("c:\\al\\acc\\user001.box\\", true);
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    EXPECT_EQ(selection.CurrentAlias(), "");
    EXPECT_FALSE(Settings().Aliases[0].Selected);
}

TEST_F(TargetSelectionTest, ApplyAliasResolvesMembersAndMarksOnlyThatAlias) {
    AddAlias("A", "Namazu\\b001\\\r");
    AddAlias("B", "namazu\\B002\\b005\\b006\\\rNamazu\\gone\\\r\nNamazu\\inbox\\\nNamazu\\b001\\");
    Settings().Aliases[0].Selected = true;
    selection.ApplyAlias(1, kBase);
    EXPECT_EQ(Selected(), (std::vector<int>{6, 0, 2}));
    EXPECT_EQ(selection.FolderNameText(), "議事録, 郵便受け, 仕事");
    EXPECT_EQ(selection.CurrentAlias(), "B");
    EXPECT_EQ(selection.CheckedAlias(), 1);
    EXPECT_FALSE(Settings().Aliases[0].Selected);
    EXPECT_TRUE(Settings().Aliases[1].Selected);
}

TEST_F(TargetSelectionTest, AliasWhoseMembersVanishedIsStillApplied) {
    AddAlias("A", "Namazu\\b099\rNamazu\\b098\r");
    selection.PickFolder(0, false);
    selection.ApplyAlias(0, kBase);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(selection.FolderNameText(), "");
    EXPECT_EQ(selection.CurrentAlias(), "A");
    std::vector<int> targets{3};
    selection.Commit(targets);
    EXPECT_TRUE(targets.empty());
    EXPECT_EQ(Settings().Alias, "A");
    EXPECT_EQ(Settings().SearchTargetFolderCount, "0");
}

TEST_F(TargetSelectionTest, AliasMenuChecksTheLastMarkedAlias) {
    AddAlias("A", "");
    AddAlias("B", "");
    AddAlias("C", "");
    Settings().Aliases[0].Selected = true;
    Settings().Aliases[2].Selected = true;
    EXPECT_EQ(selection.BuildAliasMenu(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(selection.CheckedAlias(), 2);
    EXPECT_EQ(selection.CurrentAlias(), "C");

    Settings().Aliases[0].Selected = false;
    Settings().Aliases[2].Selected = false;
    selection.BuildAliasMenu();
    EXPECT_EQ(selection.CheckedAlias(), -1);
    EXPECT_EQ(selection.CurrentAlias(), "");
}

TEST_F(TargetSelectionTest, RestorePrefersThePreviousSearchAndDropsLostPositions) {
    AddAlias("A", "Namazu\\inbox\\\r");
    Settings().Alias = "A";
    Settings().Aliases[0].Selected = true;
    selection.Restore({7, 8, -1, 2}, kBase);
    EXPECT_EQ(Selected(), (std::vector<int>{7, 2}));
    EXPECT_EQ(selection.CurrentAlias(), "");
    EXPECT_FALSE(Settings().Aliases[0].Selected);
}

TEST_F(TargetSelectionTest, RestoreAppliesTheSavedAliasBeforeTheFolderEntries) {
    AddAlias("A", "Namazu\\b003\\\r");
    Settings().Alias = "A";
    Settings().SearchTargetFolderCount = "1";
    Settings().SearchFolders = {"0:郵便受け"};
    selection.Restore({}, kBase);
    EXPECT_EQ(Selected(), (std::vector<int>{7}));
    EXPECT_EQ(selection.CurrentAlias(), "A");

    Settings().Alias = "deleted";
    selection.Restore({}, kBase);
    EXPECT_EQ(Selected(), (std::vector<int>{0}));
    EXPECT_EQ(selection.CurrentAlias(), "");
}

TEST_F(TargetSelectionTest, RestoreKeepsOnlyFolderEntriesThatStillMatch) {
    Settings().SearchTargetFolderCount = "8";
    Settings().SearchFolders = {"5:旧名", "1:送信箱", "x:abc",   ":abc",
                                "99:abc", "-1:abc",   "7:私用:", "2:仕事"};
    selection.Restore({}, kBase);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2}));
    EXPECT_EQ(selection.FolderNameText(), "送信箱, 仕事");
}

TEST_F(TargetSelectionTest, RestoreReadsNoEntriesForACountThatIsNotANumber) {
    Settings().SearchTargetFolderCount = "two";
    Settings().SearchFolders = {"1:送信箱"};
    selection.Restore({}, kBase);
    EXPECT_TRUE(Selected().empty());
}

TEST_F(TargetSelectionTest, CommitWritesPositionColonTitleAndTheAppliedAlias) {
    Files.Files[std::string(kAccount) + "user003.box\\entry.ini"] = "[Property]\r\nTitle=a:b\r\n";
    LoadCatalogue();
    AddAlias("A", "Namazu\\b003\\\rNamazu\\inbox\\\r");
    selection.ApplyAlias(0, kBase);
    std::vector<int> targets;
    selection.Commit(targets);
    EXPECT_EQ(targets, (std::vector<int>{7, 0}));
    EXPECT_EQ(Settings().SearchTargetFolderCount, "2");
    EXPECT_EQ(Settings().SearchFolders, (std::vector<std::string>{"7:a:b", "0:郵便受け"}));
    EXPECT_EQ(Settings().Alias, "A");
    // A title holding a colon still matches when restored.
    Settings().Alias.clear();
    selection.Restore({}, kBase);
    EXPECT_EQ(Selected(), (std::vector<int>{7, 0}));
}

} // namespace
