#include "indexer/index_dialog.h"
#include "platform/failure_shield.h"

#include "indexer/indexer_fixture.h"

namespace {

class IndexDialogTest : public IndexerTest {
protected:
    IndexDialog dialog{services, view, kHost};
    const std::string ini = Account("tarnwick.ini");

    IndexDialogTest() {
        state.Store.Settings = TSettings(); // the dialog loads its own
        view.OnClose = [this] {
            dialog.FormClose();
            dialog.FormCloseQuery();
        };
    }

    void WriteSettings(const std::string& mknmzLines) {
        files.Files[ini] =
            "[Mknmz]\r\n" + mknmzLines +
            "[Command]\r\nNamazuVersion=2.0\r\nmknmzOption=--mailnews\r\nPerlPath=p.exe\r\n"
            "mknmzPath=mknmz\r\n";
    }
    bool FileHas(const std::string& line) const {
        return files.Files.at(ini).find(line + "\r\n") != std::string::npos;
    }
};

TEST_F(IndexDialogTest, OpeningCreatesMissingSettingsAndListsTheFolders) {
    dialog.FormCreate();
    EXPECT_EQ(state.Store.IniFileName, ini);
    ASSERT_TRUE(files.FileExists(ini));
    EXPECT_EQ(view.Rows.size(), 5u);
    EXPECT_EQ(view.Checks, std::vector<bool>(5, false)); // created with no targets
    EXPECT_FALSE(view.SaveTargetShown);
    EXPECT_EQ(view.Statuses, std::vector<std::string>{"前回更新日時: ???   受信メール数: 0通"});
}

TEST_F(IndexDialogTest, SavedTargetsAreRestoredOnlyWhenAskedFor) {
    for (const char* use : {"1", "0"}) {
        SCOPED_TRACE(use);
        WriteSettings(std::string("UsePreviousTarget=") + use +
                      "\r\nTargetFolderCount=3\r\nFolder1=1:仕事\r\nFolder2=4:Work\r\n"
                      "Folder3=9:旅行\r\n");
        dialog.FormCreate();
        const bool restored = use[0] == '1';
        EXPECT_EQ(view.Checks, (std::vector<bool>{false, restored, false, false, false}));
        EXPECT_EQ(view.SaveTargetShown, restored);
    }
}

TEST_F(IndexDialogTest, CancelSavesTheTargetsOnlyWithSaveTargetChecked) {
    WriteSettings("UsePreviousTarget=1\r\nTargetFolderCount=1\r\nFolder1=1:仕事\r\n");
    dialog.FormCreate();
    dialog.lstFolderClickCheck(2, true);
    dialog.btnCancelClick();
    EXPECT_EQ(view.Closes, 1);
    EXPECT_TRUE(FileHas("TargetFolderCount=2"));
    EXPECT_TRUE(FileHas("Folder2=3:旅行"));
    EXPECT_TRUE(runner.Calls.empty());

    dialog.FormCreate();
    dialog.chkSaveTargetClick(false);
    dialog.btnSelectAllClick(true);
    dialog.btnCancelClick();
    EXPECT_TRUE(FileHas("TargetFolderCount=2")); // unchanged
}

TEST_F(IndexDialogTest, RunThenCloseWritesCounterDateAndTargets) {
    WriteSettings("NowCountMail=abc\r\nTargetFolderCount=x\r\n");
    dialog.FormCreate();
    EXPECT_EQ(view.Statuses.back(), "前回更新日時: ???   受信メール数: abc通");
    dialog.lstFolderClickCheck(0, true);
    dialog.chkSaveTargetClick(true);
    dialog.btnUpdateIndexClick();
    EXPECT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(view.Closes, 0); // CloseOnFinish is off
    view.CloseDialog();
    EXPECT_TRUE(FileHas("NowCountMail=0"));
    EXPECT_TRUE(FileHas("LastDate=2001/05/09 21:07"));
    EXPECT_TRUE(FileHas("Folder1=0:郵便受け"));
    EXPECT_GE(view.ConsoleWindowClosings, 2); // at the run's start and at closing
}

TEST_F(IndexDialogTest, CloseOnFinishClosesAfterAClickThatRan) {
    WriteSettings("CloseOnFinish=1\r\n");
    dialog.FormCreate();
    dialog.btnUpdateIndexClick(); // nothing checked
    EXPECT_EQ(view.Closes, 0);
    dialog.lstFolderClickCheck(1, true);
    dialog.btnUpdateIndexClick();
    EXPECT_EQ(view.Closes, 1);
}

TEST_F(IndexDialogTest, AskZeroRunsWhenShownUnlessShiftIsHeld) {
    WriteSettings("Ask=0\r\nUsePreviousTarget=1\r\nTargetFolderCount=1\r\nFolder1=4:予定表\r\n");
    dialog.FormCreate();
    dialog.ShowingChanged(true);
    EXPECT_TRUE(runner.Calls.empty());
    dialog.ShowingChanged(false);
    EXPECT_EQ(runner.Calls.size(), 1u);
    EXPECT_FALSE(view.TimerStarted);
    EXPECT_EQ(view.Closes, 0);

    WriteSettings("Ask=1\r\n");
    dialog.FormCreate();
    dialog.btnSelectAllClick(true);
    dialog.ShowingChanged(false);
    EXPECT_EQ(runner.Calls.size(), 1u);
}

TEST_F(IndexDialogTest, AutomaticRunWithCloseOnFinishClosesByTheTimer) {
    WriteSettings("Ask=0\r\nCloseOnFinish=1\r\nUsePreviousTarget=1\r\nTargetFolderCount=1\r\n"
                  "Folder1=1:仕事\r\n");
    dialog.FormCreate();
    dialog.lstFolderClickCheck(4, true);
    dialog.ShowingChanged(false);
    EXPECT_EQ(runner.Calls.size(), 2u);
    EXPECT_EQ(view.Closes, 0); // the run's own close request does not apply here
    EXPECT_TRUE(view.TimerStarted);
    EXPECT_FALSE(view.Enabled());
    dialog.tmrTimer();
    EXPECT_EQ(view.Closes, 1);
    EXPECT_TRUE(FileHas("TargetFolderCount=2"));
    EXPECT_TRUE(FileHas("Folder2=4:予定表"));
}

TEST_F(IndexDialogTest, RefusedSettingsWriteIsReportedAndLeavesTheFileWhole) {
    WriteSettings("NowCountMail=5\r\n");
    dialog.FormCreate();
    dialog.btnSelectAllClick(true);
    dialog.btnUpdateIndexClick();
    const std::string before = files.Files[ini];
    files.ReadOnly.insert(ini);
    Shielded(ui, [&] { view.CloseDialog(); });
    EXPECT_EQ(files.Files[ini], before);
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "message");
    EXPECT_NE(ui.Boxes[0].Text.find("に書き込めません"), std::string::npos);
}

TEST_F(IndexDialogTest, CancelDuringARunOffersToStopItInsteadOfClosing) {
    WriteSettings("");
    dialog.FormCreate();
    dialog.lstFolderClickCheck(1, true);
    dialog.lstFolderClickCheck(4, true);
    runner.WhileWaiting = [&] { dialog.btnCancelClick(); };
    for (bool answer : {false, true}) {
        SCOPED_TRACE(answer);
        runner.Calls.clear();
        ui.Boxes.clear();
        ui.ConfirmAnswer = answer;
        dialog.btnUpdateIndexClick();
        EXPECT_EQ(runner.Calls.size(), answer ? 1u : 2u);
        ASSERT_FALSE(ui.Boxes.empty());
        EXPECT_EQ(ui.Boxes[0].Kind, "confirm");
        EXPECT_EQ(ui.Boxes[0].Caption, "中止の確認");
        EXPECT_EQ(view.Closes, 0);
    }
    EXPECT_EQ(ui.Boxes.back().Kind, "information"); // the folders left as they were
    runner.WhileWaiting = nullptr;
    dialog.btnCancelClick();
    EXPECT_EQ(view.Closes, 1);
}

} // namespace
