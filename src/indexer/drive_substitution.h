#pragma once

#include "platform/console_runner.h"
#include "platform/message_pump.h"
#include "platform/system_info.h"

#include <optional>
#include <string>

// The first letter from C to Z with no volume behind it, or nothing.
std::optional<char> FindFreeDriveLetter(SystemInfo& system);

// Puts a folder's parent directory behind a free drive letter with
// COMMAND.COM's SUBST, and takes it away again. The system reports neither
// success nor failure, so both wait for the drive to appear or vanish, for a
// few seconds at most.
class DriveSubstitution {
public:
    static constexpr unsigned kPollStepMs = 10;
    static constexpr unsigned kPollLimitMs = 3000;

    DriveSubstitution(ConsoleRunner& runner, SystemInfo& system, MessagePump& pump)
        : runner_(runner), system_(system), pump_(pump) {}

    // The letter now showing the parent of folderPath, or nothing when no
    // letter was free or the drive did not appear in time.
    std::optional<char> Substitute(const std::string& folderPath, const std::string& workDir);
    void Remove(char drive, const std::string& workDir);

private:
    void RunHidden(const std::string& commandLine, const std::string& workDir);
    bool WaitForDrive(char drive, bool present);

    ConsoleRunner& runner_;
    SystemInfo& system_;
    MessagePump& pump_;
};
