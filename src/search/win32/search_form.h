#pragma once

#include "platform/search_dialog_end.h"
#include "search/search_services.h"

#include <windows.h>

#include <string>
#include <vector>

// Opens the search dialog modally over the host window. Both throw
// PluginError when the dialog cannot be opened.
SearchDialogEnd ShowSearchDialog(HWND host, SearchServices& services);

// Opens the search dialog from the result window: centred on it, with the
// result window's keyword list and the current SearchFormula as the text.
SearchDialogEnd ShowSearchDialogOverResult(HWND host, SearchServices& services, HWND resultWindow,
                                           const std::vector<std::string>& keywordItems);
