#pragma once

#include "settings/settings_store.h"

#include <string>

// The settings file of the account in accountDir (ending in a backslash).
std::string AccountSettingsFile(const std::string& accountDir);

// What every window and entry point does before it reads the settings: the
// account's file becomes IniFileName, is created with the defaults if it is
// missing, and is loaded.
void OpenAccountSettings(SettingsStore& store, const std::string& accountDir);
