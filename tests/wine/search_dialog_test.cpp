// The search dialog and the alias dialog, driven through the substitute
// host the way a person would use them.
#include "platform/plugin_error.h"
#include "plugin/win32/plugin_instance.h"
#include "sample_account.h"
#include "search/win32/search_form.h"
#include "search/win32/search_resource.h"
#include "settings/profile_document.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const wchar_t kSearchCaption[] = L"tarnwick for Namazu [検索]";
const wchar_t kAliasCaption[] = L"エイリアス";
const wchar_t kResultCaption[] = L"tarnwick for Namazu [検索結果]";

std::wstring HostPath() {
    return ui::ProgramDirectory() + L"Almail.exe";
}

void WriteBytes(const std::wstring& path, const std::string& content) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &read, nullptr) &&
           read > 0)
        content.append(buffer, read);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return content;
}

// Polls read() until it gives expected, for five seconds at most; returns
// what it gave last.
template <typename Read> std::string WaitForValue(Read read, const std::string& expected) {
    std::string value;
    for (int i = 0; i < 50; ++i) {
        value = read();
        if (value == expected)
            break;
        Sleep(100);
    }
    return value;
}

std::string WaitForText(HWND control, const std::string& expected) {
    return WaitForValue([control] { return ShiftJisFromWide(ui::WindowText(control)); }, expected);
}

// An account on drive Z: whose catalogue is, by position: 0 郵便受け,
// 1 送信箱, 2 仕事, 3 資料 (container), 4 会議, 5 古い (container in 資料),
// 6 議事録 (in 古い), 7 私用.
class SearchDialogTest : public testing::Test {
protected:
    void SetUp() override {
        account_ = WideFromShiftJis(WindowsFormOf(NewTmpDirectory("tarnwick-search-")));
        WriteBytes(account_ + L"\\account.ini", "[Property]\r\nOrder=IO001002003\r\n");
        MakeFolder(L"inbox.box", "");
        MakeFolder(L"outbox.box", "");
        MakeFolder(L"user001.box", "Title=仕事\r\n");
        MakeFolder(L"user002.box", "Title=資料\r\nType=Subfolder\r\nOrder=004005\r\n");
        MakeFolder(L"user002.box\\user004.box", "Title=会議\r\n");
        MakeFolder(L"user002.box\\user005.box", "Title=古い\r\nType=Subfolder\r\nOrder=006\r\n");
        MakeFolder(L"user002.box\\user005.box\\user006.box", "Title=議事録\r\n");
        MakeFolder(L"user003.box", "Title=私用\r\n");
    }

    void TearDown() override { RemoveDirectoryTree(account_); }

    void MakeFolder(const std::wstring& name, const std::string& entry) {
        const std::wstring dir = account_ + L"\\" + name;
        CreateDirectoryW(dir.c_str(), nullptr);
        if (!entry.empty())
            WriteBytes(dir + L"\\entry.ini", "[Property]\r\n" + entry);
    }

    std::wstring IniPath() const { return account_ + L"\\tarnwick.ini"; }
    std::string Stored(const std::string& section, const std::string& key) const {
        return ProfileDocument(ReadBytes(IniPath())).Read(section, key, "<absent>");
    }
    std::string WaitForStored(const std::string& section, const std::string& key,
                              const std::string& expected) const {
        return WaitForValue([&] { return Stored(section, key); }, expected);
    }

    // Starts the host on the account and opens the search dialog from its menu.
    HWND OpenSearchDialog(ui::ChildProcess& host) {
        if (!host.Started())
            return nullptr;
        return ui::WaitForWindow(host.Id(), kSearchCaption);
    }
    std::wstring Arguments(const std::wstring& extra = L"") const {
        return L"\"/account:" + account_ + L"\" " + extra + L"menu:search";
    }

    static HWND Named(HWND dialog, const char* name) {
        HWND control = ui::FindControlByName(dialog, name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static void SetText(HWND dialog, const char* name, const std::string& text) {
        SendMessageW(Named(dialog, name), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(WideFromShiftJis(text).c_str()));
    }
    static std::string Text(HWND dialog, const char* name) {
        return ShiftJisFromWide(ui::WindowText(Named(dialog, name)));
    }
    static void Press(HWND dialog, const char* name) {
        EXPECT_TRUE(ui::PressButtonById(dialog, GetDlgCtrlID(Named(dialog, name)))) << name;
    }
    // A click sent, not posted: it returns once the dialog has handled it, so
    // text set afterwards cannot overtake it. For buttons that open no window.
    static void PressAndWait(HWND dialog, const char* name) {
        HWND button = Named(dialog, name);
        DWORD_PTR result = 0;
        EXPECT_NE(SendMessageTimeoutW(
                      dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                      reinterpret_cast<LPARAM>(button), SMTO_NORMAL, ui::DefaultTimeoutMs, &result),
                  0)
            << name;
    }
    // The tooltip the control shows once the mouse rests on it.
    static std::string HintOver(DWORD processId, HWND control) {
        RECT rect;
        GetWindowRect(control, &rect);
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dx = ((rect.left + rect.right) / 2) * 65535 / GetSystemMetrics(SM_CXSCREEN);
        move.mi.dy = ((rect.top + rect.bottom) / 2) * 65535 / GetSystemMetrics(SM_CYSCREEN);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &move, sizeof move);
        for (int i = 0; i < 50; ++i) {
            Sleep(100);
            for (HWND tip = FindWindowW(TOOLTIPS_CLASSW, nullptr); tip;
                 tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(tip, &owner);
                if (owner == processId && IsWindowVisible(tip))
                    return ShiftJisFromWide(ui::WindowText(tip));
            }
        }
        return "<no hint>";
    }
    // Search opens the result window, whose search cannot run on this
    // account: the boxes saying why are closed, then the window.
    static void CloseResultWindow(const ui::ChildProcess& host) {
        HWND window = ui::WaitForWindow(host.Id(), kResultCaption);
        ASSERT_NE(window, nullptr);
        bool searched = false;
        for (int i = 0; i < 100 && !searched; ++i) {
            bool boxShown = false;
            for (const wchar_t* caption : {L"tarnwick for Namazu", L"エラー"}) {
                if (HWND box = ui::WaitForWindow(host.Id(), caption, 100)) {
                    EXPECT_TRUE(ui::PressButtonById(box, IDOK));
                    boxShown = true;
                }
            }
            searched =
                !boxShown && IsWindowEnabled(window) && IsWindowEnabled(Named(window, "btnSearch"));
        }
        Press(window, "btnClose");
    }
    static int DefaultButton(HWND dialog) {
        return LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0));
    }
    static void FocusOn(HWND dialog, const char* name) {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Named(dialog, name)), TRUE);
    }

    std::wstring account_;
};

TEST_F(SearchDialogTest, ADialogThatCannotOpenIsAFailureNotACancel) {
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    DestroyWindow(gone);

    try {
        ShowSearchDialog(gone, TheSearchServices());
        FAIL() << "a dialog that cannot open must not read as Cancel";
    } catch (const PluginError& error) {
        EXPECT_EQ(
            std::string(error.what()).rfind("ダイアログを開けませんでした。\nエラーコード： ", 0),
            0u)
            << error.what();
    }
}

TEST_F(SearchDialogTest, ShowsEveryControlInTabOrderCentredOnTheHost) {
    ui::ChildProcess host(HostPath(), Arguments());
    HWND dialog = OpenSearchDialog(host);
    ASSERT_NE(dialog, nullptr);

    std::vector<std::string> names;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        names.push_back("?");
        for (const char* name : {"Label1", "edtFolderName", "btnAlias", "btnFolderBrowse", "Label2",
                                 "cboKeyword", "GroupBox1", "cboHeaderName", "edtHeaderKeyword",
                                 "btnAdd", "btnDelete", "lstHeader", "btnSearch", "btnCancel"}) {
            if (ui::FindControlByName(dialog, name) == child)
                names.back() = name;
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Label1", "edtFolderName", "btnAlias", "btnFolderBrowse", "Label2",
                         "cboKeyword", "GroupBox1", "cboHeaderName", "edtHeaderKeyword", "btnAdd",
                         "btnDelete", "lstHeader", "btnSearch", "btnCancel"}));
    EXPECT_EQ(Text(dialog, "btnSearch"), "検索(&G)...");
    EXPECT_EQ(Text(dialog, "GroupBox1"), "ヘッダ指定(&H)");
    EXPECT_EQ(Text(dialog, "edtFolderName"), "");

    HWND columns = Named(dialog, "lstHeader");
    EXPECT_EQ(SendMessageW(columns, LVM_GETCOLUMNWIDTH, 0, 0), 85);
    EXPECT_EQ(SendMessageW(columns, LVM_GETCOLUMNWIDTH, 1, 0), 185);
    EXPECT_TRUE(SendMessageW(columns, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);

    HWND folderWindow = ui::WaitForWindow(host.Id(), L"AL-Mail32 (substitute)");
    ASSERT_NE(folderWindow, nullptr);
    RECT owner, placed;
    GetWindowRect(folderWindow, &owner);
    GetWindowRect(dialog, &placed);
    const int width = placed.right - placed.left;
    const int height = placed.bottom - placed.top;
    int left = owner.left + (owner.right - owner.left - width) / 2;
    int top = owner.top + (owner.bottom - owner.top - height) / 2;
    left = std::min(std::max(left, 0), GetSystemMetrics(SM_CXSCREEN) - width);
    top = std::min(std::max(top, 0), GetSystemMetrics(SM_CYSCREEN) - height);
    EXPECT_EQ(placed.left, left);
    EXPECT_EQ(placed.top, top);

    FocusOn(dialog, "cboHeaderName");
    EXPECT_EQ(DefaultButton(dialog), IDC_SEARCH_ADD);
    FocusOn(dialog, "cboKeyword");
    EXPECT_EQ(DefaultButton(dialog), IDC_SEARCH_SEARCH);

    // Enter in a header field adds the condition instead of searching.
    SetText(dialog, "cboHeaderName", "To:");
    SetText(dialog, "edtHeaderKeyword", "a");
    FocusOn(dialog, "edtHeaderKeyword");
    EXPECT_EQ(DefaultButton(dialog), IDC_SEARCH_ADD);
    INPUT enter[2] = {};
    enter[0].type = enter[1].type = INPUT_KEYBOARD;
    enter[0].ki.wVk = enter[1].ki.wVk = VK_RETURN;
    enter[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, enter, sizeof(INPUT));
    HWND list = Named(dialog, "lstHeader");
    for (int i = 0; i < 30 && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0; ++i)
        Sleep(100);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(dialog));

    Press(dialog, "btnCancel");
    EXPECT_TRUE(ui::WaitForWindowGone(dialog));
    EXPECT_TRUE(host.WaitForExit().has_value());
    EXPECT_EQ(Stored("Search", "TargetFolderCount"), "0");
}

TEST_F(SearchDialogTest, FolderPopupNestsContainersBelowTheButton) {
    ui::ChildProcess host(HostPath(), Arguments());
    HWND dialog = OpenSearchDialog(host);
    ASSERT_NE(dialog, nullptr);

    Press(dialog, "btnFolderBrowse");
    HWND popup = nullptr;
    for (int i = 0; i < 30 && !popup; ++i) {
        Sleep(100);
        popup = FindWindowW(L"#32768", nullptr);
    }
    ASSERT_NE(popup, nullptr);
    RECT button, menu;
    GetWindowRect(Named(dialog, "btnFolderBrowse"), &button);
    GetWindowRect(popup, &menu);
    EXPECT_EQ(menu.left, button.left);
    EXPECT_EQ(menu.top, button.bottom);

    // Current folder, then 郵便受け 送信箱 仕事 資料; into 資料, down to 古い,
    // into 古い, and choose its only folder.
    const WORD keys[] = {VK_DOWN,  VK_DOWN, VK_DOWN,  VK_DOWN,  VK_DOWN,
                         VK_RIGHT, VK_DOWN, VK_RIGHT, VK_RETURN};
    for (WORD key : keys) {
        INPUT press[2] = {};
        press[0].type = press[1].type = INPUT_KEYBOARD;
        press[0].ki.wVk = press[1].ki.wVk = key;
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, press, sizeof(INPUT));
        Sleep(150);
    }
    EXPECT_EQ(WaitForText(Named(dialog, "edtFolderName"), "議事録"), "議事録");

    Press(dialog, "btnCancel");
    EXPECT_TRUE(host.WaitForExit().has_value());
}

TEST_F(SearchDialogTest, SearchCommitsPickedFoldersAndHeaderConditions) {
    ui::ChildProcess host(HostPath(), Arguments());
    HWND dialog = OpenSearchDialog(host);
    ASSERT_NE(dialog, nullptr);

    ui::PickMenuCommand(dialog, IDM_FOLDER_FIRST + 2);
    EXPECT_EQ(WaitForText(Named(dialog, "edtFolderName"), "仕事"), "仕事");
    ASSERT_TRUE(ui::PickMenuCommandWithShift(dialog, IDM_FOLDER_FIRST + 6));
    EXPECT_EQ(Text(dialog, "edtFolderName"), "仕事, 議事録");
    EXPECT_EQ(HintOver(host.Id(), Named(dialog, "edtFolderName")), "仕事\r\n議事録");

    SetText(dialog, "cboHeaderName", "Subject:");
    SetText(dialog, "edtHeaderKeyword", " 会議 ");
    PressAndWait(dialog, "btnAdd");
    SetText(dialog, "cboHeaderName", "from:");
    SetText(dialog, "edtHeaderKeyword", "info");
    PressAndWait(dialog, "btnAdd");
    SetText(dialog, "cboHeaderName", "X-Mailer:");
    PressAndWait(dialog, "btnAdd");
    SetText(dialog, "cboKeyword", " 予算 ");
    EXPECT_EQ(SendMessageW(Named(dialog, "lstHeader"), LVM_GETITEMCOUNT, 0, 0), 2);

    Press(dialog, "btnSearch");
    CloseResultWindow(host);
    EXPECT_TRUE(ui::WaitForWindowGone(dialog));
    EXPECT_TRUE(host.WaitForExit().has_value());
    EXPECT_EQ(Stored("Search", "TargetFolderCount"), "2");
    EXPECT_EQ(Stored("Search", "Folder1"), "2:仕事");
    EXPECT_EQ(Stored("Search", "Folder2"), "6:議事録");
    EXPECT_EQ(Stored("Search", "Alias"), "");
}

TEST_F(SearchDialogTest, AliasIsSavedAppliedRenamedAndDeleted) {
    {
        ui::ChildProcess host(HostPath(), Arguments());
        HWND dialog = OpenSearchDialog(host);
        ASSERT_NE(dialog, nullptr);
        ui::PickMenuCommand(dialog, IDM_FOLDER_FIRST + 7);
        WaitForText(Named(dialog, "edtFolderName"), "私用");
        ASSERT_TRUE(ui::PickMenuCommandWithShift(dialog, IDM_FOLDER_FIRST + 4));
        ASSERT_EQ(Text(dialog, "edtFolderName"), "私用, 会議");

        ui::PickMenuCommand(dialog, IDM_ALIAS_SAVE_AS);
        HWND alias = ui::WaitForWindow(host.Id(), kAliasCaption);
        ASSERT_NE(alias, nullptr);
        EXPECT_EQ(Text(alias, "lblNewAlias"), "エイリアス名(&N):");
        EXPECT_FALSE(IsWindowVisible(Named(alias, "cboOldAliasName")));
        HWND positions = Named(alias, "cboInsertPosition");
        EXPECT_EQ(SendMessageW(positions, CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageW(Named(alias, "lstFolderNames"), LB_GETCOUNT, 0, 0), 2);
        SetText(alias, "cboAliasName", "  旅行  ");
        Press(alias, "btnSave");
        EXPECT_TRUE(ui::WaitForWindowGone(alias));
        EXPECT_EQ(Stored("Alias", "Max"), "1");
        EXPECT_EQ(Stored("Alias", "Name1"), "旅行");
        EXPECT_EQ(Stored("Alias", "DirCount1"), "2");
        EXPECT_EQ(Stored("Alias", "Dir1-1"), "Namazu\\b003\\");
        EXPECT_EQ(Stored("Alias", "Dir1-2"), "Namazu\\b002\\b004\\");

        Press(dialog, "btnCancel");
        EXPECT_TRUE(host.WaitForExit().has_value());
    }
    {
        ui::ChildProcess host(HostPath(), Arguments());
        HWND dialog = OpenSearchDialog(host);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Text(dialog, "edtFolderName"), "");
        ui::PickMenuCommand(dialog, IDM_ALIAS_FIRST + 0);
        EXPECT_EQ(WaitForText(Named(dialog, "edtFolderName"), "私用, 会議"), "私用, 会議");
        Press(dialog, "btnSearch");
        CloseResultWindow(host);
        EXPECT_TRUE(host.WaitForExit().has_value());
        EXPECT_EQ(Stored("Search", "Alias"), "旅行");
        EXPECT_EQ(Stored("Search", "Folder1"), "7:私用");
        EXPECT_EQ(Stored("Search", "Folder2"), "4:会議");
    }
    {
        ui::ChildProcess host(HostPath(), Arguments());
        HWND dialog = OpenSearchDialog(host);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Text(dialog, "edtFolderName"), "私用, 会議");

        ui::PickMenuCommand(dialog, IDM_ALIAS_RENAME);
        HWND alias = ui::WaitForWindow(host.Id(), kAliasCaption);
        ASSERT_NE(alias, nullptr);
        EXPECT_EQ(SendMessageW(Named(alias, "cboOldAliasName"), CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(SendMessageW(Named(alias, "cboInsertPosition"), CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(Text(alias, "cboAliasName"), "旅行");
        SetText(alias, "cboAliasName", "出張");
        Press(alias, "btnSave");
        EXPECT_TRUE(ui::WaitForWindowGone(alias));
        EXPECT_EQ(Stored("Alias", "Name1"), "出張");
        EXPECT_EQ(Stored("Alias", "Dir1-2"), "Namazu\\b002\\b004\\");

        ui::PickMenuCommand(dialog, IDM_ALIAS_DELETE);
        HWND confirm = ui::WaitForWindow(host.Id(), L"削除の確認");
        ASSERT_NE(confirm, nullptr);
        EXPECT_TRUE(ui::PressButtonById(confirm, IDYES));
        EXPECT_TRUE(ui::WaitForWindowGone(confirm));
        EXPECT_EQ(WaitForStored("Alias", "Max", "0"), "0");
        EXPECT_EQ(Text(dialog, "edtFolderName"), "私用, 会議");

        ui::PickMenuCommand(dialog, IDM_ALIAS_DELETE);
        HWND refusal = ui::WaitForWindow(host.Id(), L"エラー");
        ASSERT_NE(refusal, nullptr);
        const std::vector<std::wstring> texts = ui::ControlTexts(refusal);
        EXPECT_NE(
            std::find(texts.begin(), texts.end(), L"先に削除するエイリアスを選択してください。"),
            texts.end());
        EXPECT_TRUE(ui::PressButtonById(refusal, IDOK));
        EXPECT_TRUE(ui::WaitForWindowGone(refusal));

        Press(dialog, "btnSearch");
        CloseResultWindow(host);
        EXPECT_TRUE(host.WaitForExit().has_value());
        EXPECT_EQ(Stored("Search", "Alias"), "");
        EXPECT_EQ(Stored("Search", "TargetFolderCount"), "2");
    }
}

TEST_F(SearchDialogTest, RenameWithoutAnAppliedAliasStartsFromAnEmptyOldName) {
    WriteBytes(IniPath(), "[Search]\r\nFormulaHistryCount=3\r\nHistory1=x\r\nHistory2= \r\n"
                          "History3=y\r\n[Alias]\r\nMax=2\r\nName1=A\r\nDirCount1=1\r\n"
                          "Dir1-1=Namazu\\b003\\\r\nName2=B\r\nDirCount2=2\r\n"
                          "Dir2-1=Namazu\\b099\\\r\nDir2-2=Namazu\\inbox\\\r\n");
    ui::ChildProcess host(HostPath(), Arguments());
    HWND dialog = OpenSearchDialog(host);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(Named(dialog, "cboKeyword"), CB_GETCOUNT, 0, 0), 2);

    ui::PickMenuCommand(dialog, IDM_ALIAS_RENAME);
    HWND alias = ui::WaitForWindow(host.Id(), kAliasCaption);
    ASSERT_NE(alias, nullptr);
    HWND oldName = Named(alias, "cboOldAliasName");
    HWND folders = Named(alias, "lstFolderNames");
    EXPECT_EQ(SendMessageW(oldName, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(folders, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Text(alias, "cboAliasName"), "");
    EXPECT_EQ(SendMessageW(Named(alias, "cboInsertPosition"), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(Named(alias, "cboInsertPosition"), CB_GETCURSEL, 0, 0), CB_ERR);
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof focus;
    GetGUIThreadInfo(GetWindowThreadProcessId(alias, nullptr), &focus);
    EXPECT_EQ(focus.hwndFocus, oldName);

    // Choosing B shows its one member that still exists.
    SendMessageW(oldName, CB_SETCURSEL, 1, 0);
    SendMessageW(alias, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(oldName), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(oldName));
    ASSERT_EQ(SendMessageW(folders, LB_GETCOUNT, 0, 0), 1);
    wchar_t title[64] = L"";
    SendMessageW(folders, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(title));
    EXPECT_EQ(ShiftJisFromWide(title), "郵便受け");

    SetText(alias, "cboAliasName", "a");
    ui::PickMenuCommand(alias, IDC_ALIAS_SAVE);
    HWND refusal = ui::WaitForWindow(host.Id(), L"エラー");
    ASSERT_NE(refusal, nullptr);
    const std::vector<std::wstring> texts = ui::ControlTexts(refusal);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"すでに存在する名称には変更できません。"),
              texts.end());
    EXPECT_TRUE(ui::PressButtonById(refusal, IDOK));
    EXPECT_TRUE(ui::WaitForWindowGone(refusal));
    EXPECT_TRUE(IsWindowVisible(alias));

    // Its own name in another case moves it only.
    SetText(alias, "cboAliasName", "b");
    SendMessageW(Named(alias, "cboInsertPosition"), CB_SETCURSEL, 0, 0);
    Press(alias, "btnSave");
    EXPECT_TRUE(ui::WaitForWindowGone(alias));
    EXPECT_EQ(Stored("Alias", "Name1"), "B");
    EXPECT_EQ(Stored("Alias", "Dir1-1"), "Namazu\\b099\\");
    EXPECT_EQ(Stored("Alias", "Name2"), "A");

    Press(dialog, "btnCancel");
    EXPECT_TRUE(host.WaitForExit().has_value());
}

TEST_F(SearchDialogTest, BadSavedEntriesAreDroppedAndTheFileStaysWhole) {
    WriteBytes(IniPath(), "[Search]\r\nTargetFolderCount=4\r\nFolder1=x:abc\r\nFolder2=:abc\r\n"
                          "Folder3=99:abc\r\nFolder4=1:送信箱\r\nAlias=消えた\r\n"
                          "[Alias]\r\nMax=3\r\nName1=　 \r\nDirCount1=two\r\n"
                          "Dir1-1=Namazu\\inbox\\\r\n[Other]\r\nKeep=1\r\n");
    ui::ChildProcess host(HostPath(), Arguments());
    HWND dialog = OpenSearchDialog(host);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, "edtFolderName"), "送信箱");
    ui::PickMenuCommand(dialog, IDM_ALIAS_FIRST + 0);
    EXPECT_EQ(WaitForText(Named(dialog, "edtFolderName"), ""), "");
    Press(dialog, "btnSearch");
    CloseResultWindow(host);
    EXPECT_TRUE(host.WaitForExit().has_value());
    EXPECT_EQ(Stored("Search", "TargetFolderCount"), "0");
    EXPECT_EQ(Stored("Search", "Alias"), "　");
    EXPECT_EQ(Stored("Alias", "Max"), "3");
    EXPECT_EQ(Stored("Other", "Keep"), "1");
}

} // namespace
