#pragma once

#include "indexer/index_services.h"

#include <windows.h>

// Shows the index update dialog TfrmMknmz modally over the host window and
// destroys it, with the console windows of its runs, when it closes.
void ShowIndexDialog(HWND host, IndexServices& services);
