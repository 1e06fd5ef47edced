#include "wine_path.h"

#include "../linux_path.h"
#include "text/win32/text_encoding.h"

#include <stdexcept>
#include <windows.h>

namespace {

// Exported by Wine's kernel32 only.
using UnixFileNameFunction = char*(__cdecl*)(const wchar_t* dosPath);

UnixFileNameFunction UnixFileName() {
    const auto function = reinterpret_cast<UnixFileNameFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (function == nullptr) {
        throw std::runtime_error("not running under Wine: no wine_get_unix_file_name");
    }
    return function;
}

// Empty when Wine cannot map the path.
std::string AskWine(const std::wstring& windowsPath) {
    char* unixPath = UnixFileName()(windowsPath.c_str());
    if (unixPath == nullptr) {
        return std::string();
    }
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

} // namespace

std::string LinuxPathOf(const std::string& windowsPath) {
    const std::string resolved = AskWine(WideFromShiftJis(windowsPath));
    if (!resolved.empty()) {
        return resolved;
    }
    const std::string driveRoot = AskWine(WideFromShiftJis(windowsPath.substr(0, 3)));
    if (driveRoot.empty()) {
        throw std::runtime_error("no Linux path for " + windowsPath);
    }
    const std::string below =
        CodePageFromWide(WideFromShiftJis(PathBelowDrive(windowsPath)), CP_UTF8);
    return WithTrailingSlash(driveRoot) + below;
}

std::string CurrentDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring directory(length, L'\0');
    directory.resize(GetCurrentDirectoryW(length, &directory[0]));
    return ShiftJisFromWide(directory);
}
