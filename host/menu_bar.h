#pragma once

#include <windows.h>

#include <string>

// Commands of the host's own menu items.
enum HostCommand {
    IDM_CLOSE = 100,
    IDM_PLUGIN_SETUP = 101,
    IDM_PLUGIN_VERSION = 102,
};

// The pull-down menu that plug-ins extend.
const int PluginMenuPosition = 3;

// A menu bar like the real host's folder window: five pull-downs.
HMENU CreateFolderMenuBar();

// The caption of the item at `position`, Shift-JIS.
std::string MenuItemCaption(HMENU menu, int position);
bool IsSeparator(HMENU menu, int position);
