#pragma once

#include "platform/shell.h"

#include <string>

// The about box's texts and the home pages its link menu opens.

// The line the about box adds below its title when it opens.
extern const char kAboutSecondLine[];

// The address for a link menu item's tag (1 ... 4); empty for any other tag.
std::string AboutLinkAddress(int tag);

// mnuWebPage1Click: opens the tag's address with the shell.
void OpenAboutLink(Shell& shell, int tag);
