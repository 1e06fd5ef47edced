#pragma once

#include <optional>
#include <string>

// A folder kept as a saved target ([Mknmz] and [Search] Folder<i>): its
// catalogue position in decimal, ":" and its Title when it was saved, e.g.
// "3:Work". Only the first ":" separates, so a title may hold more.
struct SavedTarget {
    int Position = -1; // -1 when the text before the ":" is no integer
    std::string Title;
};

std::string SavedTargetEntry(int position, const std::string& title);

// Nothing unless entry has a ":" after at least one character.
std::optional<SavedTarget> ParseSavedTarget(const std::string& entry);
