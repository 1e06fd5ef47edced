#pragma once

#include <windows.h>

#include <string>

// The hints of a dialog's controls, shown as tooltips when the mouse rests
// on a control. Destroyed with the dialog that owns it.
class HintTooltips {
public:
    // False when the tooltip window cannot be made; the dialog works without.
    bool Create(HWND dialog);
    void Add(HWND control, const std::string& hint);

private:
    HWND tooltip_ = nullptr;
};
