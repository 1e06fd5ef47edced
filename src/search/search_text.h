#pragma once

#include "text/trimming.h"

#include <string>

// Text rules of the search dialogs over Shift-JIS.

// Every ideographic space removed, matching at character starts only.
std::string WithoutIdeographicSpaces(const std::string& text);

// True when nothing is left once every ideographic space is removed. The
// text is not trimmed again, so an ASCII space between ideographic spaces
// makes it not blank.
bool IsEmptyWithoutIdeographicSpaces(const std::string& text);
