#include "platform/win32/win32_system_info.h"

#include "platform/win32/unique_handle.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

namespace {

// GetTempPath is asked with room for this many characters.
const DWORD kTempPathRoom = 255;

} // namespace

// Windows 95, 98 and Me set the top bit of the version word.
bool Win32SystemInfo::IsNtFamily() {
    return (GetVersion() & 0x80000000u) == 0;
}

bool Win32SystemInfo::DriveHasRoot(char letter) {
    const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    return GetDriveTypeW(root) != DRIVE_NO_ROOT_DIR;
}

std::string Win32SystemInfo::TempDirectory() {
    wchar_t path[kTempPathRoom + 1] = {};
    const DWORD length = GetTempPathW(kTempPathRoom, path);
    std::wstring dir(path, length <= kTempPathRoom ? length : 0);
    if (dir.empty() || dir.back() != L'\\')
        dir += L'\\';
    return ShiftJisFromWide(dir);
}

std::optional<std::string> Win32SystemInfo::ShortPathName(const std::string& path) {
    const std::wstring longPath = WideFromShiftJis(path);
    const DWORD room = GetShortPathNameW(longPath.c_str(), nullptr, 0);
    if (room == 0)
        return std::nullopt;
    std::wstring shortPath(room, L'\0');
    const DWORD length = GetShortPathNameW(longPath.c_str(), &shortPath[0], room);
    if (length == 0 || length >= room)
        return std::nullopt;
    shortPath.resize(length);
    return ShiftJisFromWide(shortPath);
}

// A process of another user may refuse to be opened, but then it runs.
ProcessState Win32SystemInfo::StateOfProcess(unsigned long id) {
    UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    if (process.IsValid())
        return WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT ? ProcessState::Running
                                                                     : ProcessState::Gone;
    switch (GetLastError()) {
    case ERROR_INVALID_PARAMETER:
        return ProcessState::Gone;
    case ERROR_ACCESS_DENIED:
        return ProcessState::Running;
    default:
        return ProcessState::Unknown;
    }
}
