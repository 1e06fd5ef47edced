#pragma once

#include "platform/console_runner.h"
#include "platform/file_system.h"
#include "platform/host_api.h"
#include "platform/message_pump.h"
#include "platform/shell.h"
#include "platform/user_interface.h"
#include "plugin/plugin_state.h"

// Everything the result window and its searches use outside themselves.
struct ResultServices {
    PluginState& State;
    HostApi& Host;
    FileSystem& Files;
    ConsoleRunner& Runner;
    MessagePump& Pump;
    UserInterface& Ui;
    Shell& Opener;
};
