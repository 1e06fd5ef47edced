#include "linux_program.h"

#include "file_bytes.h"
#include "platform/win32/unique_handle.h"
#include "text/win32/text_encoding.h"
#include "wine_path.h"

#include <cstdlib>
#include <stdexcept>
#include <windows.h>

namespace {

const DWORD kPollMilliseconds = 20;
// The shell creates the output file at once; if it has not after this
// long, it did not start.
const DWORD kStartTimeoutMilliseconds = 10000;

std::string TemporaryBase() {
    wchar_t directory[MAX_PATH];
    wchar_t name[MAX_PATH];
    if (GetTempPathW(MAX_PATH, directory) == 0 ||
        GetTempFileNameW(directory, L"nmz", 0, name) == 0) {
        throw std::runtime_error("cannot create a temporary file");
    }
    return ShiftJisFromWide(name);
}

// Reads what the Linux program has written so far, from where the last
// call stopped.
class OutputFollower {
public:
    explicit OutputFollower(const std::string& path) : path_(path) {}

    bool Opened() const { return file_.IsValid(); }

    void CopyNewOutput(HANDLE destination) {
        if (!file_.IsValid()) {
            file_.Reset(CreateFileW(WideFromShiftJis(path_).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        }
        char buffer[4096];
        DWORD count = 0;
        while (file_.IsValid() && ReadFile(file_.Get(), buffer, sizeof buffer, &count, nullptr) &&
               count > 0) {
            DWORD written = 0;
            WriteFile(destination, buffer, count, &written, nullptr);
        }
    }

private:
    std::string path_;
    UniqueFileHandle file_;
};

void StartShell(const std::string& linuxScriptPath) {
    std::wstring commandLine = L"sh \"" + WideFromCodePage(linuxScriptPath, CP_UTF8) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Wine starts a Linux program named here, but returns no handles for it.
    if (!CreateProcessW(L"Z:\\bin\\sh", &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        throw std::runtime_error("cannot start /bin/sh");
    }
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);
}

} // namespace

TemporaryFiles::TemporaryFiles() : base_(TemporaryBase()) {
    paths_.push_back(base_);
}

TemporaryFiles::~TemporaryFiles() {
    for (const std::string& path : paths_) {
        DeleteFileW(WideFromShiftJis(path).c_str());
    }
}

std::string TemporaryFiles::Path(const std::string& suffix) {
    paths_.push_back(base_ + suffix);
    return paths_.back();
}

int RunLinuxCommand(const LinuxCommand& command, TemporaryFiles& files) {
    const std::string output = files.Path(".out");
    const std::string exitCode = files.Path(".code");
    files.Path(".code.part");
    const std::string script = files.Path(".sh");
    const std::string lifelinePath = files.Path(".alive");
    // Gone with this process however it ends, TerminateProcess included.
    UniqueFileHandle lifeline(CreateFileW(WideFromShiftJis(lifelinePath).c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                          CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    WriteFileBytes(script, BuildLinuxRunScript(command, {LinuxPathOf(output), LinuxPathOf(exitCode),
                                                         LinuxPathOf(lifelinePath)}));
    StartShell(LinuxPathOf(script));

    const HANDLE standardOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    OutputFollower follower(output);
    const DWORD start = GetTickCount();
    for (;;) {
        const bool finished = FileExists(exitCode);
        follower.CopyNewOutput(standardOutput);
        if (finished) {
            break;
        }
        if (!follower.Opened() && GetTickCount() - start > kStartTimeoutMilliseconds) {
            throw std::runtime_error("/bin/sh did not run " + script);
        }
        Sleep(kPollMilliseconds);
    }
    return std::atoi(ReadFileBytes(exitCode).c_str());
}
