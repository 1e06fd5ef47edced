#pragma once

#include "platform/clock.h"
#include "platform/console_runner.h"
#include "platform/file_system.h"
#include "platform/host_api.h"
#include "platform/message_pump.h"
#include "platform/system_info.h"
#include "platform/user_interface.h"
#include "plugin/plugin_state.h"

// Everything the index update dialog and its runs use outside themselves.
struct IndexServices {
    PluginState& State;
    HostApi& Host;
    FileSystem& Files;
    ConsoleRunner& Runner;
    MessagePump& Pump;
    Clock& Time;
    SystemInfo& System;
    UserInterface& Ui;
};
