#pragma once

#include "platform/host_api.h"
#include "platform/host_menu.h"
#include "platform/plugin_windows.h"
#include "platform/user_interface.h"
#include "plugin/plugin_state.h"

#include <string>

extern const char kPluginName[];

// What the host's calls into the plug-in do: the entry points, the two menu
// commands and the automatic index update.
class PluginCore {
public:
    PluginCore(PluginState& state, HostApi& host, HostMenu& menu, UserInterface& ui,
               PluginWindows& windows);

    int StartUp();
    void VersionInfo(WindowHandle window);
    void Setup(WindowHandle window);
    void FolderCreate(WindowHandle window);
    void FolderInitMenu(MenuHandle menu, int id);
    int RecFilter(const std::string& mailPath);
    void FolderEndRetrieve(WindowHandle window);
    void FolderClose(WindowHandle window);

    int IndexingMenuProc(WindowHandle window);
    int SearchMenuProc(WindowHandle window);

private:
    bool AutomaticUpdateDue() const;

    PluginState& state_;
    HostApi& host_;
    HostMenu& menu_;
    UserInterface& ui_;
    PluginWindows& windows_;
};
