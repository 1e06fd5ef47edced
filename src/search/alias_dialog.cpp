#include "search/alias_dialog.h"

#include "search/alias_list.h"
#include "search/alias_members.h"
#include "search/search_text.h"
#include "text/shift_jis.h"

namespace {

const char kErrorCaption[] = "エラー";

} // namespace

AliasDialog::AliasDialog(SettingsStore& store, const FolderCatalogue& catalogue, UserInterface& ui,
                         AliasDialogMode mode, const std::vector<int>& selectedFolders,
                         const std::string& indexBase)
    : store_(store), catalogue_(catalogue), ui_(ui), mode_(mode), selectedFolders_(selectedFolders),
      indexBase_(indexBase) {}

std::vector<std::string> AliasDialog::AliasNames() const {
    std::vector<std::string> names;
    for (const TAliasInfo& alias : store_.Settings.Aliases)
        names.push_back(alias.Name);
    return names;
}

std::vector<std::string> AliasDialog::InsertPositions() const {
    const int count = mode_ == AliasDialogMode::SaveAs ? AliasCount() + 1 : AliasCount();
    std::vector<std::string> positions;
    for (int i = 1; i <= count; ++i)
        positions.push_back(std::to_string(i));
    if (mode_ == AliasDialogMode::SaveAs)
        positions.back() += " (最後)";
    return positions;
}

int AliasDialog::FindNameIgnoringCase(const std::string& name) const {
    for (int i = 0; i < AliasCount(); ++i) {
        if (EqualsIgnoringAsciiCase(store_.Settings.Aliases[static_cast<size_t>(i)].Name, name))
            return i;
    }
    return -1;
}

std::vector<std::string> AliasDialog::FolderNames(int oldAlias) const {
    if (mode_ == AliasDialogMode::SaveAs)
        return FolderTitles(catalogue_, selectedFolders_);
    if (oldAlias < 0 || oldAlias >= AliasCount())
        return {};
    const std::string& dirs = store_.Settings.Aliases[static_cast<size_t>(oldAlias)].Dirs;
    return FolderTitles(catalogue_, AliasMemberPositions(catalogue_, dirs, indexBase_));
}

AliasDialog::SaveResult AliasDialog::Save(WindowHandle owner, const std::string& nameText,
                                          int oldAlias, int position) {
    SaveResult result;
    result.Name = TrimControlCharacters(nameText);
    if (IsEmptyWithoutIdeographicSpaces(result.Name)) {
        ui_.ShowError(owner, kErrorCaption,
                      mode_ == AliasDialogMode::SaveAs
                          ? "エイリアス名を入力してください。"
                          : "新しいエイリアス名を入力してください。\n"
                            "順序のみを変更するときは旧エイリアス名と同じものを選択してください。");
        return result;
    }
    AliasListChange change(store_);
    const bool changed = mode_ == AliasDialogMode::SaveAs
                             ? SaveAs(owner, result.Name, position)
                             : Rename(owner, result.Name, oldAlias, position);
    result.Saved = changed && change.Save(ui_);
    return result;
}

bool AliasDialog::SaveAs(WindowHandle owner, const std::string& name, int position) {
    const std::string dirs = AliasDirsOf(catalogue_, selectedFolders_, indexBase_);
    const int existing = FindNameIgnoringCase(name);
    if (existing >= 0) {
        if (!ui_.Confirm(owner, "上書きの確認",
                         "同じ名前のエイリアスがすでに存在します。\n上書きしてもよろしいですか？"))
            return false;
        TAliasInfo& alias = store_.Settings.Aliases[static_cast<size_t>(existing)];
        alias.Name = name;
        alias.Dirs = dirs;
        // The entry " (最後)" stands for the last place of the list as it is.
        PlaceAt(existing, position == AliasCount() ? position - 1 : position);
        return true;
    }
    TAliasInfo added;
    added.Name = name;
    added.Dirs = dirs;
    store_.Settings.Aliases.push_back(added);
    store_.Settings.AliasMax = std::to_string(AliasCount());
    PlaceAt(AliasCount() - 1, position);
    return true;
}

bool AliasDialog::Rename(WindowHandle owner, const std::string& name, int oldAlias, int position) {
    if (oldAlias < 0 || oldAlias >= AliasCount()) {
        ui_.ShowError(owner, kErrorCaption, "旧エイリアス名を選択してください。");
        return false;
    }
    const int existing = FindNameIgnoringCase(name);
    if (existing >= 0 && existing != oldAlias) {
        ui_.ShowError(owner, kErrorCaption, "すでに存在する名称には変更できません。");
        return false;
    }
    // The same name, in any case, changes only the order.
    if (existing < 0)
        store_.Settings.Aliases[static_cast<size_t>(oldAlias)].Name = name;
    PlaceAt(oldAlias, position);
    return true;
}

void AliasDialog::PlaceAt(int alias, int position) {
    if (position >= 0 && position < AliasCount() && position != alias)
        MoveAlias(store_.Settings, alias, position);
}
