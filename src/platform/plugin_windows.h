#pragma once

#include "platform/handles.h"
#include "platform/search_dialog_end.h"

// The plug-in's modal windows, each opened for a host window. A window that
// cannot be opened throws PluginError.
class PluginWindows {
public:
    virtual ~PluginWindows() = default;

    virtual void ShowIndexDialog(WindowHandle host) = 0;
    virtual SearchDialogEnd ShowSearchDialog(WindowHandle host) = 0;
    virtual void ShowResultWindow(WindowHandle host) = 0;
    virtual void ShowSettingsDialog(WindowHandle host) = 0;
    virtual void ShowAboutBox(WindowHandle host) = 0;
};
