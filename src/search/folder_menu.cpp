#include "search/folder_menu.h"

namespace {

// Appends the records from start on that belong to level; returns the last
// position used.
int AppendLevel(const FolderCatalogue& catalogue, std::vector<FolderMenuItem>& parent, int start,
                int level) {
    int p = start;
    while (p < catalogue.Count()) {
        const TFolderInfo& folder = catalogue.At(p);
        if (p > 0 && folder.Level != level)
            return p - 1;
        FolderMenuItem item;
        item.Caption = folder.Title;
        item.Position = p;
        if (folder.Kind == kContainerFolder) {
            p = AppendLevel(catalogue, item.Children, p + 1, folder.Level + 1) + 1;
        } else {
            item.Pickable = true;
            ++p;
        }
        parent.push_back(item);
    }
    return p - 1;
}

} // namespace

std::vector<FolderMenuItem> BuildFolderMenu(const FolderCatalogue& catalogue) {
    std::vector<FolderMenuItem> items;
    AppendLevel(catalogue, items, 0, 0);
    return items;
}
