#pragma once

#include <string>

// Trimming as the plug-in means it: characters with codes 0 to 32 (control
// characters and the ASCII space) go; the ideographic space "　" stays.
std::string TrimControlCharacters(const std::string& text);
std::string TrimTrailingControlCharacters(const std::string& text);
