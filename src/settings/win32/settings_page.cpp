#include "settings/win32/settings_page.h"

bool SettingsPage::Create(HWND dialog, int templateId) {
    return CreateModeless(dialog, templateId) != nullptr;
}

INT_PTR SettingsPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        // The settings dialog sets the focus itself.
        return FALSE;
    case WM_COMMAND:
        SendMessageW(GetParent(Handle()), message, wParam, lParam);
        return TRUE;
    default:
        return FALSE;
    }
}
