#include "search/search_formula.h"

#include "search/search_text.h"
#include "settings/integer_text.h"

#include <algorithm>

AssembledFormula AssembleSearchFormula(const std::string& keywordText,
                                       const HeaderConditions& conditions) {
    const std::string headers = conditions.FormulaPart();
    const std::string keyword = TrimControlCharacters(keywordText);
    AssembledFormula result;
    if (IsEmptyWithoutIdeographicSpaces(keyword) && headers.empty())
        result.ClearKeyword = true;
    else if (!keyword.empty())
        result.Formula = TrimControlCharacters(keyword + " " + headers);
    else
        result.Formula = headers;
    return result;
}

std::vector<std::string> FormulaHistoryItems(const TSettings& settings) {
    const int count = std::min(IntegerOr(settings.FormulaHistryCount, 0),
                               static_cast<int>(settings.History.size()));
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        const std::string& entry = settings.History[static_cast<size_t>(i)];
        if (!TrimControlCharacters(entry).empty())
            items.push_back(entry);
    }
    return items;
}
