#pragma once

#include "result/result_rendering.h"

#include <cstdint>
#include <optional>
#include <vector>

// Moving between the hits of the result pane and choosing the one to open.
// The first three work on byte offsets of the pane text.

// The first hit whose URI range has not ended before offset, or -1.
int HitAtOrAfter(const std::vector<TClickableInfo>& hits, int32_t offset);
// Where N puts the caret: the URI line of the next hit, or of the last one
// when the caret is inside it. A hit whose URI line was never found is
// reached at its title.
std::optional<int32_t> NextHitOffset(const std::vector<TClickableInfo>& hits, int32_t offset);
// Where P puts the caret: the title line of the hit before, or of the hit
// the caret follows.
std::optional<int32_t> PreviousHitOffset(const std::vector<TClickableInfo>& hits, int32_t offset);

// The same for the window, in RichEdit positions of edtResult.
int HitToOpen(const HitList& hits, int32_t caret);
std::optional<int32_t> NextHitCaret(const HitList& hits, int32_t caret);
std::optional<int32_t> PreviousHitCaret(const HitList& hits, int32_t caret);

enum class PaneCursor { Unchanged, Default, HandPoint };

// The cursor over the character at position as the mouse moves.
PaneCursor CursorOver(const HitList& hits, int32_t character);

// The hit a left button press opens, or -1. The pane has already put the
// caret at the pressed character; a press that leaves a selection is the
// start of a drag.
int HitToOpenOnPress(const HitList& hits, PaneCursor cursor, bool leftButton, bool hasSelection,
                     int32_t caret);
