#include "indexer/drive_substitution.h"

#include "indexer/mknmz_command_line.h"

std::optional<char> FindFreeDriveLetter(SystemInfo& system) {
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        if (!system.DriveHasRoot(letter))
            return letter;
    }
    return std::nullopt;
}

std::optional<char> DriveSubstitution::Substitute(const std::string& folderPath,
                                                  const std::string& workDir) {
    const std::optional<char> drive = FindFreeDriveLetter(system_);
    if (!drive)
        return std::nullopt;
    RunHidden(SubstCreateCommand(*drive, folderPath), workDir);
    if (WaitForDrive(*drive, true))
        return drive;
    // A substitution that comes late must not stay behind.
    RunHidden(SubstRemoveCommand(*drive), workDir);
    return std::nullopt;
}

void DriveSubstitution::Remove(char drive, const std::string& workDir) {
    RunHidden(SubstRemoveCommand(drive), workDir);
    WaitForDrive(drive, false);
}

// The process is released at once: SUBST's effect is what counts.
void DriveSubstitution::RunHidden(const std::string& commandLine, const std::string& workDir) {
    runner_.RunConsoleCommand(commandLine, workDir, rmHidden, nullptr);
}

bool DriveSubstitution::WaitForDrive(char drive, bool present) {
    for (unsigned waited = 0;; waited += kPollStepMs) {
        if (system_.DriveHasRoot(drive) == present)
            return true;
        if (waited >= kPollLimitMs)
            return false;
        pump_.Sleep(kPollStepMs);
    }
}
