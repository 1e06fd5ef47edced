#pragma once

#include "platform/capture_process.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

// A program writing into an anonymous pipe. The pipe is read only when
// PeekNamedPipe reports data, so the user-interface thread never blocks.
class Win32CaptureProcess : public CaptureProcess {
public:
    bool CreatePipe() override;
    bool Start(const std::string& commandLine, const std::string& workDir,
               unsigned long& errorCode) override;
    bool ReadAvailable(std::string& output, size_t maxBytes) override;
    std::optional<unsigned long> WaitForEnd(unsigned rhythmMs) override;
    void Terminate() override;

private:
    UniqueKernelHandle read_;
    UniqueKernelHandle write_;
    UniqueKernelHandle process_;
};
