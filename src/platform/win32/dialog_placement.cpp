#include "platform/win32/dialog_placement.h"

WindowRect RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PlaceOverOwner(HWND dialog, HWND owner) {
    if (owner == nullptr)
        return;
    const WindowRect placed =
        KeepOnScreen(CentreOnOwner(RectOf(dialog), RectOf(owner)), GetSystemMetrics(SM_CXSCREEN),
                     GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(dialog, nullptr, placed.Left, placed.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
