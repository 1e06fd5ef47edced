#pragma once

#include <optional>
#include <string>
#include <vector>

// One row of the header list: a header name as typed (with its colon) and
// its keyword, trimmed.
struct HeaderCondition {
    std::string Name;
    std::string Keyword;
};

// The header names offered, and the only ones accepted (ignoring case).
extern const char* const kHeaderNames[6];

// The search dialog's header conditions in the order they were added, with
// the list's selected row (-1 when none).
class HeaderConditions {
public:
    const std::vector<HeaderCondition>& Rows() const { return rows_; }
    int Selected() const { return selected_; }
    // The row the user selected in the list.
    void Select(int row) { selected_ = row; }

    // Adds a row unless the name is not a known header, the keyword is blank
    // or the same row exists; false when nothing was added.
    bool Add(const std::string& nameText, const std::string& keywordText);
    // Removes the selected row and selects its successor, else the last row;
    // the removed row goes back into the input fields.
    std::optional<HeaderCondition> DeleteSelected();

    // The conditions as Namazu reads them: "+Name:keyword", space separated.
    std::string FormulaPart() const;

private:
    std::vector<HeaderCondition> rows_;
    int selected_ = -1;
};
