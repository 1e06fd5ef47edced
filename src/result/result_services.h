#pragma once

#include "platform/console_runner.h"
#include "platform/file_system.h"
#include "platform/host_api.h"
#include "platform/message_pump.h"
#include "platform/shell.h"
#include "platform/user_interface.h"
#include "search/search_services.h"

// Everything the result window and its searches use outside themselves.
struct ResultServices {
    // The settings, the catalogue and the search handed over, shared with the
    // search dialog that the window reopens.
    SearchServices& Search;
    HostApi& Host;
    FileSystem& Files;
    ConsoleRunner& Runner;
    MessagePump& Pump;
    UserInterface& Ui;
    Shell& Opener;
};
