#pragma once

#include "catalogue/folder_catalogue.h"
#include "platform/clock.h"
#include "platform/console_runner.h"
#include "platform/file_system.h"
#include "platform/host_api.h"
#include "platform/message_pump.h"
#include "platform/system_info.h"
#include "platform/user_interface.h"
#include "settings/settings_store.h"

// Everything the index update dialog and its runs use outside themselves:
// the process-wide settings, catalogue and IndexingRunning flag among them.
struct IndexServices {
    SettingsStore& Store;
    FolderCatalogue& Catalogue;
    bool& IndexingRunning;
    HostApi& Host;
    FileSystem& Files;
    ConsoleRunner& Runner;
    MessagePump& Pump;
    Clock& Time;
    SystemInfo& System;
    UserInterface& Ui;
};
