#pragma once

#include <optional>
#include <string>

// Settings hold numbers as decimal text: an optional sign and digits that fit
// in 32 bits. Anything else is not an integer.
std::optional<int> ParseInteger(const std::string& text);
int IntegerOr(const std::string& text, int fallback);
