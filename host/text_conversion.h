#pragma once

#include <string>

// Shift-JIS (code page 932) to UTF-16 and back, for the Win32 W functions.
std::wstring FromSjis(const std::string& text);
std::string ToSjis(const std::wstring& text);

// Backslash scans that step over the trail bytes of double-byte characters.
bool EndsWithSeparator(const std::string& path);
size_t LastSeparator(const std::string& path);
