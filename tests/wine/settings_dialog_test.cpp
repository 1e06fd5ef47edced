// The settings dialog and the about box in the substitute host: what they
// show when they open, what OK and Cancel leave in tarnwick.ini, the
// buttons' rules, the option help through the Namazu bridge and the link
// menu under its button.
#include "platform/win32/win32_file_system.h"
#include "sample_account.h"
#include "settings/profile_document.h"
#include "tarnwick_version.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const wchar_t kSettingsCaption[] = L"tarnwick for Namazu [設定]";
const wchar_t kAboutCaption[] = L"バージョン情報";
const wchar_t kOptionHelpCaption[] = L"コマンドライン・オプション";
const DWORD kOptionHelpTimeoutMs = 60000;

// Button messages are sent, so that the click has been handled on return.
void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}
bool Checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void Type(HWND edit, const std::wstring& text) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

struct WindowSearch {
    DWORD processId;
    std::wstring className;
    std::wstring caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM context) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (processId == search.processId && IsWindowVisible(window) &&
        (search.className.empty() || search.className == className) &&
        (search.caption.empty() || ui::WindowText(window) == search.caption))
        search.found.push_back(window);
    return TRUE;
}

// The visible top-level windows of a process with this class or caption.
std::vector<HWND> TopWindows(DWORD processId, const std::wstring& className,
                             const std::wstring& caption) {
    WindowSearch search = {processId, className, caption, {}};
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct CaptionQuery {
    std::wstring caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND child, LPARAM context) {
    CaptionQuery& query = *reinterpret_cast<CaptionQuery*>(context);
    if (ui::WindowText(child) != query.caption)
        return TRUE;
    query.found = child;
    return FALSE;
}

// The control of the dialog with this caption (the version radio items have
// no names of their own).
HWND ButtonCaptioned(HWND top, const std::wstring& caption) {
    CaptionQuery query = {caption, nullptr};
    EnumChildWindows(top, MatchCaption, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(100);
    }
    return true;
}

struct TooltipSearch {
    DWORD processId;
    LRESULT tools;
};

BOOL CALLBACK CountTools(HWND window, LPARAM context) {
    TooltipSearch& search = *reinterpret_cast<TooltipSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (processId == search.processId && std::wstring(className) == L"tooltips_class32")
        search.tools += SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0);
    return TRUE;
}

// How many controls of the process carry a tooltip hint.
LRESULT HintCount(DWORD processId) {
    TooltipSearch search = {processId, 0};
    EnumWindows(CountTools, reinterpret_cast<LPARAM>(&search));
    return search.tools;
}

void WriteBytesTo(const std::string& path) {
    Win32FileSystem files;
    files.ReplaceContent(path, "MZ");
}

class SettingsDialogTest : public testing::Test {
protected:
    void SetUp() override { account_ = WindowsFormOf(NewTmpDirectory("tarnwick-settings")) + "\\"; }

    void TearDown() override { RemoveDirectoryTree(WideFromShiftJis(account_)); }

    std::string Ini() const { return account_ + "tarnwick.ini"; }
    std::string IniBytes() { return files_.ReadFile(Ini()).value_or("<missing>"); }
    void WriteIni(const std::string& bytes) { ASSERT_TRUE(files_.ReplaceContent(Ini(), bytes)); }

    // Starts the host on the account and waits for the window its action opens.
    HWND Open(const wchar_t* action, const wchar_t* caption) {
        const std::string account = account_.substr(0, account_.size() - 1);
        host_ = std::make_unique<ui::ChildProcess>(ui::ProgramDirectory() + L"Almail.exe",
                                                   L"\"/account:" + WideFromShiftJis(account) +
                                                       L"\" " + action);
        return ui::WaitForWindow(host_->Id(), caption);
    }
    HWND OpenSettings() { return Open(L"setup", kSettingsCaption); }

    // Starts the host, moves its window to (left, top) before the action runs
    // and waits for the window the action opens.
    HWND OpenOverHostAt(int left, int top, const std::wstring& action, const wchar_t* caption) {
        const std::wstring delayed = L"wait:2000 " + action;
        Open(delayed.c_str(), L"AL-Mail32 (substitute)");
        HWND host = HostWindow();
        if (host == nullptr)
            return nullptr;
        SetWindowPos(host, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return ui::WaitForWindow(host_->Id(), caption);
    }

    void PressAndWaitForHost(HWND dialog, int buttonId) {
        ASSERT_TRUE(ui::PressButtonById(dialog, buttonId));
        EXPECT_TRUE(ui::WaitForWindowGone(dialog));
        EXPECT_EQ(host_->WaitForExit(), std::optional<DWORD>(0)) << host_->Output();
    }

    HWND HostWindow() {
        const std::vector<HWND> windows = TopWindows(host_->Id(), L"", L"AL-Mail32 (substitute)");
        return windows.empty() ? nullptr : windows[0];
    }

    // Opens the dialog, lets change() work on it, presses OK and returns the
    // file afterwards.
    template <typename Change> std::string SettingsAfterOk(Change change) {
        HWND dialog = OpenSettings();
        EXPECT_NE(dialog, nullptr) << host_->Output();
        if (dialog == nullptr)
            return "";
        change(dialog);
        PressAndWaitForHost(dialog, IDOK);
        return IniBytes();
    }

    Win32FileSystem files_;
    std::string account_;
    std::unique_ptr<ui::ChildProcess> host_;
};

TEST_F(SettingsDialogTest, OpeningShowsTheStoredValuesByTheOpeningRulesAndCancelWritesNothing) {
    const std::string longOption = "--allow=" + std::string(1500, 'x');
    const std::string perlPath = "c:\\表示\\ソフト\\perl.exe"; // 表 and ソ end in 0x5C
    ProfileDocument stored;
    stored.Write("Mknmz", "When", "STARTUP");
    stored.Write("Mknmz", "IntervalCountMail", "abc");
    stored.Write("Mknmz", "Ask", "0");
    stored.Write("Mknmz", "ShowWindow", "0");
    stored.Write("Command", "NamazuVersion", "2.0.5");
    stored.Write("Command", "mknmzOption", longOption);
    stored.Write("Command", "PerlPath", perlPath);
    WriteIni(stored.Serialize());
    const std::string before = IniBytes();

    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr) << host_->Output();
    for (const char* name : {"page",
                             "tab1",
                             "tab2",
                             "tab3",
                             "tab4",
                             "tab5",
                             "TabSheet1",
                             "GroupBox1",
                             "rbtnUpdate1",
                             "rbtnUpdate2",
                             "rbtnUpdate3",
                             "edtNumberOfMail",
                             "UpDown1",
                             "chkForceIndexing",
                             "chkExitIndexingOnFinish",
                             "chkSearchOnChangeSettings",
                             "chkRenameToFolderName",
                             "chkExitSearchOnMailView",
                             "chkConfirmCommandLine",
                             "edtMknmzOption",
                             "edtNamazuOption",
                             "btnDefautOption",
                             "btnShowOptions",
                             "GroupBox2",
                             "chkShowWindow",
                             "chkInDosWindow",
                             "chkMinimize",
                             "rgrpNamazuVersion",
                             "GroupBox3",
                             "edtIndexingMenu",
                             "edtNamazuMenu",
                             "edtPerlPath",
                             "btnBrowse1",
                             "edtMknmzPath",
                             "btnBrowse2",
                             "edtNamazuPath",
                             "btnBrowse3",
                             "btnDefaultPath",
                             "chkUseTempDirectory",
                             "btnOK",
                             "btnCancel"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(ui::FindControlByName(dialog, name), nullptr);
    }
    EXPECT_TRUE(Checked(ui::FindControlByName(dialog, "rbtnUpdate1")));
    EXPECT_FALSE(Checked(ui::FindControlByName(dialog, "rbtnUpdate3")));
    EXPECT_EQ(ui::WindowText(ui::FindControlByName(dialog, "edtNumberOfMail")), L"30");
    EXPECT_TRUE(Checked(ui::FindControlByName(dialog, "chkForceIndexing")));
    EXPECT_FALSE(Checked(ui::FindControlByName(dialog, "chkShowWindow")));
    EXPECT_TRUE(IsWindowEnabled(ui::FindControlByName(dialog, "chkInDosWindow")));
    EXPECT_TRUE(IsWindowEnabled(ui::FindControlByName(dialog, "chkMinimize")));
    EXPECT_TRUE(Checked(ButtonCaptioned(dialog, L"2.0")));
    EXPECT_FALSE(Checked(ButtonCaptioned(dialog, L"1.3.x")));
    EXPECT_EQ(ui::WindowText(ui::FindControlByName(dialog, "edtMknmzOption")),
              WideFromShiftJis(longOption));
    EXPECT_EQ(ui::WindowText(ui::FindControlByName(dialog, "edtPerlPath")),
              WideFromShiftJis(perlPath));

    const RECT host = WindowRect(HostWindow());
    const RECT own = WindowRect(dialog);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    EXPECT_EQ(own.left, std::max(0L, host.left + (host.right - host.left - width) / 2));
    EXPECT_EQ(own.top, std::max(0L, host.top + (host.bottom - host.top - height) / 2));

    Type(ui::FindControlByName(dialog, "edtNamazuPath"), L"d:\\changed\\namazu.exe");
    Click(ui::FindControlByName(dialog, "rbtnUpdate2"));
    PressAndWaitForHost(dialog, IDCANCEL);
    EXPECT_EQ(IniBytes(), before);
}

// The place the dialog must take over the host by the placement rule.
POINT CentredOn(const RECT& host, const RECT& own) {
    return {host.left + (host.right - host.left - (own.right - own.left)) / 2,
            host.top + (host.bottom - host.top - (own.bottom - own.top)) / 2};
}

TEST_F(SettingsDialogTest, TheCheckedTimingButtonHasTheFocus) {
    ProfileDocument stored;
    stored.Write("Mknmz", "When", "cleanUP");
    WriteIni(stored.Serialize());
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr) << host_->Output();
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof(thread);
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread));
    EXPECT_EQ(thread.hwndFocus, ui::FindControlByName(dialog, "rbtnUpdate2"));
    EXPECT_TRUE(Checked(ui::FindControlByName(dialog, "rbtnUpdate2")));
    PressAndWaitForHost(dialog, IDCANCEL);
}

TEST_F(SettingsDialogTest, TheDialogStaysOnTheScreenWhereItsHostDoesNot) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const std::vector<POINT> hostPlaces = {{-500, -400}, {screenWidth - 100, screenHeight - 100}};
    for (const POINT& place : hostPlaces) {
        SCOPED_TRACE(std::to_string(place.x) + "," + std::to_string(place.y));
        HWND dialog = OpenOverHostAt(place.x, place.y, L"setup", kSettingsCaption);
        ASSERT_NE(dialog, nullptr) << host_->Output();
        const RECT host = WindowRect(HostWindow());
        ASSERT_EQ(host.left, place.x);
        const RECT own = WindowRect(dialog);
        const int width = own.right - own.left;
        const int height = own.bottom - own.top;
        const POINT centred = CentredOn(host, own);
        EXPECT_EQ(own.left, std::min<LONG>(std::max<LONG>(0, centred.x), screenWidth - width));
        EXPECT_EQ(own.top, std::min<LONG>(std::max<LONG>(0, centred.y), screenHeight - height));
        PressAndWaitForHost(dialog, IDCANCEL);
    }
}

TEST_F(SettingsDialogTest, OkWritesExactlyTheChangedKeysAndTheResetCounter) {
    ProfileDocument stored;
    stored.Write("Mknmz", "NowCountMail", "7");
    WriteIni(stored.Serialize());
    // A first OK without changes writes every key the dialog's save writes.
    const std::string baseline = SettingsAfterOk([](HWND) {});
    ASSERT_EQ(ProfileDocument(baseline).Read("Mknmz", "NowCountMail", ""), "7");
    ASSERT_EQ(ProfileDocument(baseline).Read("Mknmz", "When", ""), "UserOperation");

    const std::string namazuPath = "d:\\予定表\\namazu.exe";
    const std::string after = SettingsAfterOk([&](HWND dialog) {
        Click(ui::FindControlByName(dialog, "rbtnUpdate2"));
        Type(ui::FindControlByName(dialog, "edtNumberOfMail"), L"120");
        Type(ui::FindControlByName(dialog, "edtNamazuPath"), WideFromShiftJis(namazuPath));
    });
    ProfileDocument expected(baseline);
    expected.Write("Mknmz", "When", "CleanUp");
    expected.Write("Mknmz", "NowCountMail", "0");
    expected.Write("Mknmz", "IntervalCountMail", "120");
    expected.Write("Command", "namazuPath", namazuPath);
    EXPECT_EQ(after, expected.Serialize());
}

TEST_F(SettingsDialogTest, AnIntervalThatIsNoNumberInRangeKeepsTheUpDownPosition) {
    for (const wchar_t* typed : {L"abc", L"500", L"-1"}) {
        SCOPED_TRACE(ShiftJisFromWide(typed));
        const std::string after = SettingsAfterOk(
            [&](HWND dialog) { Type(ui::FindControlByName(dialog, "edtNumberOfMail"), typed); });
        EXPECT_EQ(ProfileDocument(after).Read("Mknmz", "IntervalCountMail", ""), "50");
    }
}

TEST_F(SettingsDialogTest, ButtonsFillInByVersionAndShowWindowEnablesItsOptions) {
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr) << host_->Output();
    const std::string before = IniBytes();
    HWND showWindow = ui::FindControlByName(dialog, "chkShowWindow");
    HWND inDosWindow = ui::FindControlByName(dialog, "chkInDosWindow");
    HWND minimize = ui::FindControlByName(dialog, "chkMinimize");
    ASSERT_TRUE(Checked(showWindow));
    Click(showWindow);
    EXPECT_FALSE(IsWindowEnabled(inDosWindow));
    EXPECT_FALSE(IsWindowEnabled(minimize));
    Click(showWindow);
    EXPECT_TRUE(IsWindowEnabled(inDosWindow));
    EXPECT_TRUE(IsWindowEnabled(minimize));

    struct Expected {
        const wchar_t* version;
        const wchar_t* mknmzOption;
        const wchar_t* namazuOption;
        const wchar_t* mknmzPath;
        const wchar_t* namazuPath;
    };
    const Expected cases[] = {
        {L"1.3.x", L"-kh -KP -t \".*\\.alm\"", L"", L"c:\\usr\\local\\namazu\\bin\\mknmz",
         L"c:\\usr\\local\\namazu\\bin\\namazu.exe"},
        {L"2.0", L"--use-kakasi --mailnews -EK --allow=\".*\\.alm\"", L"--config=\"namazurc\"",
         L"c:\\namazu\\bin\\mknmz", L"c:\\namazu\\bin\\namazu.exe"},
    };
    HWND perlPath = ui::FindControlByName(dialog, "edtPerlPath");
    Type(perlPath, L"x:\\perl.exe");
    for (const Expected& expected : cases) {
        SCOPED_TRACE(ShiftJisFromWide(expected.version));
        Click(ButtonCaptioned(dialog, expected.version));
        Click(ui::FindControlByName(dialog, "btnDefautOption"));
        Click(ui::FindControlByName(dialog, "btnDefaultPath"));
        EXPECT_EQ(ui::WindowText(ui::FindControlByName(dialog, "edtMknmzOption")),
                  expected.mknmzOption);
        EXPECT_EQ(ui::WindowText(ui::FindControlByName(dialog, "edtNamazuOption")),
                  expected.namazuOption);
        EXPECT_EQ(ui::WindowText(ui::FindControlByName(dialog, "edtMknmzPath")),
                  expected.mknmzPath);
        EXPECT_EQ(ui::WindowText(ui::FindControlByName(dialog, "edtNamazuPath")),
                  expected.namazuPath);
        EXPECT_EQ(ui::WindowText(perlPath), L"x:\\perl.exe");
    }
    ui::CloseWindow(dialog);
    EXPECT_TRUE(ui::WaitForWindowGone(dialog));
    EXPECT_EQ(host_->WaitForExit(), std::optional<DWORD>(0)) << host_->Output();
    EXPECT_EQ(IniBytes(), before);
}

// The file-open dialog that a browse button opened over the settings dialog.
HWND WaitForFileDialog(DWORD processId, HWND settings) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopWindows(processId, L"#32770", L"")) {
                if (window != settings)
                    found = window;
            }
            return found != nullptr;
        },
        ui::DefaultTimeoutMs);
    return found;
}

const int kFileNameBox = 0x47c; // cmb13
const int kFileTypeBox = 0x470; // cmb1

TEST_F(SettingsDialogTest, BrowsingPresetsTheStoredPathAndReplacesTheEditOnlyWhenConfirmed) {
    struct Browse {
        const char* button;
        const char* edit;
        const char* key;
        const char* storedName;
        const wchar_t* filter;
    };
    const Browse browses[] = {
        {"btnBrowse1", "edtPerlPath", "PerlPath", "perl.exe", L"実行ファイル(*.exe)"},
        {"btnBrowse2", "edtMknmzPath", "mknmzPath", "mknmz", L"すべてのファイル(*.*)"},
        {"btnBrowse3", "edtNamazuPath", "namazuPath", "namazu.exe", L"実行ファイル(*.exe)"},
    };
    ProfileDocument stored;
    for (const Browse& browse : browses) {
        WriteBytesTo(account_ + browse.storedName);
        stored.Write("Command", browse.key, account_ + browse.storedName);
    }
    const std::string chosenPerl = account_ + "perl5.exe";
    WriteBytesTo(chosenPerl);
    stored.Write("Command", "NamazuVersion", "2.0");
    WriteIni(stored.Serialize());
    const std::string before = IniBytes();

    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr) << host_->Output();
    HWND files = nullptr;
    // The edits name other files: the preset is the stored path.
    for (const Browse& browse : browses) {
        SCOPED_TRACE(browse.button);
        HWND edit = ui::FindControlByName(dialog, browse.edit);
        Type(edit, L"q:\\elsewhere\\other.exe");
        PostMessageW(ui::FindControlByName(dialog, browse.button), BM_CLICK, 0, 0);
        files = WaitForFileDialog(host_->Id(), dialog);
        ASSERT_NE(files, nullptr);
        const std::wstring preset = ui::WindowText(GetDlgItem(files, kFileNameBox));
        EXPECT_NE(preset.find(WideFromShiftJis(browse.storedName)), std::wstring::npos)
            << ShiftJisFromWide(preset);
        EXPECT_EQ(preset.find(L"other"), std::wstring::npos) << ShiftJisFromWide(preset);
        EXPECT_EQ(ui::WindowText(GetDlgItem(files, kFileTypeBox)), browse.filter);
        PostMessageW(files, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(ui::WaitForWindowGone(files));
        EXPECT_EQ(ui::WindowText(edit), L"q:\\elsewhere\\other.exe");
    }

    HWND perlPath = ui::FindControlByName(dialog, "edtPerlPath");
    HWND browse = ui::FindControlByName(dialog, "btnBrowse1");
    PostMessageW(browse, BM_CLICK, 0, 0);
    files = WaitForFileDialog(host_->Id(), dialog);
    ASSERT_NE(files, nullptr);
    Type(GetDlgItem(files, kFileNameBox), WideFromShiftJis(chosenPerl));
    PostMessageW(files, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(ui::WaitForWindowGone(files));
    EXPECT_TRUE(WaitUntil([&] { return ui::WindowText(perlPath) == WideFromShiftJis(chosenPerl); },
                          ui::DefaultTimeoutMs))
        << ShiftJisFromWide(ui::WindowText(perlPath));

    PressAndWaitForHost(dialog, IDCANCEL);
    EXPECT_EQ(IniBytes(), before);
}

TEST_F(SettingsDialogTest, TabsShowOnePageAtATimeAndHintsAreTooltips) {
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr) << host_->Output();
    HWND tabs = ui::FindControlByName(dialog, "page");
    const char* const pages[] = {"tab1", "tab2", "tab3", "tab4", "tab5", "TabSheet1"};
    for (int selected = 0; selected < 6; ++selected) {
        SCOPED_TRACE(pages[selected]);
        EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), selected);
        for (int page = 0; page < 6; ++page)
            EXPECT_EQ(IsWindowVisible(ui::FindControlByName(dialog, pages[page])) != FALSE,
                      page == selected)
                << pages[page];
        SendMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    }
    EXPECT_EQ(HintCount(host_->Id()), 10);
    PressAndWaitForHost(dialog, IDCANCEL);
}

TEST_F(SettingsDialogTest, OptionHelpShowsBothProgramsInOneWindowThatClosesWithTheDialog) {
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr) << host_->Output();
    const std::wstring bridge = ui::ProgramDirectory();
    Type(ui::FindControlByName(dialog, "edtPerlPath"), bridge + L"perl.exe");
    Type(ui::FindControlByName(dialog, "edtMknmzPath"), L"Z:\\usr\\bin\\mknmz");
    Type(ui::FindControlByName(dialog, "edtNamazuPath"), bridge + L"namazu.exe");
    HWND showOptions = ui::FindControlByName(dialog, "btnShowOptions");
    PostMessageW(showOptions, BM_CLICK, 0, 0);

    HWND window = ui::WaitForWindow(host_->Id(), kOptionHelpCaption);
    ASSERT_NE(window, nullptr) << host_->Output();
    PostMessageW(showOptions, BM_CLICK, 0, 0);
    HWND view = ui::FindControlByName(window, "edt");
    ASSERT_NE(view, nullptr);
    const auto bothHelpsShown = [&] {
        const std::wstring text = ui::WindowText(view);
        return text.find(L"mknmz 2.0.21") != std::wstring::npos &&
               text.find(L"namazu 2.0.21") != std::wstring::npos;
    };
    EXPECT_TRUE(WaitUntil(bothHelpsShown, kOptionHelpTimeoutMs))
        << ShiftJisFromWide(ui::WindowText(view));
    const std::wstring text = ui::WindowText(view);
    EXPECT_NE(text.find(L"WorkDir: Z:\\usr\\bin"), std::wstring::npos);
    EXPECT_NE(text.find(L"\"Z:\\usr\\bin\\mknmz\" --help"), std::wstring::npos);
    EXPECT_NE(text.find(L"namazu.exe\" --help"), std::wstring::npos);
    EXPECT_LT(text.find(L"mknmz 2.0.21"), text.find(L"namazu 2.0.21"));
    EXPECT_EQ(TopWindows(host_->Id(), L"", kOptionHelpCaption).size(), 1u);

    PressAndWaitForHost(dialog, IDCANCEL);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SettingsDialogTest, AboutBoxIsCentredAndOpensTheLinkMenuUnderItsButton) {
    HWND about = Open(L"version", kAboutCaption);
    ASSERT_NE(about, nullptr) << host_->Output();
    HWND title = ui::FindControlByName(about, "Label1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(ui::WindowText(title), TARNWICK_ABOUT_TITLE L"\nCopyright (C) 2026 tarnwick project");
    RECT client = {};
    GetClientRect(about, &client);
    const RECT titleRect = WindowRect(title);
    EXPECT_EQ(titleRect.right - titleRect.left, client.right);
    for (const char* name : {"Image1", "Label2", "btnHomepage", "btnOK"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(ui::FindControlByName(about, name), nullptr);
    }

    const RECT host = WindowRect(HostWindow());
    const RECT own = WindowRect(about);
    const POINT centred = CentredOn(host, own);
    EXPECT_EQ(own.left, centred.x);
    EXPECT_EQ(own.top, centred.y);

    HWND homepage = ui::FindControlByName(about, "btnHomepage");
    PostMessageW(homepage, BM_CLICK, 0, 0);
    std::vector<HWND> menus;
    EXPECT_TRUE(WaitUntil(
        [&] {
            menus = TopWindows(host_->Id(), L"#32768", L"");
            return !menus.empty();
        },
        ui::DefaultTimeoutMs));
    if (!menus.empty()) {
        const RECT button = WindowRect(homepage);
        const RECT menu = WindowRect(menus[0]);
        EXPECT_EQ(menu.left, button.left);
        EXPECT_EQ(menu.top, button.bottom);
        PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(ui::WaitForWindowGone(menus[0]) || !IsWindowVisible(menus[0]));
    }
    PressAndWaitForHost(about, IDOK);
}

TEST_F(SettingsDialogTest, AboutBoxIsCentredEvenWhereThatLeavesTheScreen) {
    HWND about = OpenOverHostAt(-500, -400, L"version", kAboutCaption);
    ASSERT_NE(about, nullptr) << host_->Output();
    const RECT host = WindowRect(HostWindow());
    ASSERT_EQ(host.left, -500);
    const RECT own = WindowRect(about);
    const POINT centred = CentredOn(host, own);
    ASSERT_LT(centred.x, 0);
    EXPECT_EQ(own.left, centred.x);
    EXPECT_EQ(own.top, centred.y);
    // OK is the cancel button too: closing the box ends it.
    ui::CloseWindow(about);
    EXPECT_TRUE(ui::WaitForWindowGone(about));
    EXPECT_EQ(host_->WaitForExit(), std::optional<DWORD>(0)) << host_->Output();
}

} // namespace
