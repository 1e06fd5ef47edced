#pragma once

#include <string>
#include <vector>

// A named set of folders. Dirs holds each member's index directory without
// the base directory, each followed by a carriage return.
struct TAliasInfo {
    std::string Name;
    std::string Dirs;
    bool Selected = false; // the alias applied in the search dialog; never stored
};

// The member entries of Dirs: a CR, an LF or a CR LF ends each; text after
// the last line end is an entry only when it is not empty.
std::vector<std::string> AliasDirLines(const std::string& dirs);
