#include "platform/win32/win32_file_system.h"

#include "platform/win32/unique_handle.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

namespace {

bool WriteAll(HANDLE file, const std::string& content) {
    size_t written = 0;
    while (written < content.size()) {
        DWORD chunk = 0;
        const DWORD wanted = static_cast<DWORD>(content.size() - written);
        if (!WriteFile(file, content.data() + written, wanted, &chunk, nullptr) || chunk == 0)
            return false;
        written += chunk;
    }
    return true;
}

bool WriteNewFile(const std::wstring& path, const std::string& content) {
    UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsValid() && WriteAll(file.Get(), content) && FlushFileBuffers(file.Get());
}

// Another program reading the file (a virus scanner, a backup, an editor
// opening it) refuses its replacement for a moment; only a lasting refusal
// is a failure worth telling the user.
const int kReplaceAttempts = 10;
const DWORD kReplaceRetryMs = 50;

bool MoveOver(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (attempt == kReplaceAttempts)
            return false;
        Sleep(kReplaceRetryMs);
    }
}

bool IsReadOnly(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

} // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WideFromShiftJis(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) {
    UniqueFileHandle file(CreateFileW(WideFromShiftJis(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        // Part of a file is no settings file: a caller would write it back short.
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            return content;
        content.append(buffer, got);
    }
}

// The new content goes to a temporary file beside the old one, which is then
// replaced in one step, so a crash or a full disk never leaves half a file.
bool Win32FileSystem::ReplaceContent(const std::string& path, const std::string& content) {
    const std::wstring target = WideFromShiftJis(path);
    if (IsReadOnly(target))
        return false;
    const std::wstring temporary = target + L".new";
    if (!WriteNewFile(temporary, content) || !MoveOver(temporary, target)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::vector<DirectoryEntry> Win32FileSystem::ListDirectory(const std::string& pattern) {
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAW found;
    UniqueFindHandle search(FindFirstFileW(WideFromShiftJis(pattern).c_str(), &found));
    if (!search.IsValid())
        return entries;
    do {
        DirectoryEntry entry;
        entry.Name = ShiftJisFromWide(found.cFileName);
        entry.IsDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.IsHidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.IsSystem = (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        entry.LastWriteTime =
            (static_cast<std::uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
            found.ftLastWriteTime.dwLowDateTime;
        entries.push_back(entry);
    } while (FindNextFileW(search.Get(), &found));
    return entries;
}

bool Win32FileSystem::MakeDirectory(const std::string& path) {
    return CreateDirectoryW(WideFromShiftJis(path).c_str(), nullptr) != 0;
}

bool Win32FileSystem::CopyOneFile(const std::string& source, const std::string& target) {
    return CopyFileW(WideFromShiftJis(source).c_str(), WideFromShiftJis(target).c_str(), FALSE) !=
           0;
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
    return DeleteFileW(WideFromShiftJis(path).c_str()) != 0;
}
