#include "indexer/index_dialog_state.h"

#include "catalogue/saved_target.h"
#include "settings/integer_text.h"

namespace {

const char kIdeographicSpace[] = "　";

} // namespace

std::string FolderRowText(const TFolderInfo& folder) {
    std::string text;
    for (int32_t level = 0; level < folder.Level; ++level)
        text += kIdeographicSpace;
    return text + folder.Title;
}

std::string IndexStatusText(const TSettings& settings) {
    return "前回更新日時: " + settings.LastDate + "   受信メール数: " + settings.NowCountMail +
           "通";
}

void IndexDialogState::SetFolders(const FolderCatalogue& catalogue) {
    folders_.clear();
    for (int position = 0; position < catalogue.Count(); ++position)
        folders_.push_back(catalogue.At(position));
    checks_.assign(folders_.size(), false);
}

std::vector<std::string> IndexDialogState::RowTexts() const {
    std::vector<std::string> texts;
    for (const TFolderInfo& folder : folders_)
        texts.push_back(FolderRowText(folder));
    return texts;
}

void IndexDialogState::SelectAll(bool checked) {
    checks_.assign(folders_.size(), checked);
}

void IndexDialogState::ClickCheck(int row, bool checked) {
    if (row < 0 || row >= RowCount())
        return;
    checks_[static_cast<size_t>(row)] = checked;
    const TFolderInfo& clicked = Folder(row);
    if (clicked.Kind != kContainerFolder)
        return;
    for (int nested = row + 1; nested < RowCount() && Folder(nested).Level > clicked.Level;
         ++nested)
        checks_[static_cast<size_t>(nested)] = checked;
}

void IndexDialogState::RestoreTargets(const TSettings& settings) {
    const int count = IntegerOr(settings.MknmzTargetFolderCount, 0);
    for (int i = 0; i < count && i < static_cast<int>(settings.MknmzFolders.size()); ++i)
        RestoreTarget(settings.MknmzFolders[static_cast<size_t>(i)]);
}

void IndexDialogState::RestoreTarget(const std::string& entry) {
    const std::optional<SavedTarget> saved = ParseSavedTarget(entry);
    if (!saved)
        return;
    SaveTarget = true;
    const int position = saved->Position;
    if (position >= 0 && position < RowCount() && Folder(position).Title == saved->Title)
        checks_[static_cast<size_t>(position)] = true;
}

void IndexDialogState::SaveIndexTargets(TSettings& settings) const {
    settings.MknmzFolders.clear();
    for (int row : CheckedMailFolders())
        settings.MknmzFolders.push_back(SavedTargetEntry(row, Folder(row).Title));
    settings.MknmzTargetFolderCount = std::to_string(settings.MknmzFolders.size());
}

std::vector<int> IndexDialogState::CheckedMailFolders() const {
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row) {
        if (Checked(row) && Folder(row).Kind == kMailFolder)
            rows.push_back(row);
    }
    return rows;
}
