#pragma once

#include "result/formula_terms.h"
#include "result/pane_positions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where a formula's terms stand in a Shift-JIS pane text, and moving the
// caret from mark to mark.

struct MarkedRange {
    int32_t Start; // byte offset in the pane text
    int32_t Length;
};

// Every occurrence of the terms in text, in text order, none overlapping:
// occurrences that overlap are merged into one mark. ASCII letters match without regard to case,
// and a match begins only where a character begins (a lead byte before a line break stands alone,
// as in the pane). The words of a phrase may stand apart by ASCII or
// ideographic spaces, tabs and line breaks, or stand together, as Namazu
// finds "会議 予定" in 会議予定; the phrase is one mark.
std::vector<MarkedRange> WordMarks(const std::string& text, const std::vector<FormulaTerm>& terms);

// The marks' starts in RichEdit positions of the pane text they were found
// in.
std::vector<int32_t> MarkStarts(const std::vector<MarkedRange>& marks,
                                const PanePositions& positions);

// The first start after caret (F3) and the last start before it
// (Shift+F3). Neither wraps around: past the last mark, or before the
// first, there is none.
std::optional<int32_t> NextMark(const std::vector<int32_t>& starts, int32_t caret);
std::optional<int32_t> PreviousMark(const std::vector<int32_t>& starts, int32_t caret);
