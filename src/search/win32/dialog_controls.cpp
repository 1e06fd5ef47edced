#include "search/win32/dialog_controls.h"

#include "text/win32/text_encoding.h"

void SetComboItems(HWND combo, const std::vector<std::string>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageW(combo, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromShiftJis(item).c_str()));
}

void SetListItems(HWND list, const std::vector<std::string>& items) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromShiftJis(item).c_str()));
}
