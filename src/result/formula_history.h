#pragma once

#include "settings/settings_record.h"

#include <string>
#include <vector>

// The formula box's list, most recent first: formula put on top, or the
// entry that equals it ignoring ASCII letter case moved there as it is.
void PutFormulaOnTop(std::vector<std::string>& items, const std::string& formula);

// History entries 1 .. [Search] FormulaHistryCount taken from the list;
// entries beyond the list's length keep their values.
void StoreFormulaHistory(const std::vector<std::string>& items, TSettings& settings);
