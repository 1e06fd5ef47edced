#pragma once

// Two settings records for the save-killing tests, shared by the saving
// child and the test that checks what it leaves behind. They differ in every
// history entry and each writes well over 100 KB, so that a kill often lands
// in the middle of a save.
#include "settings/settings_record.h"

#include <string>

const int kLargeHistoryEntries = 2000;

// variant is 0 or 1; the entries of 1 are longer, so that neither file is a
// prefix of the other.
inline void FillLargeSettings(TSettings& settings, int variant) {
    settings.FormulaHistryCount = std::to_string(kLargeHistoryEntries);
    settings.History.clear();
    const std::string filler(40 + 20 * variant, variant == 0 ? 'a' : 'b');
    for (int i = 0; i < kLargeHistoryEntries; ++i) {
        settings.History.push_back("検索式" + std::to_string(variant) + "-" + std::to_string(i) +
                                   " " + filler);
    }
    settings.When = variant == 0 ? "UserOperation" : "CleanUp";
}
