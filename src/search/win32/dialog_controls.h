#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Replaces the items of a combo box.
void SetComboItems(HWND combo, const std::vector<std::string>& items);
void SetListItems(HWND list, const std::vector<std::string>& items);
