#pragma once

#include "catalogue/folder_catalogue.h"
#include "settings/settings_store.h"

#include <string>
#include <vector>

// State shared by all host windows and accounts for as long as the library
// is loaded.
struct PluginState {
    PluginState(FileSystem& files, HostApi& host)
        : Store(files), Catalogue(files, host, Store.Settings) {}

    // Empty when loaded, "Yet" after start-up, "Finished" once an automatic
    // index update has been offered.
    std::string RunState;
    SettingsStore Store;
    // The host's folders, rebuilt whenever the index or the search dialog opens.
    FolderCatalogue Catalogue;
    // True while an index update runs mknmz.
    bool IndexingRunning = false;
    // The search the search dialog hands to the result window: the query
    // formula and the targets' catalogue positions.
    std::string SearchFormula;
    std::vector<int> SearchTargets;
};
