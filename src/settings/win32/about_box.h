#pragma once

#include <windows.h>

// TfrmAbout: the plug-in's name, version and links, shown modally and
// centred over owner.
void ShowAboutBox(HWND owner);
