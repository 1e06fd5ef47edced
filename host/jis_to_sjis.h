#pragma once

#include <string>
#include <string_view>

// Converts ISO-2022-JP text to Shift-JIS. The result is never longer than the
// input: escape sequences vanish and every other byte maps to one byte or a
// pair to a pair. Escape sequences that are unknown or cut short are copied
// unchanged.
std::string JisToSjis(std::string_view jis);
