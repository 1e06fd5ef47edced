#pragma once

#include <string>

// What the index update asks of the running system.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // False on Windows 95, 98 and Me.
    virtual bool IsNtFamily() = 0;
    // True when letter + ":\" is the root directory of a mounted volume.
    virtual bool DriveHasRoot(char letter) = 0;
    // The system's temporary directory, ending in '\'.
    virtual std::string TempDirectory() = 0;
};
