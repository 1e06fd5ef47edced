#pragma once

#include <windows.h>

#include <string>

// The structure size of every tool handed to the tooltip: version 5 of the
// common controls, which the host gives a plug-in without a manifest,
// refuses the newer, larger structure.
extern const UINT kToolInfoSize;

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

    // One hint of the dialog's own, shown where the dialog says, as long as
    // it says: for what the mouse cannot rest on, such as a menu item.
    void AddTrackingHint(const std::string& hint);
    void ShowTrackingHint(bool shown, POINT at);

private:
    void Send(UINT message, BOOL flag, UINT toolFlags, HWND owner, UINT_PTR id,
              const std::string& hint);

    HWND tooltip_ = nullptr;
    HWND dialog_ = nullptr;
};
