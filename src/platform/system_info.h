#pragma once

#include <optional>
#include <string>

enum class ProcessState { Running, Gone, Unknown };

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
    // The short (8.3) form of an existing path as the system gives it; the
    // path unchanged where the volume keeps no short names; nothing when the
    // path cannot be looked up.
    virtual std::optional<std::string> ShortPathName(const std::string& path) = 0;
    // Whether a process of this id runs now; Unknown where the system does not say.
    virtual ProcessState StateOfProcess(unsigned long id) = 0;
};
