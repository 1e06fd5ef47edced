#pragma once

#include <string>

// Conversions at the Win32 boundary. Arguments and settings are code page
// 932; Wine names Linux files in UTF-8.
std::wstring WideFromCodePage(const std::string& text, unsigned codePage);
std::string CodePageFromWide(const std::wstring& text, unsigned codePage);
