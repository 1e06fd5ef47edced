#pragma once

#include "platform/handles.h"

#include <string>

// The host window and its menu bar, as far as the plug-in touches them.
class HostMenu {
public:
    virtual ~HostMenu() = default;

    // The pull-down menu at a 0-based position of a menu bar, or null.
    virtual MenuHandle SubMenu(MenuHandle menu, int position) = 0;
    virtual void AppendSeparator(MenuHandle menu) = 0;
    virtual void AppendItem(MenuHandle menu, int commandId, const std::string& caption) = 0;
    // Shows the window and raises it to the top of the window order.
    virtual void BringToTop(WindowHandle window) = 0;
};
