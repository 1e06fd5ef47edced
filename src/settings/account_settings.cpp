#include "settings/account_settings.h"

std::string AccountSettingsFile(const std::string& accountDir) {
    return accountDir + "tarnwick.ini";
}

void OpenAccountSettings(SettingsStore& store, const std::string& accountDir) {
    store.IniFileName = AccountSettingsFile(accountDir);
    store.EnsureSettingsFile();
    store.LoadSettings(store.IniFileName);
}
