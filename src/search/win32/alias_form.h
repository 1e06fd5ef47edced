#pragma once

#include "search/alias_dialog.h"

#include <windows.h>

#include <string>

// Opens the alias dialog modally over owner; 1 when the alias list was
// saved, 2 when cancelled; throws PluginError when it cannot be opened.
// oldAlias is the alias rename mode starts with, or -1.
int ShowAliasDialog(HWND owner, AliasDialog& dialog, int oldAlias, const std::string& defaultName);
