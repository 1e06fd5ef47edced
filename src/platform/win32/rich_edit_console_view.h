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
    int BusyMark() const override { return busyMark_; }
    void SetBusyMark(int mark) override { busyMark_ = mark; }

private:
    void MoveCaretToEnd();

    HWND edit_ = nullptr;
    int busyMark_ = 1;
};
