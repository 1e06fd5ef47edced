#pragma once

#include <cstddef>
#include <string>

// Shift-JIS (code page 932) byte rules. A lead byte starts a double-byte
// character whose trail byte may look like '\' or an ASCII letter.
bool IsLeadByte(unsigned char byte);

// The byte position of the character after the one at position; a lead byte
// at the very end counts as a whole character.
size_t NextCharacter(const std::string& text, size_t position);

// True when position is where a character begins, not inside one.
bool IsCharacterStart(const std::string& text, size_t position);

size_t CharacterCount(const std::string& text);

// The byte position where the character after the first count characters
// begins; the text's size when it has no more.
size_t ByteOffsetOfCharacter(const std::string& text, size_t count);

// Where text goes on after its leading part: just after the part's bytes when
// text begins with them (ignoring ASCII case), so that a lone lead byte closing
// the part never takes the byte after it for its trail; otherwise after as
// many characters as the part has.
size_t EndOfLeadingPart(const std::string& text, const std::string& leading);

// The byte position of the first occurrence of part at or after from that
// begins at a character start, or npos.
size_t FindWhole(const std::string& text, const std::string& part, size_t from = 0);

// The byte position of the last occurrence of part that begins at a
// character start, or npos; an empty part is found at the end.
size_t FindLastWhole(const std::string& text, const std::string& part);

// Every whole occurrence of part replaced, scanning left to right.
std::string ReplaceAllWhole(const std::string& text, const std::string& part,
                            const std::string& replacement);

// True when the last character is the single-byte character c.
bool EndsWithCharacter(const std::string& text, char c);

// Letter case changed for ASCII letters only; double-byte characters are
// copied whole.
std::string AsciiLowerCase(const std::string& text);
std::string AsciiUpperCase(const std::string& text);
bool EqualsIgnoringAsciiCase(const std::string& left, const std::string& right);
