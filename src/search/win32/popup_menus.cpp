#include "search/win32/popup_menus.h"

#include "search/win32/search_resource.h"
#include "text/win32/text_encoding.h"

namespace {

void AppendItem(HMENU menu, UINT id, const std::string& caption) {
    AppendMenuW(menu, MF_STRING, id, WideFromShiftJis(caption).c_str());
}

void AppendFolderItems(HMENU parent, const std::vector<FolderMenuItem>& items) {
    for (const FolderMenuItem& item : items) {
        const std::wstring caption = WideFromShiftJis(item.Caption);
        if (!item.Children.empty()) {
            HMENU submenu = CreatePopupMenu();
            AppendFolderItems(submenu, item.Children);
            AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
        } else if (item.Pickable && IDM_FOLDER_FIRST + item.Position <= IDM_FOLDER_LAST) {
            AppendMenuW(parent, MF_STRING, IDM_FOLDER_FIRST + item.Position, caption.c_str());
        } else {
            // An empty container: an item that does nothing.
            AppendMenuW(parent, MF_STRING, 0, caption.c_str());
        }
    }
}

} // namespace

SearchPopupMenus::SearchPopupMenus() : folders_(CreatePopupMenu()), aliases_(CreatePopupMenu()) {
    AppendMenuW(aliases_, MF_SEPARATOR, 0, nullptr);
    HMENU admin = CreatePopupMenu();
    AppendItem(admin, IDM_ALIAS_SAVE_AS, "新規保存(&S)...");
    AppendItem(admin, IDM_ALIAS_RENAME, "名前・順序の変更(&C)...");
    AppendItem(admin, IDM_ALIAS_DELETE, "削除(&D)");
    AppendMenuW(aliases_, MF_POPUP, reinterpret_cast<UINT_PTR>(admin),
                WideFromShiftJis("エイリアス管理").c_str());
}

SearchPopupMenus::~SearchPopupMenus() {
    DestroyMenu(folders_);
    DestroyMenu(aliases_);
}

void SearchPopupMenus::BuildFolderMenu(const std::vector<FolderMenuItem>& items) {
    while (GetMenuItemCount(folders_) > 0)
        DeleteMenu(folders_, 0, MF_BYPOSITION);
    AppendItem(folders_, IDM_CURRENT_FOLDER, "現在のフォルダ");
    AppendMenuW(folders_, MF_SEPARATOR, 0, nullptr);
    AppendFolderItems(folders_, items);
}

void SearchPopupMenus::BuildAliasMenu(const std::vector<std::string>& captions) {
    for (; aliasCount_ > 0; --aliasCount_)
        DeleteMenu(aliases_, 0, MF_BYPOSITION);
    for (size_t i = 0; i < captions.size(); ++i) {
        const UINT id = IDM_ALIAS_FIRST + static_cast<UINT>(i);
        if (id > IDM_ALIAS_LAST)
            break;
        std::wstring caption = WideFromShiftJis(captions[i]);
        MENUITEMINFOW item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
        item.fType = MFT_STRING | MFT_RADIOCHECK;
        item.wID = id;
        item.dwTypeData = &caption[0];
        if (InsertMenuItemW(aliases_, static_cast<UINT>(aliasCount_), TRUE, &item))
            ++aliasCount_;
    }
}

void SearchPopupMenus::CheckAlias(int checked) {
    for (int i = 0; i < aliasCount_; ++i) {
        const UINT id = GetMenuItemID(aliases_, i);
        CheckMenuItem(
            aliases_, id,
            MF_BYCOMMAND |
                (static_cast<int>(id - IDM_ALIAS_FIRST) == checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void SearchPopupMenus::Show(HMENU menu, HWND dialog, HWND button) {
    RECT rect;
    GetWindowRect(button, &rect);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, rect.left, rect.bottom, 0,
                   dialog, nullptr);
}
