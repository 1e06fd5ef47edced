#pragma once

#include "platform/system_info.h"

class Win32SystemInfo : public SystemInfo {
public:
    bool IsNtFamily() override;
    bool DriveHasRoot(char letter) override;
    std::string TempDirectory() override;
    std::optional<std::string> ShortPathName(const std::string& path) override;
    ProcessState StateOfProcess(unsigned long id) override;
};
