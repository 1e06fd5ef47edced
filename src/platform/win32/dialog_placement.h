#pragma once

#include "platform/window_placement.h"

#include <windows.h>

WindowRect RectOf(HWND window);
// Centres the dialog on its owner and keeps it on the screen; its size stays.
void PlaceOverOwner(HWND dialog, HWND owner);
