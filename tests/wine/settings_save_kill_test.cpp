// A program saving an account's settings in a loop is killed at random
// moments: it always leaves one whole record in tarnwick.ini, and the
// temporary file of a killed save is neither read as the settings nor in
// the way of the next save.
#include "children/large_settings.h"
#include "platform/win32/win32_file_system.h"
#include "sample_account.h"
#include "settings/account_settings.h"
#include "text/win32/text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

const int kKills = 200;
const unsigned kSeed = 13;
// Somewhat longer than a save takes, so that kills fall in every part of one.
const DWORD kLongestDelayMs = 40;
const DWORD kStartTimeoutMs = 30000;

class SettingsSaveKillTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string directory = NewTmpDirectory("tarnwick-killsave");
        account_ = WindowsFormOf(directory) + "\\";
        savedEventName_ = WideFromShiftJis("tarnwick-saved-" + directory.substr(5));
        saved_ = CreateEventW(nullptr, FALSE, FALSE, savedEventName_.c_str());
    }

    void TearDown() override {
        CloseHandle(saved_);
        RemoveDirectoryTree(WideFromShiftJis(account_));
    }

    std::string Ini() const { return AccountSettingsFile(account_); }
    std::string Temporary() const { return Ini() + ".new"; }

    // Saves one record the way the plug-in does and returns the file.
    std::string SaveVariant(int variant) {
        SettingsStore store(files_);
        OpenAccountSettings(store, account_);
        FillLargeSettings(store.Settings, variant);
        store.SaveSettings(store.IniFileName);
        return files_.ReadFile(Ini()).value_or("");
    }

    // The record the plug-in reads from the account now; -1 for neither.
    int LoadedVariant() {
        SettingsStore store(files_);
        OpenAccountSettings(store, account_);
        for (int variant : {0, 1}) {
            TSettings expected;
            FillLargeSettings(expected, variant);
            if (store.Settings.History == expected.History && store.Settings.When == expected.When)
                return variant;
        }
        return -1;
    }

    // Starts the saving program and waits until it has saved once; null when
    // it ended instead.
    HANDLE StartSaver() {
        // The doubled backslash keeps the closing quote from being escaped.
        std::wstring line =
            L"settings_saver.exe \"" + WideFromShiftJis(account_) + L"\\\" " + savedEventName_;
        const std::wstring program =
            WideFromShiftJis(TestProgramDirectory()) + L"settings_saver.exe";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        // The killed saver may have signalled saves after the one waited for.
        ResetEvent(saved_);
        if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return nullptr;
        CloseHandle(process.hThread);
        const HANDLE waited[] = {saved_, process.hProcess};
        if (WaitForMultipleObjects(2, waited, FALSE, kStartTimeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hProcess);
            return nullptr;
        }
        return process.hProcess;
    }

    Win32FileSystem files_;
    std::string account_;
    std::wstring savedEventName_;
    HANDLE saved_ = nullptr;
};

TEST_F(SettingsSaveKillTest, EveryKillLeavesOneWholeRecordThatThePlugInReads) {
    // The first save creates the file and settles the order of its keys.
    SaveVariant(1);
    const std::string variants[] = {SaveVariant(0), SaveVariant(1)};
    ASSERT_GT(variants[0].size(), 100000u);
    ASSERT_GT(variants[1].size(), variants[0].size());

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<DWORD> delay(0, kLongestDelayMs);
    int killsMidWrite = 0;
    int left = 1;
    for (int kill = 1; kill <= kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        HANDLE saver = StartSaver();
        ASSERT_NE(saver, nullptr) << "the saver ended before its first save";
        Sleep(delay(random));
        TerminateProcess(saver, 1);
        ASSERT_EQ(WaitForSingleObject(saver, kStartTimeoutMs), WAIT_OBJECT_0);
        CloseHandle(saver);

        const std::string bytes = files_.ReadFile(Ini()).value_or("<unreadable>");
        const int variant = bytes == variants[0] ? 0 : bytes == variants[1] ? 1 : -1;
        ASSERT_NE(variant, -1) << bytes.size() << " bytes, neither record";
        ASSERT_EQ(LoadedVariant(), variant);
        left = variant;
        if (files_.FileExists(Temporary()))
            ++killsMidWrite;
    }
    // Whatever the last kill left, a save by the plug-in goes through. The
    // other record, since an unchanged one is not written at all.
    EXPECT_EQ(SaveVariant(1 - left), variants[1 - left]);
    EXPECT_FALSE(files_.FileExists(Temporary()));
    EXPECT_GT(killsMidWrite, 0);
    std::printf("%d kills, %d in the middle of writing the temporary file\n", kKills,
                killsMidWrite);
}

} // namespace
