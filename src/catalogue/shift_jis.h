#pragma once

#include <cstddef>
#include <string>

// Shift-JIS (code page 932) byte rules. A lead byte starts a double-byte
// character whose trail byte may look like '\' or an ASCII letter.
bool IsLeadByte(unsigned char byte);

// True when position is where a character begins, not inside one.
bool IsCharacterStart(const std::string& text, size_t position);

// The byte position of the last occurrence of part that begins at a
// character start, or npos.
size_t FindLastWhole(const std::string& text, const std::string& part);
