#pragma once

#include "result/result_list.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The result window's RichEdit panes, addressed in RichEdit positions.

// Shows a pane text of CR LF lines, plain, in the window-text colour. Each
// line is converted on its own, so that every character of it takes one
// position and a lead byte at a line's end cannot swallow the line break.
void SetPaneText(HWND pane, const std::string& text);

int32_t CaretPosition(HWND pane);
bool HasSelection(HWND pane);
// The caret at character with nothing selected, scrolled into view.
void SetCaret(HWND pane, int32_t character);
// The character under a point of the pane's client area.
int32_t CharacterAt(HWND pane, POINT point);

// Scrolls character's line to the top of the view and puts the caret there.
void ScrollLineToTop(HWND pane, int32_t character);
// Space and Backspace: a page down or up with the caret following it; a beep
// when the caret is already after the last line break or at the very top.
void PageDown(HWND pane);
void PageUp(HWND pane);
