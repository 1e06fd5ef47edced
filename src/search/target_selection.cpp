#include "search/target_selection.h"

#include "catalogue/saved_target.h"
#include "search/alias_members.h"
#include "settings/integer_text.h"
#include "text/shift_jis.h"

#include <algorithm>

std::string TargetSelection::FolderNameText() const {
    std::string text;
    for (const std::string& title : FolderTitles(catalogue_, selected_))
        text += (text.empty() ? "" : ", ") + title;
    return text;
}

std::string TargetSelection::FolderNameHint() const {
    return ReplaceAllWhole(FolderNameText(), ", ", "\r\n");
}

void TargetSelection::PickFolder(int position, bool shift) {
    // Another window may have rebuilt the catalogue since the menu was made.
    if (position < 0 || position >= catalogue_.Count())
        return;
    const bool additive = shift && !selected_.empty();
    if (additive && IsSelected(position))
        return;
    if (!additive)
        selected_.clear();
    selected_.push_back(position);
    ClearAliasMarks();
}

void TargetSelection::PickCurrentFolder(const std::string& currentFolder, bool shift) {
    AddCurrentFolder(currentFolder, shift);
    ClearAliasMarks();
}

void TargetSelection::AddCurrentFolder(const std::string& currentFolder, bool additive) {
    const std::string current = AsciiLowerCase(currentFolder);
    if (!additive)
        selected_.clear();
    if (current.empty())
        return;
    for (int p = 0; p < catalogue_.Count(); ++p) {
        if (catalogue_.At(p).Path.find(current) == std::string::npos)
            continue;
        if (catalogue_.At(p).Kind != kContainerFolder && !IsSelected(p))
            selected_.push_back(p);
        return;
    }
}

void TargetSelection::ClearAliasMarks() {
    checkedAlias_ = -1;
    currentAlias_.clear();
    for (TAliasInfo& alias : settings_.Aliases)
        alias.Selected = false;
}

std::vector<std::string> TargetSelection::BuildAliasMenu() {
    std::vector<std::string> captions;
    int marked = -1;
    for (size_t i = 0; i < settings_.Aliases.size(); ++i) {
        captions.push_back(settings_.Aliases[i].Name);
        if (settings_.Aliases[i].Selected)
            marked = static_cast<int>(i);
    }
    checkedAlias_ = marked;
    currentAlias_ = marked < 0 ? "" : settings_.Aliases[static_cast<size_t>(marked)].Name;
    return captions;
}

void TargetSelection::ApplyAlias(int alias, const std::string& indexBase) {
    if (alias < 0 || alias >= static_cast<int>(settings_.Aliases.size()))
        return;
    const TAliasInfo& applied = settings_.Aliases[static_cast<size_t>(alias)];
    currentAlias_ = applied.Name;
    checkedAlias_ = alias;
    for (TAliasInfo& other : settings_.Aliases)
        other.Selected = false;
    settings_.Aliases[static_cast<size_t>(alias)].Selected = true;
    selected_ = AliasMemberPositions(catalogue_, applied.Dirs, indexBase);
}

void TargetSelection::ForgetCurrentAlias() {
    currentAlias_.clear();
    checkedAlias_ = -1;
}

void TargetSelection::Restore(const std::vector<int>& searchTargets, const std::string& indexBase) {
    ClearAliasMarks();
    selected_.clear();
    if (!searchTargets.empty()) {
        for (int position : searchTargets) {
            if (position >= 0 && position < catalogue_.Count())
                selected_.push_back(position);
        }
        return;
    }
    const int alias =
        settings_.Alias.empty() ? -1 : FindAliasByName(settings_.Aliases, settings_.Alias);
    if (alias >= 0)
        ApplyAlias(alias, indexBase);
    else
        RestoreSavedFolders();
}

void TargetSelection::RestoreSavedFolders() {
    const int count = std::min(IntegerOr(settings_.SearchTargetFolderCount, 0),
                               static_cast<int>(settings_.SearchFolders.size()));
    for (int i = 0; i < count; ++i) {
        const int position =
            SavedTargetPosition(catalogue_, settings_.SearchFolders[static_cast<size_t>(i)]);
        if (position >= 0)
            selected_.push_back(position);
    }
}

void TargetSelection::Commit(std::vector<int>& searchTargets) const {
    settings_.SearchTargetFolderCount = std::to_string(selected_.size());
    settings_.SearchFolders.clear();
    for (int position : selected_)
        settings_.SearchFolders.push_back(
            SavedTargetEntry(position, catalogue_.At(position).Title));
    searchTargets = selected_;
    settings_.Alias = currentAlias_;
}

bool TargetSelection::IsSelected(int position) const {
    return std::find(selected_.begin(), selected_.end(), position) != selected_.end();
}

int SavedTargetPosition(const FolderCatalogue& catalogue, const std::string& entry) {
    const std::optional<SavedTarget> saved = ParseSavedTarget(entry);
    if (!saved || saved->Position < 0 || saved->Position >= catalogue.Count())
        return -1;
    return catalogue.At(saved->Position).Title == saved->Title ? saved->Position : -1;
}
