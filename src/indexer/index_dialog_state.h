#pragma once

#include "catalogue/folder_catalogue.h"
#include "settings/settings_record.h"

#include <string>
#include <vector>

// The folder list row of a folder: its title after one ideographic space per
// nesting level.
std::string FolderRowText(const TFolderInfo& folder);

// "前回更新日時: <LastDate>   受信メール数: <NowCountMail>通"
std::string IndexStatusText(const TSettings& settings);

// What the index update dialog shows and the run reads: one row per catalogue
// record (row i is catalogue position i) with its check mark, and the two
// check boxes.
class IndexDialogState {
public:
    // One unchecked row per record; the records are copied, so that a
    // catalogue rebuilt elsewhere during a run does not move the rows.
    void SetFolders(const FolderCatalogue& catalogue);

    int RowCount() const { return static_cast<int>(folders_.size()); }
    const TFolderInfo& Folder(int row) const { return folders_[static_cast<size_t>(row)]; }
    bool Checked(int row) const { return checks_[static_cast<size_t>(row)]; }
    std::vector<std::string> RowTexts() const;

    void SelectAll(bool checked);
    // The user toggled row to checked: a container passes the state on to
    // the folders nested in it.
    void ClickCheck(int row, bool checked);

    // Checks the rows the saved target list names, when its entries still
    // match the catalogue; any well-formed entry checks SaveTarget.
    void RestoreTargets(const TSettings& settings);
    // The target list becomes the checked mail folders, in row order.
    void SaveIndexTargets(TSettings& settings) const;

    // The rows of checked mail folders, in row order: what a run indexes.
    std::vector<int> CheckedMailFolders() const;

    bool Rebuild = false;
    bool SaveTarget = false;

private:
    void RestoreTarget(const std::string& entry);

    std::vector<TFolderInfo> folders_;
    std::vector<bool> checks_;
};
