// The real plug-in in the substitute host: received mails are counted in the
// account's settings file, the menu commands carry the stored captions, a due
// index update is offered when the folder window opens, and a settings file
// that cannot be written is reported without losing it.
#include "platform/win32/win32_file_system.h"
#include "sample_account.h"
#include "settings/profile_document.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

const wchar_t kIndexDialogCaption[] = L"tarnwick for Namazu [インデックス作成・更新]";

class PluginInHostTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        account_ =
            ShiftJisFromWide(temp) + "tarnwick-plugin" + std::to_string(GetTickCount()) + "\\";
        ASSERT_TRUE(CreateDirectoryW(WideFromShiftJis(account_).c_str(), nullptr));
    }

    void TearDown() override {
        SetFileAttributesW(WideFromShiftJis(Ini()).c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryTree(WideFromShiftJis(account_));
    }

    std::string Ini() const { return account_ + "tarnwick.ini"; }
    std::string IniBytes() { return files_.ReadFile(Ini()).value_or(""); }
    std::string Stored(const char* section, const char* key) {
        return ProfileDocument(IniBytes()).Read(section, key, "<absent>");
    }

    // Starts the host on the account with the given actions.
    std::unique_ptr<ui::ChildProcess> StartHost(const std::wstring& actions) {
        // Without the trailing backslash, which would escape the closing quote.
        const std::string account = account_.substr(0, account_.size() - 1);
        return std::make_unique<ui::ChildProcess>(ui::ProgramDirectory() + L"Almail.exe",
                                                  L"\"/account:" + WideFromShiftJis(account) +
                                                      L"\" " + actions);
    }

    std::string RunHost(const std::wstring& actions) {
        auto host = StartHost(actions);
        EXPECT_EQ(host->WaitForExit(), std::optional<DWORD>(0)) << host->Output();
        return host->Output();
    }

    Win32FileSystem files_;
    std::string account_;
};

TEST_F(PluginInHostTest, ReceivedMailsAreCountedInTheAccountsSettingsFile) {
    RunHost(L"deliver:3 close");
    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "3");
    EXPECT_EQ(Stored("Command", "NamazuVersion"), "2.0");
    const std::string afterFirst = IniBytes();

    RunHost(L"deliver:2 close");
    ProfileDocument expected(afterFirst);
    expected.Write("Mknmz", "NowCountMail", "5");
    EXPECT_EQ(IniBytes(), expected.Serialize());
}

TEST_F(PluginInHostTest, MenuCommandsCarryTheStoredCaptions) {
    ProfileDocument settings;
    settings.Write("General", "IndexingMenuCaption", "索引を更新(&K)...");
    settings.Write("Command", "NamazuVersion", "2.0");
    ASSERT_TRUE(files_.ReplaceContent(Ini(), settings.Serialize()));

    const std::string output = RunHost(L"close");
    EXPECT_NE(output.find("menu #1: separator"), std::string::npos) << output;
    EXPECT_NE(output.find("menu #1: 40001 索引を更新(&K)..."), std::string::npos) << output;
    EXPECT_NE(output.find("menu #1: 40002 Namazu検索(&F)..."), std::string::npos) << output;
}

TEST_F(PluginInHostTest, DueUpdateAtStartUpIsOfferedOnceOverTheRaisedUnmovedFolderWindow) {
    ProfileDocument settings;
    settings.Write("Mknmz", "When", "StartUp");
    settings.Write("Mknmz", "IntervalCountMail", "2");
    settings.Write("Mknmz", "NowCountMail", "2");
    settings.Write("Command", "NamazuVersion", "2.0");
    ASSERT_TRUE(files_.ReplaceContent(Ini(), settings.Serialize()));
    auto host = StartHost(L"reopen close close");
    HWND dialog = ui::WaitForWindow(host->Id(), kIndexDialogCaption);
    ASSERT_NE(dialog, nullptr) << host->Output();
    HWND folderWindow = GetWindow(dialog, GW_OWNER);
    ASSERT_NE(folderWindow, nullptr);
    EXPECT_TRUE(IsWindowVisible(folderWindow));
    // The substitute host opens its folder windows 640 x 480.
    RECT bounds{};
    GetWindowRect(folderWindow, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 640);
    EXPECT_EQ(bounds.bottom - bounds.top, 480);
    ui::CloseWindow(dialog);
    // A second offer would keep the host waiting on its dialog.
    EXPECT_EQ(host->WaitForExit(), std::optional<DWORD>(0)) << host->Output();
}

TEST_F(PluginInHostTest, AReadOnlySettingsFileIsReportedAndKeptWhole) {
    RunHost(L"deliver:1 close");
    const std::string before = IniBytes();
    SetFileAttributesW(WideFromShiftJis(Ini()).c_str(), FILE_ATTRIBUTE_READONLY);

    auto host = StartHost(L"deliver:1 close");
    HWND box = ui::WaitForWindow(host->Id(), L"tarnwick for Namazu");
    ASSERT_NE(box, nullptr) << host->Output();
    const std::vector<std::wstring> texts = ui::ControlTexts(box);
    const std::wstring message = WideFromShiftJis(Ini() + " に書き込めません");
    EXPECT_NE(std::find(texts.begin(), texts.end(), message), texts.end());
    ASSERT_TRUE(ui::PressButtonById(box, IDOK));
    EXPECT_EQ(host->WaitForExit(), std::optional<DWORD>(0)) << host->Output();
    EXPECT_EQ(IniBytes(), before);
}

} // namespace
