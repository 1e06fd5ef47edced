#pragma once

#include "result/result_rendering.h"
#include "result/word_marks.h"

#include <string>
#include <vector>

// One RTF document that a RichEdit control reads as exactly the given pane
// text, with the coloured ranges painted: each double-byte character comes
// out as one character, each CR LF (or lone CR or LF) as one line break, and
// no break is added at the end. The ranges must be in text order; one that
// overlaps the range before it is left out.
//
// The document names no font, so the control keeps its own face, size and
// weight; the bytes are read as code page 932.
std::string RichTextDocument(const std::string& text, const std::vector<ColouredRange>& colours);

// The background of a marked word; only its colour counts.
constexpr RangeFormat kMarkFormat{255, 255, 0, false};

// The same with the marks' background as well, in text order, where one
// that overlaps the mark before it is left out. A mark and a coloured range
// may overlap in any way, and each character shows both. Without marks the
// document is the one above.
std::string RichTextDocument(const std::string& text, const std::vector<ColouredRange>& colours,
                             const std::vector<MarkedRange>& marks);
