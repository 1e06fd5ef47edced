#pragma once

#include "search/search_services.h"

#include <windows.h>

#include <string>
#include <vector>

// Opens the search dialog modally over the host window; 1 after Search
// (SearchFormula and SearchTargets are set), 2 after Cancel. Both throw
// PluginError when the dialog cannot be opened.
int ShowSearchDialog(HWND host, SearchServices& services);

// Opens the search dialog from the result window: centred on it, with the
// result window's keyword list and the current SearchFormula as the text.
int ShowSearchDialogOverResult(HWND host, SearchServices& services, HWND resultWindow,
                               const std::vector<std::string>& keywordItems);
