#include "search/search_dialog.h"

#include "platform/plugin_error.h"
#include "search/alias_list.h"
#include "search/alias_members.h"
#include "search/search_formula.h"
#include "settings/account_settings.h"

SearchDialog::SearchDialog(SearchServices& services, WindowHandle hostWindow)
    : state_(services), host_(services.Host), ui_(services.Ui), hostWindow_(hostWindow),
      targets_(services.Catalogue, services.Store.Settings) {}

void SearchDialog::FormCreate() {
    try {
        state_.Catalogue.LoadFolderCatalogue(hostWindow_);
        OpenAccountSettings(state_.Store, host_.GetAccount(hostWindow_));
        targets_.BuildAliasMenu();
        targets_.Restore(state_.SearchTargets, IndexBase());
    } catch (const PluginError& error) {
        ui_.ShowMessage(error.what());
    }
}

std::vector<std::string> SearchDialog::HistoryItems() const {
    return FormulaHistoryItems(state_.Store.Settings);
}

std::string SearchDialog::IndexBase() const {
    return ::IndexBase(state_.Store.Settings, host_.GetAccount(hostWindow_));
}

void SearchDialog::PickCurrentFolder(bool shift) {
    targets_.PickCurrentFolder(host_.FolderGetCurrentFolder(hostWindow_), shift);
}

bool SearchDialog::Search(std::string& keywordText) {
    const AssembledFormula assembled = AssembleSearchFormula(keywordText, headers_);
    if (assembled.ClearKeyword)
        keywordText.clear();
    state_.SearchFormula = assembled.Formula;
    targets_.Commit(state_.SearchTargets);
    try {
        state_.Store.SaveSettings(state_.Store.IniFileName);
    } catch (const PluginError& error) {
        ui_.ShowMessage(error.what());
        return false;
    }
    return true;
}

bool SearchDialog::MaySaveAliasAs(WindowHandle owner) {
    if (!targets_.SelectedFolders().empty())
        return true;
    ui_.ShowError(owner, "エラー", "フォルダが選択されていません。");
    return false;
}

int SearchDialog::RenameStartAlias() const {
    const std::string& current = targets_.CurrentAlias();
    return current.empty() ? -1 : FindAliasByName(state_.Store.Settings.Aliases, current);
}

bool SearchDialog::DeleteAppliedAlias(WindowHandle owner) {
    const std::string name = targets_.CurrentAlias();
    if (name.empty()) {
        ui_.ShowError(owner, "エラー", "先に削除するエイリアスを選択してください。");
        return false;
    }
    if (!ui_.Confirm(owner, "削除の確認",
                     "エイリアス 「" + name + "」 を削除します。\nよろしいですか？"))
        return false;
    AliasListChange change(state_.Store);
    DeleteAlias(state_.Store.Settings, name);
    if (!change.Save(ui_))
        return false;
    targets_.ForgetCurrentAlias();
    return true;
}
