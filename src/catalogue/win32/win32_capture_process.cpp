#include "catalogue/win32/win32_capture_process.h"

#include "catalogue/win32/process_start.h"
#include "platform/win32/win32_message_pump.h"

#include <algorithm>
#include <vector>

namespace {

// The default of a few KB fills up between two rounds and stalls a talkative
// program; this much lets it write on for a whole round.
const DWORD kPipeBuffer = 1024 * 1024;
const size_t kReadPiece = 64 * 1024;

} // namespace

bool Win32CaptureProcess::CreatePipe() {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &inheritable, kPipeBuffer))
        return false;
    read_.Reset(read);
    write_.Reset(write);
    // Only the write end is for the child.
    SetHandleInformation(read_.Get(), HANDLE_FLAG_INHERIT, 0);
    return true;
}

bool Win32CaptureProcess::Start(const std::string& commandLine, const std::string& workDir,
                                unsigned long& errorCode) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = write_.Get();
    startup.hStdError = write_.Get();
    process_ = StartProcess(commandLine, workDir, startup, true, 0);
    if (!process_.IsValid()) {
        errorCode = GetLastError();
        read_.Reset();
        write_.Reset();
        return false;
    }
    // With our copy gone, the pipe breaks when the child closes its end.
    write_.Reset();
    return true;
}

bool Win32CaptureProcess::ReadAvailable(std::string& output, size_t maxBytes) {
    std::vector<char> buffer(kReadPiece);
    for (size_t taken = 0; taken < maxBytes;) {
        DWORD available = 0;
        if (!PeekNamedPipe(read_.Get(), nullptr, 0, nullptr, &available, nullptr))
            return false;
        if (available == 0)
            return true;
        const DWORD wanted =
            static_cast<DWORD>(std::min<size_t>({available, buffer.size(), maxBytes - taken}));
        DWORD got = 0;
        if (!ReadFile(read_.Get(), buffer.data(), wanted, &got, nullptr))
            return false;
        output.append(buffer.data(), got);
        taken += got;
    }
    return true;
}

// A program may close its output and run on; the host must not freeze meanwhile.
std::optional<unsigned long> Win32CaptureProcess::WaitForEnd(unsigned rhythmMs) {
    WaitWhilePumping(process_.Get(), rhythmMs);
    const std::optional<unsigned long> code = ExitCodeOf(process_.Get());
    process_.Reset();
    read_.Reset();
    return code;
}

void Win32CaptureProcess::Terminate() {
    TerminateAndWait(process_.Get());
}
