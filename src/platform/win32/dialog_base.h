#pragma once

#include "platform/failure_shield.h"
#include "platform/user_interface.h"

#include <windows.h>

// A dialog built from a DIALOGEX template of this module. The object is
// found through GWLP_USERDATA from WM_INITDIALOG; the subclass handles
// messages in OnMessage. Whichever of window and object goes first cuts the
// link between them, so neither reaches the other once it is gone.
class DialogBase {
public:
    virtual ~DialogBase();
    DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Shows the dialog modally over owner and returns its EndDialog result.
    // Throws PluginError when the dialog cannot be made (its template, one of
    // its controls or its owner fails), which is no answer of the user's.
    // A failure thrown while a dialog handles a message is shown in the plain
    // box and the message counts as not handled.
    INT_PTR ShowModal(HWND owner, int templateId);
    // Creates the dialog modeless, owned by owner (may be null); hidden until shown.
    HWND CreateModeless(HWND owner, int templateId);

    HWND Handle() const { return handle_; }

protected:
    // Returns TRUE when the message was handled, as a dialog procedure does.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    HWND Item(int id) const { return GetDlgItem(handle_, id); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    bool opened_ = false;
};

// The module (DLL or program) whose resources the plug-in's dialogs use.
HINSTANCE ThisModule();

// The plain box that shows a failure no window procedure may let through.
UserInterface& FailureBox();

// A message handled with any failure shown in the plain box; the procedure
// then returns 0, as for a message it did not handle.
template <typename Result, typename Handle> Result ShieldedMessage(Handle handle) noexcept {
    return Shielded(FailureBox(), handle, Result{0});
}
