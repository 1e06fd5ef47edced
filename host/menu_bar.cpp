#include "menu_bar.h"

#include "text/win32/text_encoding.h"

namespace {

HMENU AppendPullDown(HMENU bar, const wchar_t* caption) {
    HMENU pullDown = CreatePopupMenu();
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(pullDown), caption);
    return pullDown;
}

} // namespace

HMENU CreateFolderMenuBar() {
    HMENU bar = CreateMenu();
    AppendMenuW(AppendPullDown(bar, L"ファイル(&F)"), MF_STRING, IDM_CLOSE, L"閉じる(&C)");
    AppendMenuW(AppendPullDown(bar, L"編集(&E)"), MF_STRING | MF_GRAYED, 0, L"コピー(&C)");
    AppendMenuW(AppendPullDown(bar, L"表示(&V)"), MF_STRING | MF_GRAYED, 0,
                L"最新の情報に更新(&R)");
    AppendMenuW(AppendPullDown(bar, L"ツール(&T)"), MF_STRING, IDM_PLUGIN_SETUP,
                L"プラグインの設定(&S)...");
    AppendMenuW(AppendPullDown(bar, L"ヘルプ(&H)"), MF_STRING, IDM_PLUGIN_VERSION,
                L"プラグインのバージョン情報(&A)...");
    return bar;
}

std::string MenuItemCaption(HMENU menu, int position) {
    wchar_t caption[256] = L"";
    GetMenuStringW(menu, position, caption, 256, MF_BYPOSITION);
    return ShiftJisFromWide(caption);
}

bool IsSeparator(HMENU menu, int position) {
    return (GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR) != 0;
}
