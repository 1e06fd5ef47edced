#pragma once

#include "platform/console_runner.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/rich_edit_console_view.h"

#include <string>

// The console output window: a modeless window, owned by nobody, whose view
// edt receives a console program's captured output. It refuses to close while
// a capture runs into it; once closed it destroys itself, and the object
// lives on, with a null Handle(), until its owner deletes it.
class TfrmWindow : public DialogBase, public ConsoleWindow {
public:
    ~TfrmWindow() override;

    // Creates the window hidden, with the caption "DOS画面"; false on failure.
    bool Create();
    // Shows it without activating it when minimized, normally otherwise.
    void Show(bool minimized);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    ConsoleTextView& edt() override { return view_; }
    void CaptureEnded() override;

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void PlaceLikeNewWindow();
    void SetFixedPitchFont(HWND edit);

    RichEditConsoleView view_;
    HFONT font_ = nullptr;
};
