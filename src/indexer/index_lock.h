#pragma once

#include "platform/file_system.h"
#include "platform/system_info.h"

#include <string>

// What a folder's index holds of an earlier mknmz run before the next one.
// mknmz writes NMZ.lock2 with its process id while it works and refuses to
// run while the file exists; a run ended by a crash or a kill leaves it,
// with its NMZ.*.tmp files, and stops that index for good.
enum class LockState {
    Free,
    Cleared,     // its process had ended: lock and leftovers removed
    Held,        // its process runs: another update is under way
    Unclear,     // no process id to check, or the system does not say
    Undeletable, // its process had ended, but the lock cannot be removed
};

struct IndexLock {
    LockState State = LockState::Free;
    unsigned long ProcessId = 0;
};

// Removes a lock whose process no longer runs, with what its run left;
// any other lock stays. indexDir ends in '\'.
IndexLock ClearStaleLock(FileSystem& files, SystemInfo& system, const std::string& indexDir);

// Removes the lock files and temporary files of a run that was ended in the
// middle, so that the index as it was before stays usable.
void RemoveRunLeftovers(FileSystem& files, const std::string& indexDir);
