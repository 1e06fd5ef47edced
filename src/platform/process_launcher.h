#pragma once

#include "platform/capture_process.h"
#include "platform/console_runner.h"

#include <memory>
#include <string>

// The system's show values for a new process's window.
enum WindowShow : int { wsHide = 0, wsNormal = 1, wsMinimizedNoActivate = 7 };

// Starts console programs for the console command runner.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    // Starts commandLine in workDir with the caller's start-up information and
    // the given show value, inheriting no handles; null on failure.
    virtual std::unique_ptr<RunningProcess> Start(const std::string& commandLine,
                                                  const std::string& workDir, int show) = 0;
    virtual std::unique_ptr<CaptureProcess> NewCaptureProcess() = 0;
};
