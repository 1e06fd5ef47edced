#pragma once

#include "search/folder_menu.h"

#include <windows.h>

#include <string>
#include <vector>

// The search dialog's two popup menus, owned for the dialog's lifetime.
class SearchPopupMenus {
public:
    SearchPopupMenus();
    ~SearchPopupMenus();
    SearchPopupMenus(const SearchPopupMenus&) = delete;
    SearchPopupMenus& operator=(const SearchPopupMenus&) = delete;

    // mnuFolderList: the current-folder item, a separator, then the tree.
    void BuildFolderMenu(const std::vector<FolderMenuItem>& items);
    // Replaces the alias items above the separator of mnuAliasList.
    void BuildAliasMenu(const std::vector<std::string>& captions);
    // Checks the alias item at checked (none for -1), unchecking the others.
    void CheckAlias(int checked);

    // Opens a popup below the button; its choice arrives as WM_COMMAND.
    void ShowFolderMenu(HWND dialog, HWND button) const { Show(folders_, dialog, button); }
    void ShowAliasMenu(HWND dialog, HWND button) const { Show(aliases_, dialog, button); }

private:
    static void Show(HMENU menu, HWND dialog, HWND button);

    HMENU folders_;
    HMENU aliases_;
    int aliasCount_ = 0;
};
