#pragma once

#include "platform/user_interface.h"
#include "settings/settings_store.h"

#include <string>
#include <vector>

// The one rule for every change of the alias list (save-as, rename, move,
// delete): the change is written at once with SaveAliases, and when the
// system refuses the write, the failure is shown and the list in memory is
// put back as it was, so that it always matches the file. Made before the
// change; Save after it.
class AliasListChange {
public:
    explicit AliasListChange(SettingsStore& store);

    // False, with the failure shown and the list restored, when refused.
    bool Save(UserInterface& ui);

private:
    SettingsStore& store_;
    std::vector<TAliasInfo> aliases_;
    std::string aliasMax_;
};

// Edits of the alias list that keep [Alias] Max in step. Records move
// whole: name, members and the Selected mark together.

// Removes the alias with exactly this name, if there is one.
void DeleteAlias(TSettings& settings, const std::string& name);

// Puts the record at from at position to, shifting those in between.
void MoveAlias(TSettings& settings, int from, int to);
