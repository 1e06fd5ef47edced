#pragma once

#include "catalogue/folder_catalogue.h"
#include "platform/user_interface.h"
#include "settings/settings_store.h"

#include <string>
#include <vector>

enum class AliasDialogMode { SaveAs, Rename };

// What the alias dialog shows and what its Save button does: save-as stores
// the search dialog's selection under a name, rename renames an alias or
// only moves it. Both may place the alias at a chosen position.
class AliasDialog {
public:
    AliasDialog(SettingsStore& store, const FolderCatalogue& catalogue, UserInterface& ui,
                AliasDialogMode mode, const std::vector<int>& selectedFolders,
                const std::string& indexBase);

    AliasDialogMode Mode() const { return mode_; }
    // The items of both name boxes, in list order.
    std::vector<std::string> AliasNames() const;
    // "1" ... with " (最後)" on the extra last entry in save-as mode.
    std::vector<std::string> InsertPositions() const;
    // The first alias with this name ignoring case, or -1.
    int FindNameIgnoringCase(const std::string& name) const;
    // Save-as: the selection's titles. Rename: the titles of the alias's
    // members that still exist (none for -1).
    std::vector<std::string> FolderNames(int oldAlias) const;

    struct SaveResult {
        bool Saved = false;
        // The trimmed name, which goes back into the name box.
        std::string Name;
    };
    // btnSaveClick; oldAlias and position are the chosen entries or -1.
    SaveResult Save(WindowHandle owner, const std::string& nameText, int oldAlias, int position);

private:
    bool SaveAs(WindowHandle owner, const std::string& name, int position);
    bool Rename(WindowHandle owner, const std::string& name, int oldAlias, int position);
    void PlaceAt(int alias, int position);
    int AliasCount() const { return static_cast<int>(store_.Settings.Aliases.size()); }

    SettingsStore& store_;
    const FolderCatalogue& catalogue_;
    UserInterface& ui_;
    AliasDialogMode mode_;
    std::vector<int> selectedFolders_;
    std::string indexBase_;
};
