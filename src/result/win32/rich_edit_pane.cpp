#include "result/win32/rich_edit_pane.h"

#include "platform/win32/dialog_base.h"
#include "platform/win32/rich_text_view.h"
#include "result/rich_text_document.h"

#include <richedit.h>

namespace {

int32_t LineOf(HWND pane, int32_t character) {
    return static_cast<int32_t>(SendMessageW(pane, EM_EXLINEFROMCHAR, 0, character));
}

// The lines as the pane counts them, an empty last line not included: a
// caret on that line stands after the last line break.
int32_t LineCount(HWND pane) {
    const LRESULT lines = SendMessageW(pane, EM_GETLINECOUNT, 0, 0);
    const LRESULT lastStart = SendMessageW(pane, EM_LINEINDEX, lines - 1, 0);
    const bool lastIsEmpty = SendMessageW(pane, EM_LINELENGTH, lastStart, 0) == 0;
    return static_cast<int32_t>(lastIsEmpty ? lines - 1 : lines);
}

void CaretToTopLine(HWND pane) {
    const LRESULT top = SendMessageW(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    SetCaret(pane, static_cast<int32_t>(SendMessageW(pane, EM_LINEINDEX, top, 0)));
}

} // namespace

void ShowPaneText(HWND pane, const std::string& text, const std::vector<ColouredRange>& colours,
                  const std::vector<MarkedRange>& marks, int32_t topCharacter) {
    if (!LoadRichText(pane, RichTextDocument(text, colours, marks), topCharacter))
        FailureBox().ShowMessage("テキストを最後まで表示できませんでした。");
}

int32_t CaretPosition(HWND pane) {
    CHARRANGE range = {};
    SendMessageW(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMin;
}

bool HasSelection(HWND pane) {
    CHARRANGE range = {};
    SendMessageW(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMin != range.cpMax;
}

void SetCaret(HWND pane, int32_t character) {
    SendMessageW(pane, EM_SETSEL, character, character);
    SendMessageW(pane, EM_SCROLLCARET, 0, 0);
}

int32_t CharacterAt(HWND pane, POINT point) {
    POINTL at = {point.x, point.y};
    return static_cast<int32_t>(
        SendMessageW(pane, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
}

void PageDown(HWND pane) {
    if (LineOf(pane, CaretPosition(pane)) == LineCount(pane)) {
        MessageBeep(MB_OK);
        return;
    }
    SendMessageW(pane, WM_VSCROLL, SB_PAGEDOWN, 0);
    CaretToTopLine(pane);
}

void PageUp(HWND pane) {
    if (CaretPosition(pane) == 0) {
        MessageBeep(MB_OK);
        return;
    }
    SendMessageW(pane, WM_VSCROLL, SB_PAGEUP, 0);
    CaretToTopLine(pane);
}
