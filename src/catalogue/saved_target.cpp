#include "catalogue/saved_target.h"

#include "settings/integer_text.h"
#include "text/shift_jis.h"

std::string SavedTargetEntry(int position, const std::string& title) {
    return std::to_string(position) + ":" + title;
}

std::optional<SavedTarget> ParseSavedTarget(const std::string& entry) {
    const size_t colon = FindWhole(entry, ":");
    if (colon == std::string::npos || colon == 0)
        return std::nullopt;
    SavedTarget target;
    target.Position = IntegerOr(entry.substr(0, colon), -1);
    target.Title = entry.substr(colon + 1);
    return target;
}
