#pragma once

#include "indexer/index_services.h"
#include "platform/console_runner.h"
#include "platform/user_interface.h"
#include "plugin/plugin_core.h"
#include "result/result_services.h"
#include "search/search_services.h"

// The one plug-in per loaded library, wired to the Win32 services.
PluginCore& ThePlugin();
UserInterface& TheUserInterface();
PluginState& ThePluginState();
HostApi& TheHostApi();
ConsoleRunner& TheConsoleRunner();
IndexServices& TheIndexServices();
SearchServices& TheSearchServices();
ResultServices& TheResultServices();
