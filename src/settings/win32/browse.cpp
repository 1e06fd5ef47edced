#include "settings/win32/browse.h"

#include "text/win32/text_encoding.h"

#include <windows.h>

#include <shellapi.h>

void Win32Shell::OpenWithShell(const std::string& pathOrUrl) {
    ShellExecuteW(nullptr, L"open", WideFromShiftJis(pathOrUrl).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}
