// Index updates that do not end well, with the real mknmz: a host and its
// mknmz killed in the middle of a run leave NMZ.lock2 behind, and the next
// run clears it and finds the mail that arrived since; a run stopped by the
// user ends at once and leaves the previous index usable.
#include "result_window_driver.h"
#include "sample_account.h"
#include "search/win32/search_resource.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <windows.h>

#include <string>

namespace {

const DWORD kRunTimeoutMs = 240000;
// 仕事, after 郵便受け and 送信箱.
const int kWorkRow = 2;
const wchar_t kIndexCaption[] = L"tarnwick for Namazu [インデックス作成・更新]";

bool Kill(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    const bool killed = process != nullptr && TerminateProcess(process, 1) &&
                        WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    if (process != nullptr)
        CloseHandle(process);
    return killed;
}

// Ends, as a crash would, the host and then the perl.exe it started for mknmz.
bool KillHostAndMknmz(DWORD hostId) {
    if (!Kill(hostId))
        return false;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool killed = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == hostId && lstrcmpiW(entry.szExeFile, L"perl.exe") == 0)
            killed = Kill(entry.th32ProcessID) || killed;
    }
    CloseHandle(snapshot);
    return killed;
}

class IndexInterruptionTest : public testing::Test {
protected:
    void TearDown() override { account_.Remove(); }

    std::string Index(const std::string& name) const {
        return account_.Directory() + "Namazu\\b001\\" + name;
    }
    // The names of the temporary files of a run, one after the other.
    std::string Leftovers() const {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(WideFromShiftJis(Index("NMZ.*.tmp")).c_str(), &found);
        std::string names;
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
            names += ShiftJisFromWide(found.cFileName) + " ";
        if (search != INVALID_HANDLE_VALUE)
            FindClose(search);
        return names;
    }
    void AddMail(int number, const std::string& word) {
        WriteBytes(account_.Directory() + "user001.box\\" + std::to_string(number) + ".alm",
                   "From: late@example.jp\r\nSubject: late mail\r\n\r\nThe word " + word +
                       " came late.\r\n");
    }
    std::wstring HostArguments(const wchar_t* actions) const {
        const std::string account = account_.Directory();
        return L"\"/account:" + WideFromShiftJis(account.substr(0, account.size() - 1)) + L"\" " +
               actions;
    }
    // Searches 仕事 for word through the search dialog and result window.
    std::string Search(ui::ChildProcess& host, const char* word) {
        HWND dialog = ui::WaitForWindow(host.Id(), kSearchCaption, kRunTimeoutMs);
        EXPECT_NE(dialog, nullptr) << host.Output();
        if (dialog == nullptr)
            return "";
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_FOLDER_FIRST + kWorkRow, 0), 0);
        SendMessageW(Named(dialog, "cboKeyword"), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(WideFromShiftJis(word).c_str()));
        Press(dialog, "btnSearch");
        HWND window = ui::WaitForWindow(host.Id(), kResultCaption);
        EXPECT_NE(window, nullptr) << host.Output();
        if (window == nullptr)
            return "";
        const std::string result = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);
        ui::CloseWindow(window);
        EXPECT_TRUE(ui::WaitForWindowGone(window));
        return result;
    }

    SampleAccount account_;
};

TEST_F(IndexInterruptionTest, AKilledRunIsClearedAndAStoppedOneKeepsThePreviousIndex) {
    ASSERT_TRUE(account_.Generate("TarnwickInterrupted", 1, 3000));
    WriteBytes(account_.Directory() + "tarnwick.ini",
               "[Mknmz]\r\nAsk=0\r\nShowWindow=0\r\nCloseOnFinish=1\r\nUsePreviousTarget=1\r\n"
               "TargetFolderCount=1\r\nFolder1=2:仕事\r\n" +
                   BridgedNamazuSections());

    {
        ui::ChildProcess host(ui::ProgramDirectory() + L"Almail.exe",
                              HostArguments(L"menu:index stay"));
        ASSERT_TRUE(WaitUntil([&] { return FileExists(Index("NMZ.lock2")); }, kRunTimeoutMs));
        ASSERT_TRUE(KillHostAndMknmz(host.Id())) << host.Output();
    }
    // The killed mknmz has no say any more: its lock and files stay.
    ASSERT_TRUE(WaitUntil([&] { return !Leftovers().empty(); }));
    EXPECT_TRUE(FileExists(Index("NMZ.lock2")));
    EXPECT_FALSE(FileExists(Index("NMZ.i")));

    AddMail(3001, "quillrescued");
    {
        ui::ChildProcess host(ui::ProgramDirectory() + L"Almail.exe",
                              HostArguments(L"menu:index menu:search"));
        const std::string result = Search(host, "quillrescued");
        EXPECT_EQ(Count(result, "/user001.box/3001.alm "), 1u) << result;
        EXPECT_FALSE(FileExists(Index("NMZ.lock2")));
        EXPECT_EQ(Leftovers(), "");
        EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(0)) << host.Output();
    }

    // Enough new mail for an update that takes a while, stopped midway.
    ASSERT_TRUE(RunLinuxShell("cd '" + account_.LinuxDirectory() +
                                  "/user001.box' && for n in $(seq 3002 9001); do "
                                  "seq -f 'line %g of a long mail' 1 40 | "
                                  "sed '1i Subject: long\\n' >$n.alm; done",
                              NewTmpDirectory("TarnwickMoreMail") + "/written"));
    const std::string previous = ReadBytes(Index("NMZ.i"));
    {
        ui::ChildProcess host(ui::ProgramDirectory() + L"Almail.exe",
                              HostArguments(L"menu:index menu:search"));
        HWND dialog = ui::WaitForWindow(host.Id(), kIndexCaption, kRunTimeoutMs);
        ASSERT_NE(dialog, nullptr) << host.Output();
        ASSERT_TRUE(WaitUntil([&] { return FileExists(Index("NMZ.lock2")); }, kRunTimeoutMs));
        EXPECT_TRUE(IsWindowEnabled(Named(dialog, "btnCancel")));
        EXPECT_FALSE(IsWindowEnabled(Named(dialog, "btnUpdateIndex")));
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        HWND confirm = ui::WaitForWindow(host.Id(), L"中止の確認");
        ASSERT_NE(confirm, nullptr) << host.Output();
        ASSERT_TRUE(ui::PressButtonById(confirm, IDYES));
        HWND stopped = ui::WaitForWindow(host.Id(), L"tarnwick for Namazu", kRunTimeoutMs);
        ASSERT_NE(stopped, nullptr) << host.Output();
        const std::vector<std::wstring> texts = ui::ControlTexts(stopped);
        EXPECT_FALSE(texts.empty() || texts.back().find(L"中止しました") == std::wstring::npos ||
                     texts.back().find(L"「仕事」") == std::wstring::npos)
            << (texts.empty() ? "" : ShiftJisFromWide(texts.back()));
        ASSERT_TRUE(ui::PressButtonById(stopped, IDOK));

        // On Windows mknmz ends with perl.exe. Here the Linux mknmz behind the
        // bridge is killed a moment later and may write a last temporary file
        // meanwhile, so only what it never writes again is checked.
        ASSERT_TRUE(RunLinuxShell("while pgrep -f 'mknm[z].*TarnwickInterrupted' >/dev/null; do "
                                  "sleep 0.1; done",
                                  NewTmpDirectory("TarnwickMknmzGone") + "/gone"));
        EXPECT_FALSE(FileExists(Index("NMZ.lock2")));
        EXPECT_TRUE(ReadBytes(Index("NMZ.i")) == previous);
        const std::string result = Search(host, "quillrescued");
        EXPECT_EQ(Count(result, "/user001.box/3001.alm "), 1u) << result;
        EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(0)) << host.Output();
    }
}

} // namespace
