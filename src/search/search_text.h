#pragma once

#include <string>

// Text rules of the search dialogs over Shift-JIS.

// Leading and trailing characters with codes 0 to 32 removed. The
// ideographic space is not one of them.
std::string TrimControlCharacters(const std::string& text);

// Every ideographic space removed, matching at character starts only.
std::string WithoutIdeographicSpaces(const std::string& text);

// True when the text holds nothing but spaces of either width and control
// characters.
bool IsBlankCountingIdeographicSpaces(const std::string& text);
