#pragma once

#include "platform/process_launcher.h"

// Console programs started with CreateProcessW; texts converted from Shift-JIS.
class Win32ProcessLauncher : public ProcessLauncher {
public:
    std::unique_ptr<RunningProcess> Start(const std::string& commandLine,
                                          const std::string& workDir, int show) override;
    std::unique_ptr<CaptureProcess> NewCaptureProcess() override;
};
