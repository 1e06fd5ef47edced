#include "platform/win32/rich_edit_console_view.h"

#include "platform/win32/rich_text_view.h"
#include "text/win32/text_encoding.h"

#include <richedit.h>

namespace {

// Beyond the end of any text: RichEdit puts the caret at the end.
const LONG kPastTheEnd = 0x7FFFFFFF;

} // namespace

void RichEditConsoleView::Attach(HWND edit) {
    edit_ = edit;
    AllowLongText(edit_);
    // Nobody edits a console; keeping undo for every line it shows makes
    // each one cost twice as much.
    SendMessageW(edit_, EM_SETUNDOLIMIT, 0, 0);
}

bool RichEditConsoleView::HoldsText() {
    return GetWindowTextLengthW(edit_) > 0;
}

void RichEditConsoleView::AppendText(const std::string& text) {
    MoveCaretToEnd();
    const std::wstring wide = WideFromShiftJis(text);
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void RichEditConsoleView::ShowEnd() {
    MoveCaretToEnd();
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

// What changed is invalid already; repainting the whole view every round
// cost a captured mknmz run a tenth of its time under Wine.
void RichEditConsoleView::Refresh() {
    UpdateWindow(edit_);
}

void RichEditConsoleView::MoveCaretToEnd() {
    CHARRANGE end{kPastTheEnd, kPastTheEnd};
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
}
