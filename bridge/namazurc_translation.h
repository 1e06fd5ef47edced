#pragma once

#include "argument_translation.h"

#include <string>

// A copy of a namazurc (or namazu.conf) text whose INDEX lines, quoted or
// not, name the index directory by its Linux path. The keyword is matched
// ignoring case, separators and line ends are kept, every other line is left
// as it is: REPLACE targets such as /C|/acc/ are document names, not paths.
std::string TranslateNamazurc(const std::string& text, const PathTranslator& toLinux);
