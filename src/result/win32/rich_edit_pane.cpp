#include "result/win32/rich_edit_pane.h"

#include "text/win32/text_encoding.h"

#include <richedit.h>

namespace {

std::wstring WideLines(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        wide += WideFromShiftJis(text.substr(start, end - start));
        if (end == std::string::npos)
            return wide;
        wide += L"\r\n";
        start = end + 2;
    }
}

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

void SetPaneText(HWND pane, const std::string& text) {
    SetWindowTextW(pane, WideLines(text).c_str());
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR | CFM_BOLD | CFM_UNDERLINE | CFM_ITALIC;
    format.dwEffects = CFE_AUTOCOLOR;
    SendMessageW(pane, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
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

void ScrollLineToTop(HWND pane, int32_t character) {
    SendMessageW(pane, EM_LINESCROLL, 0, LineOf(pane, character));
    SendMessageW(pane, EM_SETSEL, character, character);
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
