#pragma once

#include "event_log.h"
#include "folder_windows.h"
#include "host_options.h"
#include "plugin_library.h"

#include <windows.h>

#include <map>

// A menu command the plug-in registered: called with the folder window.
using MenuCallback = LONG(WINAPI*)(HWND, LONG);

// Everything the host knows while it runs. The exported callbacks carry no
// context of their own, so they reach it through Host().
struct HostContext {
    HostOptions options;
    EventLog log;
    PluginEntryPoints plugin;
    std::map<int, MenuCallback> callbacks;
    int nextCommandId = 40001;
    FolderWindows windows;
    bool scriptFinished = false;
    int exitCode = 0;
};

HostContext& Host();

// Ends the message loop once the script is done and no folder window is open.
void QuitWhenIdle();
