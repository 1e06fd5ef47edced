#pragma once

#include <windows.h>

#include <string>

// Control texts and check marks in Shift-JIS terms.
std::string ControlText(HWND control);
void SetControlText(HWND control, const std::string& text);
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);
