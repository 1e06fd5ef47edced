#pragma once

#include "search/header_conditions.h"
#include "settings/settings_record.h"

#include <string>
#include <vector>

// What Search makes of the keyword box and the header conditions.
struct AssembledFormula {
    std::string Formula;
    // The trimmed keyword was empty or only ideographic spaces, and the box
    // is emptied.
    bool ClearKeyword = false;
};

// The keyword, trimmed, ahead of the header conditions.
AssembledFormula AssembleSearchFormula(const std::string& keywordText,
                                       const HeaderConditions& conditions);

// The stored formula history, newest first, without blank entries.
std::vector<std::string> FormulaHistoryItems(const TSettings& settings);
