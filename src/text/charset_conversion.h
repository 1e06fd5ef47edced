#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "〓", which stands for every character code page 932 cannot hold and for
// bytes that are no character of their charset.
extern const char kUnrepresentable[];

// Text in the named MIME charset as Shift-JIS (code page 932). Names are
// matched ignoring case, with their common aliases: ISO-2022-JP, Shift_JIS
// (also cp932, Windows-31J), EUC-JP, UTF-8, US-ASCII, ISO-8859-1.
// US-ASCII is read as ISO-2022-JP, since JIS text is often sent under that
// label.
//
// An empty or unknown name is guessed from the bytes: an escape byte means
// ISO-2022-JP; valid UTF-8 means UTF-8 (Japanese UTF-8 is often valid
// Shift-JIS as well, never the other way round); valid Shift-JIS means
// Shift-JIS, unless the text is also valid EUC-JP and would show
// half-width katakana, as EUC-JP read as Shift-JIS does; anything else is
// read as EUC-JP.
std::string ToShiftJis(std::string_view text, std::string_view charset);

// Appends a Unicode scalar in code page 932, or kUnrepresentable.
void AppendAsShiftJis(std::string& out, uint32_t scalar);
