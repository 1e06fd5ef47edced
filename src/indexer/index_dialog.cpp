#include "indexer/index_dialog.h"

#include "indexer/index_update_run.h"
#include "settings/account_settings.h"

void IndexDialog::FormCreate() {
    SettingsStore& store = services_.Store;
    OpenAccountSettings(store, services_.Host.GetAccount(host_));
    services_.Catalogue.LoadFolderCatalogue(host_);
    state_ = IndexDialogState();
    state_.SetFolders(services_.Catalogue);
    view_.ShowRows(state_.RowTexts());
    if (store.Settings.MknmzUsePreviousTarget == "1")
        state_.RestoreTargets(store.Settings);
    view_.ShowChecks(state_);
    ShowIndexStatus();
}

void IndexDialog::btnSelectAllClick(bool selectAll) {
    state_.SelectAll(selectAll);
    view_.ShowChecks(state_);
}

void IndexDialog::lstFolderClickCheck(int row, bool checked) {
    state_.ClickCheck(row, checked);
    view_.ShowChecks(state_);
}

void IndexDialog::btnUpdateIndexClick() {
    if (RunIndexUpdate() && services_.Store.Settings.CloseOnFinish == "1")
        view_.CloseDialog();
}

void IndexDialog::btnCancelClick() {
    if (running_) {
        stopRequested_ =
            stopRequested_ ||
            services_.Ui.Confirm(nullptr, "中止の確認",
                                 "インデックスの作成を中止しますか？\n"
                                 "作成中のフォルダは、前回のインデックスのままになります。");
        return;
    }
    if (state_.SaveTarget)
        state_.SaveIndexTargets(services_.Store.Settings);
    view_.CloseDialog();
}

// A run started here cannot close the dialog that is still being shown; with
// CloseOnFinish the timer closes it a moment later instead, after a failed
// run as well.
void IndexDialog::ShowingChanged(bool shiftHeld) {
    view_.BringToForeground();
    const TSettings& settings = services_.Store.Settings;
    if (settings.Ask != "0" || shiftHeld)
        return;
    struct CloseLater {
        IndexDialogView& View;
        bool Wanted;
        ~CloseLater() {
            if (!Wanted)
                return;
            View.SetEnabled(false);
            View.StartTimer();
        }
    } close{view_, settings.CloseOnFinish == "1"};
    RunIndexUpdate();
}

void IndexDialog::FormCloseQuery() {
    SettingsStore& store = services_.Store;
    store.SaveSettings(store.IniFileName);
}

bool IndexDialog::RunIndexUpdate() {
    IndexUpdateRun run(services_, view_, host_, [this] { return stopRequested_; });
    running_ = true;
    stopRequested_ = false;
    // Cleared however the run ends, a failure thrown through it included.
    struct RunEnd {
        bool& Running;
        ~RunEnd() { Running = false; }
    } end{running_};
    return run.Run(state_);
}

void IndexDialog::ShowIndexStatus() {
    view_.ShowStatus(IndexStatusText(services_.Store.Settings));
}
