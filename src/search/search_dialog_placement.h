#pragma once

#include "platform/window_placement.h"

// The search and alias dialogs open centred on their owner and moved onto
// the screen; a negative left or top becomes 0 first, so that for a dialog
// larger than the screen the right and bottom edges win.
WindowRect PlaceSearchDialog(const WindowRect& dialog, const WindowRect& owner, int screenWidth,
                             int screenHeight);
