#pragma once

#include "catalogue/folder_catalogue.h"
#include "settings/settings_record.h"

#include <string>
#include <vector>

// The search dialog's target folders and applied alias. The selection is a
// list of catalogue positions; an applied alias is checked in the alias
// popup, carries Selected and is named by CurrentAlias.
class TargetSelection {
public:
    TargetSelection(const FolderCatalogue& catalogue, TSettings& settings)
        : catalogue_(catalogue), settings_(settings) {}

    const std::vector<int>& SelectedFolders() const { return selected_; }
    const std::string& CurrentAlias() const { return currentAlias_; }
    // The alias item that is checked, or -1.
    int CheckedAlias() const { return checkedAlias_; }

    // The titles joined with ", ", as edtFolderName shows them.
    std::string FolderNameText() const;
    // One title per line, for the box's tooltip.
    std::string FolderNameHint() const;

    // A folder item chosen, with or without Shift.
    void PickFolder(int position, bool shift);
    // The current-folder item chosen; currentFolder is the host's answer.
    void PickCurrentFolder(const std::string& currentFolder, bool shift);
    void ClearAliasMarks();

    // The alias items' captions in order; checks the alias marked Selected.
    std::vector<std::string> BuildAliasMenu();
    void ApplyAlias(int alias, const std::string& indexBase);
    // After the applied alias was deleted from the list.
    void ForgetCurrentAlias();

    // The targets when the dialog opens: the previous search's, else the
    // saved alias, else the saved folder entries that still match.
    void Restore(const std::vector<int>& searchTargets, const std::string& indexBase);
    // Writes the selection and the alias into the settings and searchTargets.
    void Commit(std::vector<int>& searchTargets) const;

private:
    void AddCurrentFolder(const std::string& currentFolder, bool additive);
    bool IsSelected(int position) const;
    void RestoreSavedFolders();

    const FolderCatalogue& catalogue_;
    TSettings& settings_;
    std::vector<int> selected_;
    std::string currentAlias_;
    int checkedAlias_ = -1;
};

// The catalogue position a saved "position:title" entry names, if the
// folder there still has that title; -1 otherwise.
int SavedTargetPosition(const FolderCatalogue& catalogue, const std::string& entry);
