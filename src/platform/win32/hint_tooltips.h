#pragma once

#include <windows.h>

#include <string>

// The hints of a dialog's controls, shown as tooltips when the mouse rests
// on a control; a line break in a hint starts a new line. Destroyed with the
// dialog that owns it.
class HintTooltips {
public:
    // False when the tooltip window cannot be made; the dialog works without.
    bool Create(HWND dialog);
    void Add(HWND control, const std::string& hint);
    // Replaces the hint of a control added before.
    void SetText(HWND control, const std::string& hint);

private:
    void Send(UINT message, UINT flags, HWND control, const std::string& hint);

    HWND tooltip_ = nullptr;
};
