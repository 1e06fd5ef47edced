#include "platform/win32/hint_tooltips.h"

#include "platform/win32/dialog_base.h"
#include "text/win32/text_encoding.h"

#include <commctrl.h>

namespace {

// Wide enough never to wrap: lines break only where the hint breaks them.
const LPARAM kWidestTip = 4000;

// The tracking hint's id among the dialog's tools, which the controls' own
// window handles never are.
const UINT_PTR kTrackingHintId = 1;

} // namespace

const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;

bool HintTooltips::Create(HWND dialog) {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, ThisModule(), nullptr);
    if (tooltip_ != nullptr)
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kWidestTip);
    dialog_ = dialog;
    return tooltip_ != nullptr;
}

void HintTooltips::Add(HWND control, const std::string& hint) {
    if (control != nullptr)
        Send(TTM_ADDTOOLW, FALSE, TTF_IDISHWND | TTF_SUBCLASS, GetParent(control),
             reinterpret_cast<UINT_PTR>(control), hint);
}

void HintTooltips::SetText(HWND control, const std::string& hint) {
    if (control != nullptr)
        Send(TTM_UPDATETIPTEXTW, FALSE, 0, GetParent(control), reinterpret_cast<UINT_PTR>(control),
             hint);
}

void HintTooltips::AddTrackingHint(const std::string& hint) {
    Send(TTM_ADDTOOLW, FALSE, TTF_TRACK | TTF_ABSOLUTE, dialog_, kTrackingHintId, hint);
}

void HintTooltips::ShowTrackingHint(bool shown, POINT at) {
    if (tooltip_ == nullptr)
        return;
    if (shown)
        SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    Send(TTM_TRACKACTIVATE, shown, 0, dialog_, kTrackingHintId, "");
}

void HintTooltips::Send(UINT message, BOOL flag, UINT toolFlags, HWND owner, UINT_PTR id,
                        const std::string& hint) {
    if (tooltip_ == nullptr)
        return;
    std::wstring text = WideFromShiftJis(hint);
    TTTOOLINFOW tool = {};
    tool.cbSize = kToolInfoSize;
    tool.uFlags = toolFlags;
    tool.hwnd = owner;
    tool.uId = id;
    tool.lpszText = &text[0];
    SendMessageW(tooltip_, message, flag, reinterpret_cast<LPARAM>(&tool));
}
