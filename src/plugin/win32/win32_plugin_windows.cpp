#include "plugin/win32/win32_plugin_windows.h"

#include "search/win32/search_form.h"

// The index dialog, the result window, the settings dialog and the about box
// are not built yet: until they are, their commands open nothing.

void Win32PluginWindows::ShowIndexDialog(WindowHandle) {}

int Win32PluginWindows::ShowSearchDialog(WindowHandle host) {
    return ::ShowSearchDialog(static_cast<HWND>(host));
}

int Win32PluginWindows::ShowResultWindow(WindowHandle) { return 2; }

void Win32PluginWindows::ShowSettingsDialog(WindowHandle) {}

void Win32PluginWindows::ShowAboutBox(WindowHandle) {}
