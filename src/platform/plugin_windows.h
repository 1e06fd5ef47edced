#pragma once

#include "platform/handles.h"

// The plug-in's modal windows, each opened for a host window. A window that
// cannot be opened throws PluginError.
class PluginWindows {
public:
    virtual ~PluginWindows() = default;

    virtual void ShowIndexDialog(WindowHandle host) = 0;
    // 1 when the user started a search, 2 when cancelled.
    virtual int ShowSearchDialog(WindowHandle host) = 0;
    virtual int ShowResultWindow(WindowHandle host) = 0;
    virtual void ShowSettingsDialog(WindowHandle host) = 0;
    virtual void ShowAboutBox(WindowHandle host) = 0;
};
