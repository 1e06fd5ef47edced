#pragma once

#include "platform/win32/dialog_base.h"

// One tab of the settings dialog: a child dialog that holds the tab's
// controls and hands their notifications to the settings dialog, which
// handles all of them in one place.
class SettingsPage : public DialogBase {
public:
    // Creates the page hidden inside dialog from its template.
    bool Create(HWND dialog, int templateId);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
