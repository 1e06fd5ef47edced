#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Shift-JIS texts in and out of the search dialogs' controls.

std::string WindowTextSjis(HWND control);
void SetWindowTextSjis(HWND control, const std::string& text);
// Replaces the items of a combo box.
void SetComboItems(HWND combo, const std::vector<std::string>& items);
void SetListItems(HWND list, const std::vector<std::string>& items);

// Centres the dialog on its owner and moves it onto the screen.
void PlaceOverOwner(HWND dialog, HWND owner);
