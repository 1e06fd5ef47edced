#include "plugin/win32/win32_plugin_windows.h"

#include "indexer/win32/index_dialog_window.h"
#include "plugin/win32/plugin_instance.h"
#include "result/win32/result_form.h"
#include "search/win32/search_form.h"
#include "settings/win32/about_box.h"
#include "settings/win32/settings_dialog.h"

void Win32PluginWindows::ShowIndexDialog(WindowHandle host) {
    ::ShowIndexDialog(static_cast<HWND>(host), TheIndexServices());
}

SearchDialogEnd Win32PluginWindows::ShowSearchDialog(WindowHandle host) {
    return ::ShowSearchDialog(static_cast<HWND>(host), TheSearchServices());
}

void Win32PluginWindows::ShowResultWindow(WindowHandle host) {
    ::ShowResultWindow(static_cast<HWND>(host), TheResultServices());
}

void Win32PluginWindows::ShowSettingsDialog(WindowHandle host) {
    ::ShowSettingsDialog(static_cast<HWND>(host), ThePluginState().Store, TheHostApi(),
                         TheUserInterface(), TheConsoleRunner());
}

void Win32PluginWindows::ShowAboutBox(WindowHandle host) {
    ::ShowAboutBox(static_cast<HWND>(host));
}
