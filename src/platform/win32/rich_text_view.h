#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Filling a RichEdit 2.0 control (class RichEdit20W) with a whole text in
// one go. Shift-JIS on the way in, as everywhere else.

// Loads riched20.dll, which holds the RichEdit20W class, once and for good.
bool LoadRichEdit();

// Lifts RichEdit's default limit of 32K characters.
void AllowLongText(HWND edit);

// A control ready to take a new text, for one that may hold a long one.
// Wine's RichEdit deletes text in a time that grows with the square of its
// lines (emptying 80,000 lines takes minutes), while destroying the control
// is quick. So a control of many lines is replaced by an empty copy in the
// same place, with its id, styles, name, font, character format, text limit,
// event mask and focus; a shorter one is returned as it is. The caller
// subclasses the copy again.
HWND EmptiedForNewText(HWND edit);

// Replaces the control's whole text by an RTF document read through one
// stream, with repainting suspended until the text is in, the caret at
// topCharacter and its line scrolled to the top. What the document leaves
// unformatted takes the control's default character format
// (EM_SETCHARFORMAT with SCF_DEFAULT, or WM_SETFONT): formats given to the
// old text alone are lost. False when the control took the document only in
// part.
bool LoadRichText(HWND edit, const std::string& document, int32_t topCharacter = 0);
