#include "settings/win32/hint_tooltips.h"

#include "platform/win32/dialog_base.h"
#include "platform/win32/text_encoding.h"

#include <commctrl.h>

bool HintTooltips::Create(HWND dialog) {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, ThisModule(), nullptr);
    return tooltip_ != nullptr;
}

void HintTooltips::Add(HWND control, const std::string& hint) {
    if (tooltip_ == nullptr || control == nullptr)
        return;
    std::wstring text = WideFromShiftJis(hint);
    TTTOOLINFOW tool = {};
    // The full size is refused by version 5 of the common controls.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = &text[0];
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
