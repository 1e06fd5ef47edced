#pragma once

#include "catalogue/folder_catalogue.h"

#include <string>
#include <vector>

// An alias names its folders by index directory with the index base cut
// off, so that the same alias works whatever [Mknmz] IndexDir says.

// The catalogue positions of the members, in order; members that match no
// folder are left out.
std::vector<int> AliasMemberPositions(const FolderCatalogue& catalogue, const std::string& dirs,
                                      const std::string& indexBase);

// Dirs for the folders at positions: each member entry followed by CR, the
// final CR trimmed away.
std::string AliasDirsOf(const FolderCatalogue& catalogue, const std::vector<int>& positions,
                        const std::string& indexBase);

// The titles of the folders at positions, in order.
std::vector<std::string> FolderTitles(const FolderCatalogue& catalogue,
                                      const std::vector<int>& positions);
