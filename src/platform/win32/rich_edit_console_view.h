#pragma once

#include "platform/console_runner.h"

#include <windows.h>

// A RichEdit 2.0 control as the text view of a capture. RichEdit takes
// UTF-16, so every block is converted from Shift-JIS on its way in.
class RichEditConsoleView : public ConsoleTextView {
public:
    // Prepares the control: room for a long run's output.
    void Attach(HWND edit);

    bool HoldsText() override;
    void AppendText(const std::string& text) override;
    void ShowEnd() override;
    void Refresh() override;
    bool IsCapturing() const override { return capturing_; }
    void SetCapturing(bool capturing) override { capturing_ = capturing; }

private:
    void MoveCaretToEnd();

    HWND edit_ = nullptr;
    bool capturing_ = false;
};
