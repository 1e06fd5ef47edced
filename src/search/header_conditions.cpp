#include "search/header_conditions.h"

#include "search/search_text.h"
#include "text/shift_jis.h"

const char* const kHeaderNames[6] = {"Subject:", "From:", "To:", "Date:", "Message-Id:", "Path:"};

namespace {

bool IsKnownHeaderName(const std::string& name) {
    for (const char* known : kHeaderNames) {
        if (EqualsIgnoringAsciiCase(name, known))
            return true;
    }
    return false;
}

} // namespace

bool HeaderConditions::Add(const std::string& nameText, const std::string& keywordText) {
    if (!IsKnownHeaderName(nameText))
        return false;
    const std::string keyword = TrimControlCharacters(keywordText);
    if (keyword.empty())
        return false;
    for (const HeaderCondition& row : rows_) {
        if (row.Name == nameText && row.Keyword == keyword)
            return false;
    }
    rows_.push_back({nameText, keyword});
    if (selected_ < 0)
        selected_ = 0;
    return true;
}

std::optional<HeaderCondition> HeaderConditions::DeleteSelected() {
    if (selected_ < 0 || selected_ >= static_cast<int>(rows_.size()))
        return std::nullopt;
    const HeaderCondition removed = rows_[static_cast<size_t>(selected_)];
    rows_.erase(rows_.begin() + selected_);
    const int count = static_cast<int>(rows_.size());
    if (selected_ >= count)
        selected_ = count - 1;
    return removed;
}

std::string HeaderConditions::FormulaPart() const {
    std::string part;
    for (const HeaderCondition& row : rows_)
        part += "+" + row.Name + row.Keyword + " ";
    return TrimControlCharacters(part);
}
