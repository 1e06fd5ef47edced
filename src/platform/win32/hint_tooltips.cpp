#include "platform/win32/hint_tooltips.h"

#include "platform/win32/dialog_base.h"
#include "text/win32/text_encoding.h"

#include <commctrl.h>

namespace {

// Wide enough never to wrap: lines break only where the hint breaks them.
const LPARAM kWidestTip = 4000;

} // namespace

bool HintTooltips::Create(HWND dialog) {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, ThisModule(), nullptr);
    if (tooltip_ != nullptr)
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kWidestTip);
    return tooltip_ != nullptr;
}

void HintTooltips::Add(HWND control, const std::string& hint) {
    Send(TTM_ADDTOOLW, TTF_IDISHWND | TTF_SUBCLASS, control, hint);
}

void HintTooltips::SetText(HWND control, const std::string& hint) {
    Send(TTM_UPDATETIPTEXTW, 0, control, hint);
}

void HintTooltips::Send(UINT message, UINT flags, HWND control, const std::string& hint) {
    if (tooltip_ == nullptr || control == nullptr)
        return;
    std::wstring text = WideFromShiftJis(hint);
    TTTOOLINFOW tool = {};
    // Version 5 of the common controls, which the host gives a plug-in
    // without a manifest, refuses the newer, larger structure.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = flags;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = &text[0];
    SendMessageW(tooltip_, message, 0, reinterpret_cast<LPARAM>(&tool));
}
