// The substitute host as the plug-in and the end-to-end tests rely on it.
#include "plugin/host_callback_names.h"
#include "sample_account.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring HostPath() {
    return ui::ProgramDirectory() + L"Almail.exe";
}
std::wstring LackingHostPath() {
    return ui::ProgramDirectory() + L"lacking\\Almail.exe";
}

// The names among kHostCallbackNames that the program does not export.
std::vector<std::string> MissingCallbacks(const std::wstring& program) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    EXPECT_NE(module, nullptr) << ShiftJisFromWide(program);
    std::vector<std::string> missing;
    for (const char* name : kHostCallbackNames) {
        if (!module || !GetProcAddress(module, name)) {
            missing.push_back(name);
        }
    }
    if (module) {
        FreeLibrary(module);
    }
    return missing;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof(buffer), &read, nullptr) &&
           read > 0) {
        content.append(buffer, read);
    }
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return content;
}

// An empty account directory that is removed with its contents afterwards.
class HostTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        account_ = std::wstring(temp) + L"almail" + std::to_wstring(GetTickCount());
        ASSERT_TRUE(CreateDirectoryW(account_.c_str(), nullptr));
    }

    void TearDown() override { RemoveDirectoryTree(account_); }

    // Without the trailing backslash, which would escape the closing quote.
    std::wstring AccountOption() const { return L"\"/account:" + account_ + L"\""; }

    std::wstring account_;
};

TEST(HostExports, AllHostCallbacksUnderDecoratedNames) {
    EXPECT_EQ(MissingCallbacks(HostPath()), std::vector<std::string>());
}

TEST(HostExports, LackingHostMissesOnlyViewGetPath) {
    EXPECT_EQ(MissingCallbacks(LackingHostPath()), std::vector<std::string>{"_APAViewGetPath@4"});
}

TEST_F(HostTest, MissingPluginIsReportedAndEndsTheHost) {
    std::wstring plugin = account_ + L"\\absent.dll";
    ui::ChildProcess host(HostPath(), AccountOption() + L" \"/plugin:" + plugin + L"\" close");
    ASSERT_TRUE(host.Started());
    EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(2));
    std::vector<std::string> lines = Lines(host.Output());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "error: cannot load " + ShiftJisFromWide(plugin));
}

TEST_F(HostTest, DeliveryRunsTheEntryPointsInTheHostsOrder) {
    std::wstring log = account_ + L"\\host.log";
    ui::ChildProcess host(HostPath(), AccountOption() + L" \"/log:" + log + L"\" deliver:2 close");
    ASSERT_TRUE(host.Started());
    ASSERT_EQ(host.WaitForExit(), std::optional<DWORD>(0)) << host.Output();

    std::string inbox = ShiftJisFromWide(account_) + "\\Inbox.box\\";
    std::vector<std::string> lines = Lines(host.Output());
    // The two menu items' captions are the plug-in's settings: only their ids are fixed.
    ASSERT_EQ(lines.size(), 14u) << host.Output();
    EXPECT_TRUE(StartsWith(lines[0], "APCGetPlugName() -> ")) << lines[0];
    EXPECT_EQ(lines[1], "APCStartUp(0) -> -1");
    EXPECT_EQ(lines[2], "APCFolderCreate(#1)");
    EXPECT_EQ(lines[3], "APCFolderInitMenu(0, menu #1, 101)");
    EXPECT_EQ(lines[4], "APARegistCallback(1) -> 40001");
    EXPECT_EQ(lines[5], "APARegistCallback(1) -> 40002");
    EXPECT_EQ(lines[6], "menu #1: separator");
    EXPECT_TRUE(StartsWith(lines[7], "menu #1: 40001 ")) << lines[7];
    EXPECT_TRUE(StartsWith(lines[8], "menu #1: 40002 ")) << lines[8];
    EXPECT_EQ(lines[9], "APCRecFilter(" + inbox + "1.alm) -> 0");
    EXPECT_EQ(lines[10], "APCRecFilter(" + inbox + "2.alm) -> 0");
    EXPECT_EQ(lines[11], "APCFolderEndRetrieve(#1)");
    EXPECT_EQ(lines[12], "APCFolderClose(#1)");
    EXPECT_EQ(lines[13], "exit 0");
    EXPECT_EQ(ReadFileBytes(log), host.Output());
    EXPECT_NE(GetFileAttributesW((account_ + L"\\Inbox.box\\2.alm").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST_F(HostTest, PluginThatCannotBindEndsTheHostAfterItsBox) {
    ui::ChildProcess host(LackingHostPath(), AccountOption() + L" close");
    ASSERT_TRUE(host.Started());
    HWND box = ui::WaitForWindow(host.Id(), L"プラグインエラー");
    ASSERT_NE(box, nullptr) << host.Output();
    std::vector<std::wstring> texts = ui::ControlTexts(box);
    std::wstring message = L"プラグイン「tarnwick for Namazu」でエラーが発生しました。\r\n"
                           L"AL-Mail32とプラグインのバージョンを確認してください";
    EXPECT_NE(std::find(texts.begin(), texts.end(), message), texts.end());
    EXPECT_EQ(host.WaitForExit(500), std::nullopt);

    ASSERT_TRUE(ui::PressButtonById(box, IDOK));
    EXPECT_TRUE(ui::WaitForWindowGone(box));
    EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(3));
    std::vector<std::string> lines = Lines(host.Output());
    ASSERT_EQ(lines.size(), 4u) << host.Output();
    EXPECT_EQ(lines[1], "APCStartUp(0) -> 0");
    EXPECT_EQ(lines[2], "error: plug-in did not start");
    EXPECT_EQ(lines[3], "exit 3");
}

} // namespace

namespace {

// Runs the host to its end and returns its log lines.
std::vector<std::string> RunHost(const std::wstring& arguments, DWORD expectedExitCode) {
    ui::ChildProcess host(HostPath(), arguments);
    EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(expectedExitCode)) << host.Output();
    return Lines(host.Output());
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(HostTest, ReopenedWindowIsNumberedAndRegistersAnew) {
    std::vector<std::string> lines = RunHost(AccountOption() + L" close reopen close", 0);
    EXPECT_TRUE(Contains(lines, "APCFolderClose(#1)"));
    EXPECT_TRUE(Contains(lines, "APCFolderCreate(#2)"));
    EXPECT_TRUE(Contains(lines, "APARegistCallback(1) -> 40004"));
    EXPECT_TRUE(Contains(lines, "APCFolderClose(#2)"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "APCFolderClose(#2)"), 1);
}

TEST_F(HostTest, ScriptErrorStopsTheActionsButClosesTheWindow) {
    std::vector<std::string> lines = RunHost(AccountOption() + L" jump deliver:1", 1);
    EXPECT_TRUE(Contains(lines, "error: unknown action jump"));
    EXPECT_TRUE(Contains(lines, "APCFolderClose(#1)"));
    EXPECT_FALSE(Contains(lines, "APCFolderEndRetrieve(#1)"));
    EXPECT_EQ(lines.back(), "exit 1");
}

TEST_F(HostTest, CommandLineWithoutAccountIsRefused) {
    std::vector<std::string> lines = RunHost(L"close", 1);
    EXPECT_EQ(lines.back(), "exit 1");
    EXPECT_TRUE(Contains(lines, "error: no /account: given"));
}

TEST_F(HostTest, DeliveryTakesTheNextFreeNumbers) {
    std::wstring inbox = account_ + L"\\Inbox.box";
    ASSERT_TRUE(CreateDirectoryW(inbox.c_str(), nullptr));
    HANDLE existing = CreateFileW((inbox + L"\\1.alm").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(existing, INVALID_HANDLE_VALUE);
    CloseHandle(existing);

    std::vector<std::string> lines = RunHost(AccountOption() + L" deliver:2", 0);
    std::string prefix = "APCRecFilter(" + ShiftJisFromWide(inbox) + "\\";
    EXPECT_TRUE(Contains(lines, prefix + "2.alm) -> 0"));
    EXPECT_TRUE(Contains(lines, prefix + "3.alm) -> 0"));
    EXPECT_FALSE(Contains(lines, prefix + "1.alm) -> 0"));
}

TEST_F(HostTest, StayKeepsTheWindowUntilClosedByHand) {
    ui::ChildProcess host(HostPath(), AccountOption() + L" stay");
    HWND window = ui::WaitForWindow(host.Id(), L"AL-Mail32 (substitute)");
    ASSERT_NE(window, nullptr) << host.Output();
    EXPECT_EQ(host.WaitForExit(500), std::nullopt);

    ui::CloseWindow(window);
    EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(0));
    std::vector<std::string> lines = Lines(host.Output());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "APCFolderClose(#1)");
}

} // namespace
