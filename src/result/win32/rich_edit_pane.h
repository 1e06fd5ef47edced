#pragma once

#include "result/result_rendering.h"
#include "result/word_marks.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The result window's RichEdit panes, addressed in RichEdit positions.

// Shows a pane text of CR LF lines through one RTF stream, with the coloured
// ranges and marks painted and the rest in the pane's own format, the caret
// at topCharacter and its line at the top. A pane that takes the text only
// in part says so in the plain box.
void ShowPaneText(HWND pane, const std::string& text, const std::vector<ColouredRange>& colours,
                  const std::vector<MarkedRange>& marks, int32_t topCharacter);

int32_t CaretPosition(HWND pane);
bool HasSelection(HWND pane);
// The caret at character with nothing selected, scrolled into view.
void SetCaret(HWND pane, int32_t character);
// The character under a point of the pane's client area.
int32_t CharacterAt(HWND pane, POINT point);

// Space and Backspace: a page down or up with the caret following it; a beep
// when the caret is already after the last line break or at the very top.
void PageDown(HWND pane);
void PageUp(HWND pane);
