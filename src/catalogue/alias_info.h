#pragma once

#include <string>

// A named set of folders. Dirs holds each member's index directory without
// the base directory, each followed by a carriage return.
struct TAliasInfo {
    std::string Name;
    std::string Dirs;
    bool Selected = false; // the alias applied in the search dialog; never stored
};
