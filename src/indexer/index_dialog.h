#pragma once

#include "indexer/index_dialog_state.h"
#include "indexer/index_dialog_view.h"
#include "indexer/index_services.h"

// The index update dialog TfrmMknmz without its window: what each event does.
// The Win32 dialog forwards its events here and renders through the view.
class IndexDialog {
public:
    IndexDialog(IndexServices& services, IndexDialogView& view, WindowHandle host)
        : services_(services), view_(view), host_(host) {}

    void FormCreate();
    void btnSelectAllClick(bool selectAll);
    void lstFolderClickCheck(int row, bool checked);
    void chkRebuildClick(bool checked) { state_.Rebuild = checked; }
    void chkSaveTargetClick(bool checked) { state_.SaveTarget = checked; }
    void btnUpdateIndexClick();
    // Saves the targets if asked to, then closes the dialog. While a run is
    // under way it offers to stop the run instead.
    void btnCancelClick();
    bool Running() const { return running_; }
    // The dialog has just become visible: with [Mknmz] Ask "0" the run starts
    // unless Shift is held.
    void ShowingChanged(bool shiftHeld);
    void tmrTimer() { btnCancelClick(); }
    // The dialog closes: the settings are saved and the console windows closed.
    void FormCloseQuery();
    void FormClose() { view_.CloseConsoleWindows(); }

    const IndexDialogState& State() const { return state_; }

private:
    // False when no mail folder was checked.
    bool RunIndexUpdate();
    void ShowIndexStatus();
    // Runs an event's work; a failure ends it and is shown in the plain box.

    IndexServices& services_;
    IndexDialogView& view_;
    WindowHandle host_;
    IndexDialogState state_;
    bool running_ = false;
    bool stopRequested_ = false;
};
