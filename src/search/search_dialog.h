#pragma once

#include "search/folder_menu.h"
#include "search/header_conditions.h"
#include "search/search_services.h"
#include "search/target_selection.h"

#include <string>
#include <vector>

// The search dialog without its window: what it loads when it opens, the
// targets and header conditions the user builds, and what Search commits.
// Failures end the handler and are shown in the plain box.
class SearchDialog {
public:
    SearchDialog(SearchServices& services, WindowHandle hostWindow);

    // Rebuilds the catalogue, reloads the settings and restores the targets.
    void FormCreate();

    const FolderCatalogue& Catalogue() const { return state_.Catalogue; }
    SettingsStore& Store() { return state_.Store; }
    TargetSelection& Targets() { return targets_; }
    HeaderConditions& Headers() { return headers_; }
    std::vector<std::string> HistoryItems() const;
    std::vector<FolderMenuItem> FolderMenu() const { return BuildFolderMenu(state_.Catalogue); }
    std::string IndexBase() const;
    // The formula of the previous search, which the result window reopens with.
    const std::string& PreviousFormula() const { return state_.SearchFormula; }
    // Opened from the host's menu, the dialog starts a new search.
    void ForgetPreviousFormula() { state_.SearchFormula.clear(); }

    // The current-folder item, asking the host which folder is open.
    void PickCurrentFolder(bool shift);
    void ApplyAlias(int alias) { targets_.ApplyAlias(alias, IndexBase()); }

    // btnSearchClick: assembles the formula, commits the targets and saves.
    // keywordText is emptied when it held only spaces. True when the dialog
    // closes with result 1.
    bool Search(std::string& keywordText);

    // mnuAliasSaveAsClick's check: false, with the refusal shown, when no
    // folder is selected.
    bool MaySaveAliasAs(WindowHandle owner);
    // The alias that rename mode starts with, or -1.
    int RenameStartAlias() const;
    // mnuAliasDeleteClick: true when the alias list changed.
    bool DeleteAppliedAlias(WindowHandle owner);

private:
    SearchServices& state_;
    HostApi& host_;
    UserInterface& ui_;
    WindowHandle hostWindow_;
    TargetSelection targets_;
    HeaderConditions headers_;
};
