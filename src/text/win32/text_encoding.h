#pragma once

#include <string>

// Text at the Win32 boundary, whatever the system's ANSI code page: the
// plug-in's data is Shift-JIS (code page 932); Wine names Linux files in
// UTF-8.
std::wstring WideFromCodePage(const std::string& text, unsigned codePage);
std::string CodePageFromWide(const std::wstring& text, unsigned codePage);

std::wstring WideFromShiftJis(const std::string& text);
std::string ShiftJisFromWide(const std::wstring& text);
