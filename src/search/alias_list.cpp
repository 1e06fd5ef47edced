#include "search/alias_list.h"

#include "catalogue/folder_catalogue.h"
#include "platform/plugin_error.h"
#include "settings/integer_text.h"

#include <algorithm>

AliasListChange::AliasListChange(SettingsStore& store)
    : store_(store), aliases_(store.Settings.Aliases), aliasMax_(store.Settings.AliasMax) {}

bool AliasListChange::Save(UserInterface& ui) {
    try {
        store_.SaveAliases();
        return true;
    } catch (const PluginError& error) {
        store_.Settings.Aliases = aliases_;
        store_.Settings.AliasMax = aliasMax_;
        ui.ShowMessage(error.what());
        return false;
    }
}

void DeleteAlias(TSettings& settings, const std::string& name) {
    const int position = FindAliasByName(settings.Aliases, name);
    if (position < 0)
        return;
    settings.Aliases.erase(settings.Aliases.begin() + position);
    settings.AliasMax = std::to_string(IntegerOr(settings.AliasMax, 0) - 1);
}

void MoveAlias(TSettings& settings, int from, int to) {
    auto& aliases = settings.Aliases;
    if (from < to)
        std::rotate(aliases.begin() + from, aliases.begin() + from + 1, aliases.begin() + to + 1);
    else if (from > to)
        std::rotate(aliases.begin() + to, aliases.begin() + from, aliases.begin() + from + 1);
}
