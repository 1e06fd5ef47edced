#include "indexer/index_lock.h"

#include "catalogue/path_utilities.h"

#include <optional>

namespace {

const char kRunLock[] = "NMZ.lock2";
// Written by mknmz while it replaces the index files at the end; namazu
// refuses to search while it is there.
const char kWriteLock[] = "NMZ.lock";

std::optional<unsigned long> ProcessIdIn(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    const size_t end = text.find_last_not_of(" \t\r\n");
    if (first == std::string::npos || end - first >= 9)
        return std::nullopt;
    unsigned long id = 0;
    for (size_t i = first; i <= end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        id = id * 10 + static_cast<unsigned long>(text[i] - '0');
    }
    return id == 0 ? std::nullopt : std::optional<unsigned long>(id);
}

} // namespace

IndexLock ClearStaleLock(FileSystem& files, SystemInfo& system, const std::string& indexDir) {
    const std::string lock = indexDir + kRunLock;
    IndexLock found;
    if (!files.FileExists(lock))
        return found;
    const std::optional<std::string> content = files.ReadFile(lock);
    const std::optional<unsigned long> id = content ? ProcessIdIn(*content) : std::nullopt;
    if (!id) {
        found.State = LockState::Unclear;
        return found;
    }
    found.ProcessId = *id;
    switch (system.StateOfProcess(*id)) {
    case ProcessState::Running:
        found.State = LockState::Held;
        return found;
    case ProcessState::Unknown:
        found.State = LockState::Unclear;
        return found;
    case ProcessState::Gone:
        break;
    }
    RemoveRunLeftovers(files, indexDir);
    found.State = files.FileExists(lock) ? LockState::Undeletable : LockState::Cleared;
    return found;
}

void RemoveRunLeftovers(FileSystem& files, const std::string& indexDir) {
    DeleteMatchingFiles(files, indexDir, "NMZ.*.tmp");
    files.RemoveFile(indexDir + kWriteLock);
    files.RemoveFile(indexDir + kRunLock);
}
