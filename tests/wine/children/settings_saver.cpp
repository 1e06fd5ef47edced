// Saves an account's settings the way the plug-in does, alternating between
// two large records, until it is killed:
//   settings_saver ACCOUNT_DIR EVENT
// ACCOUNT_DIR ends in a backslash; the named event EVENT is signalled after
// the first save. A refused save ends the program with exit code 1.
#include "large_settings.h"
#include "platform/plugin_error.h"
#include "platform/win32/win32_file_system.h"
#include "settings/account_settings.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 3)
        return 2;
    const std::string accountDir = ShiftJisFromWide(arguments[1]);
    HANDLE saved = OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments[2]);
    LocalFree(arguments);

    Win32FileSystem files;
    SettingsStore store(files);
    try {
        OpenAccountSettings(store, accountDir);
        for (int variant = 0;; variant = 1 - variant) {
            FillLargeSettings(store.Settings, variant);
            store.SaveSettings(store.IniFileName);
            SetEvent(saved);
        }
    } catch (const PluginError&) {
        return 1;
    }
}
