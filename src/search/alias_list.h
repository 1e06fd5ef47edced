#pragma once

#include "settings/settings_record.h"

#include <string>

// Edits of the alias list that keep [Alias] Max in step. Records move
// whole: name, members and the Selected mark together.

// Removes the alias with exactly this name, if there is one.
void DeleteAlias(TSettings& settings, const std::string& name);

// Puts the record at from at position to, shifting those in between.
void MoveAlias(TSettings& settings, int from, int to);
