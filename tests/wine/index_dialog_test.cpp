// The index update dialog in the substitute host, building real Namazu 2.0
// indexes through the bridge: the menu command opens it on a generated
// account, its runs fill console windows, and closing it stores the counter,
// the update time and the targets.
#include "platform/win32/win32_file_system.h"
#include "sample_account.h"
#include "settings/profile_document.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const wchar_t kDialogCaption[] = L"tarnwick for Namazu [インデックス作成・更新]";
const int kIndexCommandId = 40001;
// mknmz under Wine takes a few seconds per folder.
const DWORD kRunTimeoutMs = 180000;

// Catalogue rows of the generated account (see tools/make_sample_mailbox.py):
// 2 仕事 (user001), 5 会議録 inside the container プロジェクト, 7 the folder
// inside the nested container 予定表.
const int kWorkRow = 2;
const int kMinutesRow = 5;
const int kDeepRow = 7;

class IndexDialogTest : public testing::Test {
protected:
    void SetUp() override {
        stem_ = NewTmpDirectory("TarnwickIndex");
        ASSERT_TRUE(RunLinuxShell("python3 '" + SampleGeneratorPath() + "' '" + stem_ +
                                      "/acc' --mails 3 --folders 2",
                                  stem_));
        account_ = "Z:" + stem_ + "/acc/";
        std::replace(account_.begin(), account_.end(), '/', '\\');
    }

    void TearDown() override { RunLinuxShell("rm -rf '" + stem_ + "'", stem_ + "-gone"); }

    // Settings for Namazu 2.0 through the bridge; extra keys of [Mknmz] on top.
    void WriteSettings(const std::vector<std::pair<std::string, std::string>>& mknmz,
                       const std::string& perl = "") {
        ProfileDocument settings;
        settings.Write("Mknmz", "ShowWindow", "1");
        settings.Write("Mknmz", "InDosPromptWindow", "0");
        settings.Write("Mknmz", "UsePreviousTarget", "1");
        for (const auto& key : mknmz)
            settings.Write("Mknmz", key.first, key.second);
        settings.Write("Command", "PerlPath",
                       perl.empty() ? ShiftJisFromWide(ui::ProgramDirectory()) + "perl.exe" : perl);
        settings.Write("Command", "mknmzPath", "Z:\\usr\\bin\\mknmz");
        settings.Write("Command", "mknmzOption", "--mailnews --allow=\".*\\.alm\"");
        settings.Write("Command", "NamazuVersion", "2.0");
        ASSERT_TRUE(files_.ReplaceContent(Ini(), settings.Serialize()));
    }

    std::string Ini() const { return account_ + "tarnwick.ini"; }
    std::string Stored(const char* section, const char* key) {
        return ProfileDocument(files_.ReadFile(Ini()).value_or("")).Read(section, key, "<absent>");
    }
    std::string IndexDir(const std::string& sub) const { return account_ + "Namazu\\" + sub; }

    std::unique_ptr<ui::ChildProcess> StartHost(const std::wstring& actions) {
        const std::string account = account_.substr(0, account_.size() - 1);
        return std::make_unique<ui::ChildProcess>(ui::ProgramDirectory() + L"Almail.exe",
                                                  L"\"/account:" + WideFromShiftJis(account) +
                                                      L"\" " + actions);
    }

    HWND Control(HWND dialog, const char* name) {
        HWND control = ui::FindControlByName(dialog, name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    std::string Status(HWND dialog) {
        return ShiftJisFromWide(ui::WindowText(Control(dialog, "sbrInfo")));
    }
    static bool RowChecked(HWND list, int row) {
        const LRESULT state = SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
        return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }
    // Presses the button and notes every status text until the dialog is
    // enabled again with the last-update line.
    std::vector<std::string> PressAndWatch(HWND dialog, const char* button) {
        std::vector<std::string> statuses;
        PostMessageW(Control(dialog, button), BM_CLICK, 0, 0);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kRunTimeoutMs) {
            const std::string status = Status(dialog);
            if (statuses.empty() || statuses.back() != status)
                statuses.push_back(status);
            if (statuses.size() > 1 && status.find("前回更新日時: ") == 0 &&
                IsWindowEnabled(dialog))
                break;
            Sleep(20);
        }
        return statuses;
    }

    Win32FileSystem files_;
    std::string stem_;
    std::string account_;
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += text + "\n";
    return joined;
}

bool AnyEndsWith(const std::vector<std::string>& texts, const std::string& end) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) {
        return text.size() >= end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0;
    });
}

// mknmz is run through a wrapper that waits a second first: a real run of a
// small folder ends before another process can see the status line change.
TEST_F(IndexDialogTest, BuildsThenUpdatesThenRebuildsThreeIndexes) {
    WriteSettings({{"TargetFolderCount", "3"},
                   {"Folder1", "2:仕事"},
                   {"Folder2", "5:会議録"},
                   {"Folder3", "9:消えたフォルダ"},
                   {"NowCountMail", "12"}});
    const std::string wrapper = account_ + "slow-mknmz.pl";
    ASSERT_TRUE(files_.ReplaceContent(
        wrapper, "sleep 1; exec('/usr/bin/perl', '/usr/bin/mknmz', @ARGV);\n"));
    ProfileDocument settings(files_.ReadFile(Ini()).value_or(""));
    settings.Write("Command", "mknmzPath", wrapper);
    ASSERT_TRUE(files_.ReplaceContent(Ini(), settings.Serialize()));
    auto host = StartHost(L"menu:index");
    HWND dialog = ui::WaitForWindow(host->Id(), kDialogCaption);
    ASSERT_NE(dialog, nullptr) << host->Output();
    EXPECT_EQ(Status(dialog), "前回更新日時: ???   受信メール数: 12通");
    RECT placed{}, owner{};
    GetWindowRect(dialog, &placed);
    GetWindowRect(GetWindow(dialog, GW_OWNER), &owner);
    EXPECT_EQ(placed.left,
              owner.left + ((owner.right - owner.left) - (placed.right - placed.left)) / 2);
    EXPECT_EQ(placed.top,
              owner.top + ((owner.bottom - owner.top) - (placed.bottom - placed.top)) / 2);

    HWND list = Control(dialog, "lstFolder");
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 8);
    EXPECT_TRUE(RowChecked(list, kWorkRow));
    EXPECT_TRUE(RowChecked(list, kMinutesRow));
    EXPECT_EQ(SendMessageW(Control(dialog, "chkSaveTarget"), BM_GETCHECK, 0, 0), BST_CHECKED);
    // Space on the deepest row checks it, as a click on its box would.
    SetForegroundWindow(dialog);
    PostMessageW(list, WM_KEYDOWN, VK_END, 0);
    PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    for (int waited = 0; waited < 100 && !RowChecked(list, kDeepRow); ++waited)
        Sleep(50);
    ASSERT_TRUE(RowChecked(list, kDeepRow));

    const std::vector<std::string> first = PressAndWatch(dialog, "btnUpdateIndex");
    for (const char* progress : {" [1/3]", " [2/3]", " [3/3]"})
        EXPECT_TRUE(AnyEndsWith(first, progress)) << progress << "\n" << Joined(first);
    for (const char* dir : {"b001", "b003\\b004", "b003\\b005\\b006"})
        EXPECT_TRUE(FileExists(IndexDir(dir) + "\\NMZ.i")) << dir;

    HWND console = ui::WaitForWindow(host->Id(), L"「会議録」フォルダのインデックス作成中...終了");
    ASSERT_NE(console, nullptr);
    const std::string output = ShiftJisFromWide(ui::WindowText(Control(console, "edt")));
    EXPECT_EQ(output.find("WorkDir: "), 0u) << output;
    EXPECT_NE(output.find("account/user003.box/user004.box/1.alm"), std::string::npos) << output;

    // An update keeps what is in the index directory; a rebuild removes it.
    for (const char* dir : {"b001", "b003\\b004", "b003\\b005\\b006"})
        ASSERT_TRUE(files_.ReplaceContent(IndexDir(dir) + "\\NMZ.mark", "x"));
    PressAndWatch(dialog, "btnUpdateIndex");
    EXPECT_TRUE(FileExists(IndexDir("b001\\NMZ.mark")));
    // Checked and announced before the update is pressed, whatever the load.
    HWND rebuild = Control(dialog, "chkRebuild");
    SendMessageW(rebuild, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(rebuild), BN_CLICKED),
                 reinterpret_cast<LPARAM>(rebuild));
    PressAndWatch(dialog, "btnUpdateIndex");
    for (const char* dir : {"b001", "b003\\b004", "b003\\b005\\b006"}) {
        EXPECT_FALSE(FileExists(IndexDir(dir) + "\\NMZ.mark")) << dir;
        EXPECT_TRUE(FileExists(IndexDir(dir) + "\\NMZ.i")) << dir;
    }

    PostMessageW(Control(dialog, "btnCancel"), BM_CLICK, 0, 0);
    EXPECT_TRUE(ui::WaitForWindowGone(dialog));
    EXPECT_TRUE(ui::WaitForWindowGone(console)); // closed with the dialog
    EXPECT_EQ(host->WaitForExit(), std::optional<DWORD>(0)) << host->Output();

    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "0");
    EXPECT_TRUE(
        std::regex_match(Stored("Mknmz", "LastDate"),
                         std::regex("20[0-9]{2}/[01][0-9]/[0-3][0-9] [0-2][0-9]:[0-5][0-9]")))
        << Stored("Mknmz", "LastDate");
    EXPECT_EQ(Stored("Mknmz", "TargetFolderCount"), "3");
    EXPECT_EQ(Stored("Mknmz", "Folder1"), "2:仕事");
    EXPECT_EQ(Stored("Mknmz", "Folder2"), "5:会議録");
    EXPECT_EQ(Stored("Mknmz", "Folder3").substr(0, 2), "7:");
}

TEST_F(IndexDialogTest, AskZeroRunsAtOnceAndCloseOnFinishClosesTheDialog) {
    WriteSettings({{"Ask", "0"},
                   {"CloseOnFinish", "1"},
                   {"ShowWindow", "0"},
                   {"TargetFolderCount", "1"},
                   {"Folder1", "3:ソフトウェア"}});
    auto host = StartHost(L"menu:index");
    EXPECT_EQ(host->WaitForExit(kRunTimeoutMs), std::optional<DWORD>(0)) << host->Output();
    EXPECT_TRUE(FileExists(IndexDir("b002\\NMZ.i")));
    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "0");
    EXPECT_EQ(Stored("Mknmz", "Folder1"), "3:ソフトウェア");
}

// An account below a space, parentheses and ソ (trail byte 0x5C): mknmz gets
// the index directories in their short form and a pattern that matches the
// account literally, so every document is stored under account/.
TEST_F(IndexDialogTest, IndexesAnAccountBelowSpacesParenthesesAndSo) {
    const std::string below = stem_ + "/My Documents (old)/\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88";
    ASSERT_TRUE(RunLinuxShell("python3 '" + SampleGeneratorPath() + "' '" + below +
                                  "/acc' --mails 2 --folders 2",
                              stem_ + "-odd"));
    account_ = WindowsFormOf(stem_ + "/My Documents (old)/ソフト/acc/");
    WriteSettings({{"Ask", "0"},
                   {"CloseOnFinish", "1"},
                   {"ShowWindow", "0"},
                   {"TargetFolderCount", "3"},
                   {"Folder1", "0:郵便受け"},
                   {"Folder2", "2:仕事"},
                   {"Folder3", "5:会議録"}});
    auto host = StartHost(L"menu:index");
    EXPECT_EQ(host->WaitForExit(kRunTimeoutMs), std::optional<DWORD>(0)) << host->Output();

    for (const char* dir : {"inbox", "b001", "b003\\b004"}) {
        SCOPED_TRACE(dir);
        EXPECT_TRUE(FileExists(IndexDir(dir) + "\\NMZ.i"));
        std::istringstream uris(ReadBytes(IndexDir(dir) + "\\NMZ.field.uri"));
        int documents = 0;
        for (std::string uri; std::getline(uris, uri); ++documents)
            EXPECT_EQ(uri.substr(0, 8), "account/") << uri;
        EXPECT_EQ(documents, 2);
    }
    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "0");
}

TEST_F(IndexDialogTest, MissingPerlIsReportedPerFolderAndNamedAtTheEnd) {
    WriteSettings({{"TargetFolderCount", "2"},
                   {"Folder1", "0:郵便受け"},
                   {"Folder2", "2:仕事"},
                   {"NowCountMail", "x"}},
                  "Z:\\no\\such\\perl.exe");
    auto host = StartHost(L"menu:index");
    HWND dialog = ui::WaitForWindow(host->Id(), kDialogCaption);
    ASSERT_NE(dialog, nullptr) << host->Output();
    PostMessageW(Control(dialog, "btnUpdateIndex"), BM_CLICK, 0, 0);
    for (int box = 0; box < 2; ++box) {
        SCOPED_TRACE(box);
        HWND message = ui::WaitForWindow(host->Id(), L"tarnwick for Namazu");
        ASSERT_NE(message, nullptr);
        const std::vector<std::wstring> texts = ui::ControlTexts(message);
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::wstring& text) {
            return text.find(L"コマンドの実行に失敗しました。") == 0;
        }));
        ASSERT_TRUE(ui::PressButtonById(message, IDOK));
        ui::WaitForWindowGone(message);
    }
    HWND failures = ui::WaitForWindow(host->Id(), L"エラー");
    ASSERT_NE(failures, nullptr) << host->Output();
    const std::vector<std::wstring> texts = ui::ControlTexts(failures);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::wstring& text) {
        return text.find(L"「郵便受け」: mknmz を起動できませんでした") != std::wstring::npos &&
               text.find(L"「仕事」: mknmz を起動できませんでした") != std::wstring::npos;
    }));
    ASSERT_TRUE(ui::PressButtonById(failures, IDOK));
    ui::CloseWindow(dialog);
    EXPECT_EQ(host->WaitForExit(), std::optional<DWORD>(0)) << host->Output();
    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "0");
    EXPECT_NE(Stored("Mknmz", "LastDate"), "<absent>");
}

// A stand-in for mknmz that takes a few seconds keeps the run going long
// enough for the host's index command to arrive in the middle of it.
TEST_F(IndexDialogTest, IndexCommandDuringARunIsRefused) {
    WriteSettings({{"TargetFolderCount", "1"}, {"Folder1", "2:仕事"}});
    const std::string script = account_ + "slow.pl";
    ASSERT_TRUE(files_.ReplaceContent(script, "print qq(start\\n); sleep 4; print qq(end\\n);\n"));
    ProfileDocument settings(files_.ReadFile(Ini()).value_or(""));
    settings.Write("Command", "mknmzPath", script);
    settings.Write("Command", "mknmzOption", "");
    ASSERT_TRUE(files_.ReplaceContent(Ini(), settings.Serialize()));

    auto host = StartHost(L"menu:index");
    HWND dialog = ui::WaitForWindow(host->Id(), kDialogCaption);
    ASSERT_NE(dialog, nullptr) << host->Output();
    HWND folderWindow = GetWindow(dialog, GW_OWNER);
    ASSERT_NE(folderWindow, nullptr);
    PostMessageW(Control(dialog, "btnUpdateIndex"), BM_CLICK, 0, 0);
    HWND busy = ui::WaitForWindow(host->Id(), L"「仕事」フォルダのインデックス作成中...");
    ASSERT_NE(busy, nullptr);
    // Only Cancel stays, to stop the run.
    EXPECT_FALSE(IsWindowEnabled(Control(dialog, "btnUpdateIndex")));
    EXPECT_FALSE(IsWindowEnabled(Control(dialog, "lstFolder")));
    EXPECT_TRUE(IsWindowEnabled(Control(dialog, "btnCancel")));
    EXPECT_EQ(GetWindow(busy, GW_OWNER), nullptr);
    EXPECT_NE(GetWindowLongW(busy, GWL_STYLE) & WS_MINIMIZEBOX, 0);
    // A console window refuses to close while its capture runs; the request
    // is sent, so it has been handled when the check comes.
    DWORD_PTR closeResult = 0;
    EXPECT_NE(
        SendMessageTimeoutW(busy, WM_CLOSE, 0, 0, SMTO_NORMAL, ui::DefaultTimeoutMs, &closeResult),
        0);
    EXPECT_TRUE(IsWindow(busy));
    EXPECT_EQ(ui::WindowText(busy), L"「仕事」フォルダのインデックス作成中...");
    ui::PickMenuCommand(folderWindow, kIndexCommandId);
    HWND refusal = ui::WaitForWindow(host->Id(), L"エラー");
    ASSERT_NE(refusal, nullptr);
    const std::vector<std::wstring> texts = ui::ControlTexts(refusal);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"現在インデックス作成中です。"), texts.end());
    ASSERT_TRUE(ui::PressButtonById(refusal, IDOK));
    HWND console = ui::WaitForWindow(host->Id(), L"「仕事」フォルダのインデックス作成中...終了");
    ASSERT_NE(console, nullptr);
    EXPECT_NE(ui::WindowText(Control(console, "edt")).find(L"end"), std::wstring::npos);
    ui::CloseWindow(dialog);
    EXPECT_EQ(host->WaitForExit(), std::optional<DWORD>(0)) << host->Output();
}

// Closes every index dialog the host opens by itself until the host ends,
// and counts them.
int CountAutomaticDialogs(ui::ChildProcess& host) {
    int opened = 0;
    const DWORD start = GetTickCount();
    while (!host.WaitForExit(0) && GetTickCount() - start < kRunTimeoutMs) {
        HWND dialog = ui::WaitForWindow(host.Id(), kDialogCaption, 300);
        if (dialog == nullptr)
            continue;
        ++opened;
        ui::CloseWindow(dialog);
        EXPECT_TRUE(ui::WaitForWindowGone(dialog));
    }
    return opened;
}

// Two mails reach the interval: at start-up the next folder window offers the
// update once; at clean-up every folder close offers it.
TEST_F(IndexDialogTest, AutomaticUpdateOpensTheDialogAfterTheIntervalOfMails) {
    struct Case {
        const char* When;
        const wchar_t* Actions;
        int Opened;
    };
    const Case cases[] = {
        {"StartUp", L"deliver:2 reopen reopen", 1},
        {"CleanUp", L"close reopen deliver:2 close reopen close", 2},
        {"UserOperation", L"deliver:2 close reopen close", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.When);
        WriteSettings({{"When", c.When}, {"IntervalCountMail", "2"}, {"NowCountMail", "0"}});
        auto host = StartHost(c.Actions);
        EXPECT_EQ(CountAutomaticDialogs(*host), c.Opened) << host->Output();
        EXPECT_EQ(host->WaitForExit(), std::optional<DWORD>(0)) << host->Output();
    }
}

} // namespace
