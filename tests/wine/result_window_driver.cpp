#include "result_window_driver.h"

#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>

std::string BridgedNamazuSections(const std::string& moreMknmzOptions) {
    const std::string bin = ShiftJisFromWide(ui::ProgramDirectory());
    return "[Result]\r\nConfirmCommandLine=1\r\n[Command]\r\nPerlPath=" + bin +
           "perl.exe\r\nmknmzPath=Z:\\usr\\bin\\mknmz\r\n"
           "mknmzOption=--mailnews --allow=\".*\\.alm\"" +
           moreMknmzOptions + "\r\nnamazuPath=" + bin + "namazu.exe\r\nNamazuVersion=2.0\r\n";
}

HWND Named(HWND window, const char* name) {
    HWND control = ui::FindControlByName(window, name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

std::string Text(HWND window, const char* name) {
    return ShiftJisFromWide(ui::WindowText(Named(window, name)));
}

void Press(HWND window, const char* name) {
    EXPECT_TRUE(ui::PressButtonById(window, GetDlgCtrlID(Named(window, name)))) << name;
}

std::string WaitForPane(HWND window, const std::string& begin, DWORD timeoutMs) {
    std::string text;
    std::string previous;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        previous = text;
        text = Text(window, "edtResult");
        if (IsWindowEnabled(window) && IsWindowEnabled(Named(window, "btnSearch")) &&
            text == previous && text.compare(0, begin.size(), begin) == 0)
            break;
        Sleep(50);
    }
    return text;
}

std::string SearchAgain(HWND window, const std::string& word, DWORD timeoutMs) {
    SendMessageW(Named(window, "cboKeyword"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideFromShiftJis(word).c_str()));
    Press(window, "btnViewCommandLine");
    WaitForPane(window, "WorkDir: ", timeoutMs);
    Press(window, "btnSearch");
    return WaitForPane(window, "検索結果\r\n", timeoutMs);
}

std::wstring PaneCharacters(HWND pane) {
    std::wstring text = ui::WindowText(pane);
    for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at))
        text.erase(at + 1, 1);
    return text;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
