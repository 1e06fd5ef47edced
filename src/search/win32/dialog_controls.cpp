#include "search/win32/dialog_controls.h"

#include "platform/win32/text_encoding.h"
#include "search/search_dialog_placement.h"

std::string WindowTextSjis(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied));
    return ShiftJisFromWide(text);
}

void SetWindowTextSjis(HWND control, const std::string& text) {
    SetWindowTextW(control, WideFromShiftJis(text).c_str());
}

void SetComboItems(HWND combo, const std::vector<std::string>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageW(combo, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromShiftJis(item).c_str()));
}

void SetListItems(HWND list, const std::vector<std::string>& items) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromShiftJis(item).c_str()));
}

namespace {

WindowRect RectOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

void PlaceOverOwner(HWND dialog, HWND owner) {
    if (owner == nullptr)
        return;
    const WindowRect placed =
        PlaceSearchDialog(RectOf(dialog), RectOf(owner), GetSystemMetrics(SM_CXSCREEN),
                          GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(dialog, nullptr, placed.Left, placed.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
