#include "plugin/win32/win32_plugin_windows.h"

// The index dialog, the search dialog, the result window, the settings
// dialog and the about box are not built yet: until they are, their commands
// open nothing, and the search command reports a cancelled dialog.

void Win32PluginWindows::ShowIndexDialog(WindowHandle) {}

int Win32PluginWindows::ShowSearchDialog(WindowHandle) { return 2; }

int Win32PluginWindows::ShowResultWindow(WindowHandle) { return 2; }

void Win32PluginWindows::ShowSettingsDialog(WindowHandle) {}

void Win32PluginWindows::ShowAboutBox(WindowHandle) {}
