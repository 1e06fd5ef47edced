#pragma once

#include "catalogue/folder_catalogue.h"

#include <string>
#include <vector>

// One item of the folder popup: a mail folder to pick, or a container whose
// contents form its submenu (a container without contents has neither).
struct FolderMenuItem {
    std::string Caption;
    int Position = 0;
    bool Pickable = false;
    std::vector<FolderMenuItem> Children;
};

// The catalogue as nested menu items: records after a container at the next
// level become its submenu, to any depth.
std::vector<FolderMenuItem> BuildFolderMenu(const FolderCatalogue& catalogue);
