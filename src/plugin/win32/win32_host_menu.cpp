#include "plugin/win32/win32_host_menu.h"

#include "text/win32/text_encoding.h"

#include <windows.h>

MenuHandle Win32HostMenu::SubMenu(MenuHandle menu, int position) {
    return GetSubMenu(static_cast<HMENU>(menu), position);
}

void Win32HostMenu::AppendSeparator(MenuHandle menu) {
    AppendMenuW(static_cast<HMENU>(menu), MF_SEPARATOR, 0, nullptr);
}

void Win32HostMenu::AppendItem(MenuHandle menu, int commandId, const std::string& caption) {
    AppendMenuW(static_cast<HMENU>(menu), MF_STRING, static_cast<UINT_PTR>(commandId),
                WideFromShiftJis(caption).c_str());
}

// Without NOMOVE and NOSIZE the zero position and size would be applied and
// the host window shrunk into the screen's corner.
void Win32HostMenu::BringToTop(WindowHandle window) {
    SetWindowPos(static_cast<HWND>(window), HWND_TOP, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
}
