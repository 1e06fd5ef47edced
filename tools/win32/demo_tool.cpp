// The demo's hands inside Wine:
//   demo_tool catalogue ACCOUNT_DIR
//       prints "position:title" for every folder of the account, in UTF-8,
//       as the plug-in's own catalogue numbers them
//   demo_tool select-tab CONTROL_NAME INDEX
//       selects page INDEX of the named tab control in whichever window
//       shows it, with the arrow keys a user would press, and repaints
#include "account_only_host.h"
#include "catalogue/folder_catalogue.h"
#include "platform/win32/win32_file_system.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int PrintCatalogue(const std::wstring& accountDirectory) {
    std::string account = ShiftJisFromWide(accountDirectory);
    if (account.empty() || account.back() != '\\')
        account += '\\';
    Win32FileSystem files;
    AccountOnlyHost host(account);
    TSettings settings;
    FolderCatalogue catalogue(files, host, settings);
    catalogue.LoadFolderCatalogue(nullptr);
    std::string lines;
    for (int position = 0; position < catalogue.Count(); ++position) {
        const std::wstring title = WideFromShiftJis(catalogue.At(position).Title);
        lines += std::to_string(position) + ":" + CodePageFromWide(title, CP_UTF8) + "\n";
    }
    // Written as bytes: the C runtime's text mode would end lines in CR LF.
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), lines.data(), static_cast<DWORD>(lines.size()),
              &written, nullptr);
    return catalogue.Count() > 0 ? 0 : 1;
}

struct Search {
    std::string name;
    HWND control = nullptr;
};

BOOL CALLBACK FindNamedControl(HWND top, LPARAM searchAddress) {
    auto* search = reinterpret_cast<Search*>(searchAddress);
    if (IsWindowVisible(top))
        search->control = ui::FindControlByName(top, search->name);
    return search->control == nullptr;
}

HWND WaitForNamedControl(const std::string& name) {
    Search search{name};
    for (int tries = 0; tries < 200 && !search.control; ++tries) {
        EnumWindows(FindNamedControl, reinterpret_cast<LPARAM>(&search));
        if (!search.control)
            Sleep(100);
    }
    return search.control;
}

int SelectTab(const std::string& controlName, int index) {
    HWND tabs = WaitForNamedControl(controlName);
    if (!tabs) {
        std::fprintf(stderr, "no control named %s\n", controlName.c_str());
        return 1;
    }
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int step = 0; step < count; ++step) {
        const int selected = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
        if (selected == index)
            break;
        SendMessageW(tabs, WM_KEYDOWN, selected < index ? VK_RIGHT : VK_LEFT, 0);
    }
    if (SendMessageW(tabs, TCM_GETCURSEL, 0, 0) != index) {
        std::fprintf(stderr, "page %d of %d cannot be selected\n", index, count);
        return 1;
    }
    RedrawWindow(GetAncestor(tabs, GA_ROOT), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return 0;
}

} // namespace

int main() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> words(arguments + 1, arguments + count);
    LocalFree(arguments);
    if (words.size() == 2 && words[0] == L"catalogue")
        return PrintCatalogue(words[1]);
    if (words.size() == 3 && words[0] == L"select-tab")
        return SelectTab(ShiftJisFromWide(words[1]), _wtoi(words[2].c_str()));
    std::fprintf(stderr, "usage: demo_tool catalogue ACCOUNT_DIR | select-tab CONTROL INDEX\n");
    return 2;
}
