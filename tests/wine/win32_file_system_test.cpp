#include "platform/plugin_error.h"
#include "platform/win32/win32_file_system.h"
#include "settings/settings_store.h"
#include "text/win32/text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// A fresh directory under the temporary directory, removed with its files.
class TemporaryDirectory {
public:
    explicit TemporaryDirectory(const std::string& name) {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        Path = ShiftJisFromWide(base) + name + "\\";
        CreateDirectoryW(WideFromShiftJis(Path).c_str(), nullptr);
    }
    ~TemporaryDirectory() {
        Win32FileSystem files;
        for (const DirectoryEntry& entry : files.ListDirectory(Path + "*")) {
            const std::wstring file = WideFromShiftJis(Path + entry.Name);
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
        RemoveDirectoryW(WideFromShiftJis(Path).c_str());
    }
    std::string Path;
};

std::vector<std::string> NamesIn(const std::string& directory) {
    Win32FileSystem files;
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : files.ListDirectory(directory + "*")) {
        if (!entry.IsDirectory)
            names.push_back(entry.Name);
    }
    return names;
}

TEST(Win32FileSystem, ReplacesContentInOneStepUnderAShiftJisPath) {
    // 表 ends in the byte of a backslash; 髙 (FB FC) and 﨑 (FA B1) begin
    // with lead bytes above 0xE0.
    TemporaryDirectory directory("\xFB\xFC\xFA\xB1予定表");
    Win32FileSystem files;
    const std::string path = directory.Path + "tarnwick.ini";
    ASSERT_TRUE(files.ReplaceContent(path, "first"));
    ASSERT_TRUE(files.ReplaceContent(path, "[General]\r\n値=ソ\r\n"));
    EXPECT_EQ(files.ReadFile(path).value_or(""), "[General]\r\n値=ソ\r\n");
    EXPECT_EQ(NamesIn(directory.Path), std::vector<std::string>{"tarnwick.ini"});
    const std::string withoutSeparator = directory.Path.substr(0, directory.Path.size() - 1);
    const std::vector<DirectoryEntry> listed = files.ListDirectory(withoutSeparator);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].Name, "\xFB\xFC\xFA\xB1予定表");
    EXPECT_FALSE(files.FileExists(directory.Path + "missing.ini"));
    EXPECT_FALSE(files.ReadFile(directory.Path + "missing.ini").has_value());
}

// The writing end of a pipe: it hands out some bytes, then goes away, so the
// reader's next read fails as a file's would on a failing disk.
DWORD WINAPI WriteSomeAndBreak(void* pipe) {
    HANDLE end = static_cast<HANDLE>(pipe);
    ConnectNamedPipe(end, nullptr);
    const std::string bytes(3000, 'x');
    DWORD written = 0;
    WriteFile(end, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(end);
    return 0;
}

TEST(Win32FileSystem, AReadThatFailsPartWayGivesNothing) {
    const wchar_t name[] = L"\\\\.\\pipe\\tarnwick-partial-read";
    HANDLE pipe = CreateNamedPipeW(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 1024,
                                   1024, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    HANDLE writer = CreateThread(nullptr, 0, WriteSomeAndBreak, pipe, 0, nullptr);
    ASSERT_NE(writer, nullptr);

    Win32FileSystem files;
    EXPECT_FALSE(files.ReadFile(ShiftJisFromWide(name)).has_value());

    EXPECT_EQ(WaitForSingleObject(writer, 10000), WAIT_OBJECT_0);
    CloseHandle(writer);
}

TEST(Win32FileSystem, ReadOnlyOrLockedSettingsAreReportedAndKeptWhole) {
    TemporaryDirectory directory("locked");
    Win32FileSystem files;
    SettingsStore store(files);
    store.IniFileName = directory.Path + "tarnwick.ini";
    store.EnsureSettingsFile();
    const std::string before = files.ReadFile(store.IniFileName).value_or("");
    ASSERT_FALSE(before.empty());
    store.Settings.When = "CleanUp";

    const std::wstring wide = WideFromShiftJis(store.IniFileName);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(store.SaveSettings(store.IniFileName), PluginError);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(files.ReadFile(store.IniFileName).value_or(""), before);

    HANDLE lock = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_THROW(store.SaveSettings(store.IniFileName), PluginError);
    CloseHandle(lock);
    EXPECT_EQ(files.ReadFile(store.IniFileName).value_or(""), before);
    EXPECT_EQ(NamesIn(directory.Path), std::vector<std::string>{"tarnwick.ini"});
}

DWORD WINAPI CloseAfterAMoment(void* handle) {
    Sleep(150);
    CloseHandle(static_cast<HANDLE>(handle));
    return 0;
}

// A reader that holds the file for a moment, as a virus scanner does, does
// not make the save fail.
TEST(Win32FileSystem, ASaveWaitsOutABriefReader) {
    TemporaryDirectory directory("reader");
    Win32FileSystem files;
    const std::string path = directory.Path + "tarnwick.ini";
    ASSERT_TRUE(files.ReplaceContent(path, "old"));
    HANDLE reader = CreateFileW(WideFromShiftJis(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    HANDLE closer = CreateThread(nullptr, 0, CloseAfterAMoment, reader, 0, nullptr);
    EXPECT_TRUE(files.ReplaceContent(path, "new"));
    WaitForSingleObject(closer, INFINITE);
    CloseHandle(closer);
    EXPECT_EQ(files.ReadFile(path).value_or(""), "new");
}

} // namespace
