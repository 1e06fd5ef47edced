#include "catalogue/win32/process_start.h"

#include "text/win32/text_encoding.h"

#include <vector>

namespace {

// The longest current directory Windows takes has MAX_PATH - 1 characters
// with its final backslash. Wine starts a program whose directory is longer
// in its Windows directory instead, where mknmz's "." would index whatever
// lies there, so such a start fails here as it does on Windows.
bool FitsAsCurrentDirectory(const std::wstring& directory) {
    const size_t withBackslash = directory.size() + (directory.back() == L'\\' ? 0 : 1);
    return withBackslash < MAX_PATH;
}

} // namespace

UniqueKernelHandle StartProcess(const std::string& commandLine, const std::string& workDir,
                                STARTUPINFOW& startup, bool inheritHandles, DWORD creationFlags) {
    // CreateProcessW may write into the command line.
    const std::wstring wide = WideFromShiftJis(commandLine);
    std::vector<wchar_t> command(wide.begin(), wide.end());
    command.push_back(L'\0');
    const std::wstring directory = WideFromShiftJis(workDir);
    if (!directory.empty() && !FitsAsCurrentDirectory(directory)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return UniqueKernelHandle();
    }
    PROCESS_INFORMATION created{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, inheritHandles, creationFlags,
                        nullptr, directory.empty() ? nullptr : directory.c_str(), &startup,
                        &created))
        return UniqueKernelHandle();
    UniqueKernelHandle thread(created.hThread);
    return UniqueKernelHandle(created.hProcess);
}

std::optional<unsigned long> ExitCodeOf(HANDLE process) {
    DWORD code = 0;
    if (!GetExitCodeProcess(process, &code) || code == STILL_ACTIVE)
        return std::nullopt;
    return code;
}

void TerminateAndWait(HANDLE process) {
    // What a crash leaves behind; the code tells a stop from mknmz's own 1.
    const UINT kStoppedExitCode = 255;
    const DWORD kGoneWithinMs = 5000;
    TerminateProcess(process, kStoppedExitCode);
    WaitForSingleObject(process, kGoneWithinMs);
}
