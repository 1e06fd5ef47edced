#pragma once

#include "platform/console_runner.h"
#include "platform/host_api.h"
#include "platform/user_interface.h"
#include "settings/settings_store.h"

#include <windows.h>

// TfrmSetting: loads the host window's account settings, shows them on six
// tabs modally over host and saves them on OK. Failures to read or write the
// settings file are shown in the plain error box.
void ShowSettingsDialog(HWND host, SettingsStore& store, HostApi& hostApi, UserInterface& ui,
                        ConsoleRunner& runner);
