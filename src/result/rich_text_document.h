#pragma once

#include "result/result_list.h"

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
