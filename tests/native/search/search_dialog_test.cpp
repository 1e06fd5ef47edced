#include "search/search_dialog.h"
#include "search_fixture.h"
#include "settings/profile_document.h"

#include <gtest/gtest.h>

namespace {

class SearchDialogTest : public ::testing::Test, public SearchFixture {
protected:
    SearchDialog dialog{Services, HostWindow};

    std::string Stored(const std::string& section, const std::string& key) {
        return ProfileDocument(SettingsFile()).Read(section, key, "<absent>");
    }
};

TEST_F(SearchDialogTest, OpeningCreatesMissingSettingsAndStartsEmpty) {
    dialog.FormCreate();
    EXPECT_EQ(State.Store.IniFileName, kIni);
    EXPECT_EQ(Stored("Search", "FormulaHistryCount"), "10");
    EXPECT_EQ(State.Catalogue.Count(), 8);
    EXPECT_TRUE(dialog.HistoryItems().empty());
    EXPECT_TRUE(dialog.Targets().SelectedFolders().empty());
    EXPECT_TRUE(Ui.Boxes.empty());
}

TEST_F(SearchDialogTest, OpeningRestoresTheSavedFoldersAndShowsTheHistory) {
    WriteSettings("[Search]\r\nTargetFolderCount=2\r\nFolder1=5:旧名\r\nFolder2=1:送信箱\r\n"
                  "FormulaHistryCount=3\r\nHistory1=x\r\nHistory2=\r\nHistory3=y\r\n");
    dialog.FormCreate();
    EXPECT_EQ(dialog.Targets().SelectedFolders(), (std::vector<int>{1}));
    EXPECT_EQ(dialog.Targets().FolderNameText(), "送信箱");
    EXPECT_EQ(dialog.HistoryItems(), (std::vector<std::string>{"x", "y"}));
}

TEST_F(SearchDialogTest, SearchWritesFormulaTargetsAndSearchKeys) {
    WriteSettings("[Search]\r\nTargetFolderCount=5\r\nFolder1=0:郵便受け\r\n");
    dialog.FormCreate();
    dialog.Targets().PickFolder(4, false);
    dialog.Targets().PickFolder(6, true);
    ASSERT_TRUE(dialog.Headers().Add("Subject:", "会議"));
    ASSERT_TRUE(dialog.Headers().Add("From:", "info"));
    std::string keyword = " 予算 ";
    EXPECT_TRUE(dialog.Search(keyword));
    EXPECT_EQ(State.SearchFormula, "予算 +Subject:会議 +From:info");
    EXPECT_EQ(State.SearchTargets, (std::vector<int>{4, 6}));
    EXPECT_EQ(Stored("Search", "TargetFolderCount"), "2");
    EXPECT_EQ(Stored("Search", "Folder1"), "4:会議");
    EXPECT_EQ(Stored("Search", "Folder2"), "6:議事録");
    EXPECT_EQ(Stored("Search", "Alias"), "");
}

TEST_F(SearchDialogTest, BlankKeywordIsEmptiedAndAnEmptySearchStillCommits) {
    dialog.FormCreate();
    std::string keyword = " 　 ";
    State.SearchFormula = "old";
    EXPECT_TRUE(dialog.Search(keyword));
    EXPECT_EQ(keyword, "");
    EXPECT_EQ(State.SearchFormula, "");
    EXPECT_EQ(Stored("Search", "TargetFolderCount"), "0");
}

TEST_F(SearchDialogTest, ReopeningFromTheResultWindowKeepsThePreviousTargets) {
    WriteSettings("[Search]\r\nTargetFolderCount=1\r\nFolder1=0:郵便受け\r\n");
    State.SearchTargets = {7, 2};
    dialog.FormCreate();
    EXPECT_EQ(dialog.Targets().FolderNameText(), "私用, 仕事");
}

TEST_F(SearchDialogTest, RefusedSaveKeepsTheDialogOpen) {
    dialog.FormCreate();
    Files.ReadOnly.insert(kIni);
    std::string keyword = "abc";
    EXPECT_FALSE(dialog.Search(keyword));
    ASSERT_EQ(Ui.Boxes.size(), 1u);
    EXPECT_EQ(Ui.Boxes[0].Kind, "message");
}

TEST_F(SearchDialogTest, DeletingNeedsAnAppliedAliasAndAConfirmation) {
    WriteSettings("[Alias]\r\nMax=2\r\nName1=A\r\nDirCount1=1\r\nDir1-1=Namazu\\b003\\\r\n"
                  "Name2=B\r\nDirCount2=1\r\nDir2-1=Namazu\\inbox\\\r\n");
    dialog.FormCreate();
    EXPECT_FALSE(dialog.DeleteAppliedAlias(Owner));
    ASSERT_EQ(Ui.Boxes.size(), 1u);
    EXPECT_EQ(Ui.Boxes[0].Caption, "エラー");
    EXPECT_EQ(Ui.Boxes[0].Text, "先に削除するエイリアスを選択してください。");

    dialog.ApplyAlias(0);
    Ui.ConfirmAnswer = false;
    EXPECT_FALSE(dialog.DeleteAppliedAlias(Owner));
    ASSERT_EQ(Ui.Boxes.size(), 2u);
    EXPECT_EQ(Ui.Boxes[1].Kind, "confirm");
    EXPECT_EQ(Ui.Boxes[1].Caption, "削除の確認");
    EXPECT_EQ(Ui.Boxes[1].Text, "エイリアス 「A」 を削除します。\nよろしいですか？");
    EXPECT_EQ(Stored("Alias", "Max"), "2");

    Ui.ConfirmAnswer = true;
    EXPECT_TRUE(dialog.DeleteAppliedAlias(Owner));
    EXPECT_EQ(Stored("Alias", "Max"), "1");
    EXPECT_EQ(Stored("Alias", "Name1"), "B");
    EXPECT_EQ(Stored("Alias", "Dir1-1"), "Namazu\\inbox\\");
    EXPECT_EQ(dialog.Targets().SelectedFolders(), (std::vector<int>{7}));
    EXPECT_EQ(dialog.Targets().CurrentAlias(), "");
    std::string keyword;
    dialog.Search(keyword);
    EXPECT_EQ(Stored("Search", "Alias"), "");
}

TEST_F(SearchDialogTest, AppliedAliasIsSavedAndReappliedOnTheNextOpening) {
    WriteSettings("[Alias]\r\nMax=1\r\nName1=A\r\nDirCount1=2\r\nDir1-1=Namazu\\b003\\\r\n"
                  "Dir1-2=Namazu\\inbox\\\r\n");
    dialog.FormCreate();
    dialog.ApplyAlias(0);
    std::string keyword = "x";
    dialog.Search(keyword);
    EXPECT_EQ(Stored("Search", "Alias"), "A");

    SearchDialog reopened{Services, HostWindow};
    State.SearchTargets.clear();
    reopened.FormCreate();
    EXPECT_EQ(reopened.Targets().CurrentAlias(), "A");
    EXPECT_EQ(reopened.Targets().CheckedAlias(), 0);
    EXPECT_EQ(reopened.Targets().FolderNameText(), "私用, 郵便受け");
}

TEST_F(SearchDialogTest, SaveAsNeedsASelectionAndRenameStartsFromTheAppliedAlias) {
    WriteSettings("[Alias]\r\nMax=2\r\nName1=A\r\nName2=B\r\n");
    dialog.FormCreate();
    EXPECT_FALSE(dialog.MaySaveAliasAs(Owner));
    ASSERT_EQ(Ui.Boxes.size(), 1u);
    EXPECT_EQ(Ui.Boxes[0].Caption, "エラー");
    EXPECT_EQ(Ui.Boxes[0].Text, "フォルダが選択されていません。");
    EXPECT_EQ(dialog.RenameStartAlias(), -1);
    dialog.ApplyAlias(1);
    EXPECT_EQ(dialog.RenameStartAlias(), 1);
    dialog.Targets().PickFolder(0, false);
    EXPECT_TRUE(dialog.MaySaveAliasAs(Owner));
}

TEST_F(SearchDialogTest, BadAliasSettingsGiveEmptyAliasesWithoutMembers) {
    WriteSettings("[Alias]\r\nMax=3\r\nName1=A\r\nDirCount1=two\r\nDir1-1=Namazu\\inbox\\\r\n");
    dialog.FormCreate();
    EXPECT_EQ(dialog.Targets().BuildAliasMenu(), (std::vector<std::string>{"A", "", ""}));
    dialog.ApplyAlias(2);
    EXPECT_TRUE(dialog.Targets().SelectedFolders().empty());
    dialog.ApplyAlias(0);
    EXPECT_TRUE(dialog.Targets().SelectedFolders().empty());
    EXPECT_EQ(dialog.Targets().CurrentAlias(), "A");
}

TEST_F(SearchDialogTest, CurrentFolderComesFromTheHost) {
    Host.CurrentFolder = "C:\\AL\\ACC\\USER001.BOX\\";
    dialog.FormCreate();
    dialog.PickCurrentFolder(false);
    EXPECT_EQ(dialog.Targets().FolderNameText(), "仕事");
}

TEST_F(SearchDialogTest, ARefusedDeletionLeavesTheAliasListedAndApplied) {
    WriteSettings("[Alias]\r\nMax=2\r\nName1=A\r\nDirCount1=1\r\nDir1-1=Namazu\\b003\\\r\n"
                  "Name2=B\r\nDirCount2=1\r\nDir2-1=Namazu\\inbox\\\r\n");
    dialog.FormCreate();
    dialog.ApplyAlias(0);
    Files.ReadOnly.insert(kIni);

    EXPECT_FALSE(dialog.DeleteAppliedAlias(Owner));

    const TSettings& settings = State.Store.Settings;
    ASSERT_EQ(settings.Aliases.size(), 2u);
    EXPECT_EQ(settings.Aliases[0].Name, "A");
    EXPECT_TRUE(settings.Aliases[0].Selected);
    EXPECT_EQ(settings.AliasMax, "2");
    EXPECT_EQ(dialog.Targets().CurrentAlias(), "A");
    EXPECT_EQ(Ui.Boxes.back().Text, std::string(kIni) + " に書き込めません");
}

} // namespace
