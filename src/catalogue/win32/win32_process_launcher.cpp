#include "catalogue/win32/win32_process_launcher.h"

#include "catalogue/win32/process_start.h"
#include "catalogue/win32/win32_capture_process.h"
#include "platform/win32/win32_message_pump.h"

#include <utility>

namespace {

class Win32RunningProcess : public RunningProcess {
public:
    explicit Win32RunningProcess(UniqueKernelHandle process) : process_(std::move(process)) {}

    ProgramEnd WaitForEndOrStop(unsigned rhythmMs, const StopRequest& stop) override {
        ProgramEnd end;
        end.Started = true;
        if (WaitWhilePumpingUnless(process_.Get(), rhythmMs, stop)) {
            end.ExitCode = ExitCodeOf(process_.Get());
        } else {
            TerminateAndWait(process_.Get());
            end.Stopped = true;
        }
        return end;
    }

private:
    UniqueKernelHandle process_;
};

} // namespace

std::unique_ptr<RunningProcess> Win32ProcessLauncher::Start(const std::string& commandLine,
                                                            const std::string& workDir, int show) {
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    UniqueKernelHandle process =
        StartProcess(commandLine, workDir, startup, false, CREATE_DEFAULT_ERROR_MODE);
    if (!process.IsValid())
        return nullptr;
    return std::make_unique<Win32RunningProcess>(std::move(process));
}

std::unique_ptr<CaptureProcess> Win32ProcessLauncher::NewCaptureProcess() {
    return std::make_unique<Win32CaptureProcess>();
}
