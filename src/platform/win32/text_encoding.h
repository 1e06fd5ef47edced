#pragma once

#include <string>

// Shift-JIS (code page 932) <-> UTF-16, whatever the system's ANSI code page.
std::wstring WideFromShiftJis(const std::string& text);
std::string ShiftJisFromWide(const std::wstring& text);
