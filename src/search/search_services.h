#pragma once

#include "catalogue/folder_catalogue.h"
#include "platform/host_api.h"
#include "platform/user_interface.h"
#include "settings/settings_store.h"

#include <string>
#include <vector>

// Everything the search dialog and the alias dialog use outside themselves:
// the process-wide settings and catalogue, and the search they hand to the
// result window (the query formula and the targets' catalogue positions).
struct SearchServices {
    SettingsStore& Store;
    FolderCatalogue& Catalogue;
    std::string& SearchFormula;
    std::vector<int>& SearchTargets;
    HostApi& Host;
    UserInterface& Ui;
};
