#pragma once

#include <windows.h>

// Opens a folder window and introduces it to the plug-in (APCFolderCreate,
// then APCFolderInitMenu); null if the window cannot be created.
HWND OpenFolderWindow();
// Closes it as the user would; the plug-in hears of it before it goes.
void CloseFolderWindow(HWND window);
// Chooses a menu command of the window as the user would.
void ChooseMenuCommand(HWND window, int commandId);
