#pragma once

#include "platform/host_menu.h"

class Win32HostMenu : public HostMenu {
public:
    MenuHandle SubMenu(MenuHandle menu, int position) override;
    void AppendSeparator(MenuHandle menu) override;
    void AppendItem(MenuHandle menu, int commandId, const std::string& caption) override;
    void BringToTop(WindowHandle window) override;
};
