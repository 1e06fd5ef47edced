#pragma once

#include <optional>
#include <string>

// The first option letter of a single-dash group in options that mknmz of
// Namazu 2.0 refuses ("Unknown option: P" for Namazu 1.3's -kh -KP, after
// which it indexes nothing), or none.
std::optional<char> UnknownNamazu20Letter(const std::string& options);
