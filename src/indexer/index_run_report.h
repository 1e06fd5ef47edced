#pragma once

#include "indexer/index_lock.h"

#include <string>
#include <vector>

// What became of each folder of one index update, and what the user is told
// of it at the end.
enum class FolderResult { Updated, Skipped, Failed, NotUpdated };

struct FolderOutcome {
    std::string Title;
    FolderResult Result = FolderResult::Updated;
    // Why it failed; empty for the other results.
    std::string Reason;
};

// Failure reasons, as the end-of-run message names them.
std::string StartFailureReason();
std::string ExitCodeReason(unsigned long exitCode);
// Empty for a lock that was free or has been cleared.
std::string LockReason(const IndexLock& lock);
std::string ClearedLockNote();

// The console line for a folder that needed no update.
std::string SkippedFolderLine(const std::string& title);

class IndexRunReport {
public:
    void Add(FolderOutcome outcome) { outcomes_.push_back(std::move(outcome)); }
    size_t Count(FolderResult result) const;
    // Appended to the status line once the run has ended.
    std::string CountsText() const;
    // One message naming every failed folder with its reason; empty when
    // none failed.
    std::string FailureMessage() const;
    // After the user stopped the run: the folders it left as they were.
    std::string StopMessage() const;

private:
    std::vector<FolderOutcome> outcomes_;
};
