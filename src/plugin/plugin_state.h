#pragma once

#include "settings/settings_store.h"

#include <string>
#include <vector>

// State shared by all host windows and accounts for as long as the library
// is loaded.
struct PluginState {
    explicit PluginState(FileSystem& files) : Store(files) {}

    // Empty when loaded, "Yet" after start-up, "Finished" once an automatic
    // index update has been offered.
    std::string RunState;
    SettingsStore Store;
    // True while an index update runs mknmz.
    bool IndexingRunning = false;
    // The search the search dialog hands to the result window: the query
    // formula and the targets' catalogue positions.
    std::string SearchFormula;
    std::vector<int> SearchTargets;
};
