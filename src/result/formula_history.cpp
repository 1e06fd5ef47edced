#include "result/formula_history.h"

#include "settings/integer_text.h"
#include "text/shift_jis.h"

#include <algorithm>

void PutFormulaOnTop(std::vector<std::string>& items, const std::string& formula) {
    const auto found = std::find_if(items.begin(), items.end(), [&](const std::string& item) {
        return EqualsIgnoringAsciiCase(item, formula);
    });
    if (found == items.end())
        items.insert(items.begin(), formula);
    else
        std::rotate(items.begin(), found, found + 1);
}

void StoreFormulaHistory(const std::vector<std::string>& items, TSettings& settings) {
    const size_t count =
        static_cast<size_t>(std::max(IntegerOr(settings.FormulaHistryCount, 0), 0));
    const size_t stored = std::min(count, items.size());
    if (settings.History.size() < stored)
        settings.History.resize(stored);
    std::copy(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(stored),
              settings.History.begin());
}
