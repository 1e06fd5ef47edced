// Settings saved from the settings dialog onto a full disk: the user sees the
// plug-in's message, the old file stays whole and no temporary file is left
// beside it.
#include "platform/win32/win32_file_system.h"
#include "sample_account.h"
#include "settings/account_settings.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t kSettingsCaption[] = L"tarnwick for Namazu [設定]";
const wchar_t kMessageCaption[] = L"tarnwick for Namazu";

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

class SettingsSaveFullDiskTest : public testing::Test {
protected:
    void SetUp() override {
        directory_ = NewTmpDirectory("tarnwick-fulldisk");
        account_ = WindowsFormOf(directory_) + "\\";
        RunLinuxShell("mount -t tmpfs -o size=64k tmpfs " + Quoted(directory_) + " && touch " +
                          Quoted(MountedMark()),
                      directory_ + "-mount");
        mounted_ = FileExists(WindowsFormOf(MountedMark()));
    }

    void TearDown() override {
        // Wine cannot delete a link to a device, so the shell does.
        const std::string undo =
            mounted_ ? "umount -l " + Quoted(directory_) + "; rm " + Quoted(MountedMark())
                     : "rm -f " + Quoted(DeviceLink());
        RunLinuxShell(undo, directory_ + "-undo");
        RemoveDirectoryTree(WideFromShiftJis(account_));
    }

    std::string MountedMark() const { return directory_ + ".mounted"; }
    std::string Ini() const { return AccountSettingsFile(account_); }
    std::string DeviceLink() const { return directory_ + "/tarnwick.ini.new"; }

    // Leaves 8 KB free on the small file system. Where none can be mounted,
    // the temporary file of the save is made the kernel's always-full device,
    // which refuses writes as a full disk does.
    void FillDisk() {
        if (mounted_) {
            const std::string filler = Quoted(directory_ + "/filler");
            ASSERT_TRUE(RunLinuxShell("dd if=/dev/zero of=" + filler +
                                          " bs=4k 2>/dev/null; truncate -s -8k " + filler,
                                      directory_ + "-fill"));
        } else {
            std::printf("no tmpfs could be mounted: the save writes into /dev/full instead, and "
                        "what it leaves beside the file is not checked\n");
            ASSERT_TRUE(
                RunLinuxShell("ln -s /dev/full " + Quoted(DeviceLink()), directory_ + "-fill"));
        }
    }

    Win32FileSystem files_;
    std::string directory_;
    std::string account_;
    bool mounted_ = false;
};

TEST_F(SettingsSaveFullDiskTest, OkShowsTheMessageAndKeepsTheOldFileWhole) {
    SettingsStore store(files_);
    OpenAccountSettings(store, account_);
    const std::string before = files_.ReadFile(Ini()).value_or("<missing>");
    ASSERT_NO_FATAL_FAILURE(FillDisk());

    // Without the trailing backslash, which would escape the closing quote.
    const std::string account = account_.substr(0, account_.size() - 1);
    ui::ChildProcess host(ui::ProgramDirectory() + L"Almail.exe",
                          L"\"/account:" + WideFromShiftJis(account) + L"\" setup");
    HWND dialog = ui::WaitForWindow(host.Id(), kSettingsCaption);
    ASSERT_NE(dialog, nullptr) << host.Output();
    // Far more than the free space, so that the write fails part of the way.
    const std::wstring longOption(20000, L'x');
    SendMessageW(ui::FindControlByName(dialog, "edtNamazuOption"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(longOption.c_str()));
    ASSERT_TRUE(ui::PressButtonById(dialog, IDOK));

    HWND box = ui::WaitForWindow(host.Id(), kMessageCaption);
    ASSERT_NE(box, nullptr) << host.Output();
    const std::vector<std::wstring> texts = ui::ControlTexts(box);
    const std::wstring message = WideFromShiftJis(Ini() + " に書き込めません");
    EXPECT_NE(std::find(texts.begin(), texts.end(), message), texts.end());
    ASSERT_TRUE(ui::PressButtonById(box, IDOK));
    ASSERT_TRUE(ui::WaitForWindowGone(box));
    ASSERT_TRUE(ui::PressButtonById(dialog, IDCANCEL));
    EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(0)) << host.Output();

    EXPECT_EQ(files_.ReadFile(Ini()).value_or("<missing>"), before);
    if (mounted_) {
        EXPECT_FALSE(files_.FileExists(Ini() + ".new"));
    }
}

} // namespace
