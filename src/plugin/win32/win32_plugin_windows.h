#pragma once

#include "platform/plugin_windows.h"

// Opens the plug-in's dialogs and windows.
class Win32PluginWindows : public PluginWindows {
public:
    void ShowIndexDialog(WindowHandle host) override;
    SearchDialogEnd ShowSearchDialog(WindowHandle host) override;
    void ShowResultWindow(WindowHandle host) override;
    void ShowSettingsDialog(WindowHandle host) override;
    void ShowAboutBox(WindowHandle host) override;
};
