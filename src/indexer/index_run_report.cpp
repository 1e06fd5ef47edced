#include "indexer/index_run_report.h"

#include <algorithm>

namespace {

const char kIndent[] = "　";

} // namespace

std::string StartFailureReason() {
    return "mknmz を起動できませんでした";
}

std::string ExitCodeReason(unsigned long exitCode) {
    return "mknmz が終了コード " + std::to_string(exitCode) + " で終わりました";
}

std::string LockReason(const IndexLock& lock) {
    switch (lock.State) {
    case LockState::Held:
        return "NMZ.lock2 があり、プロセス " + std::to_string(lock.ProcessId) +
               " がインデックスを更新中です";
    case LockState::Unclear:
        return "NMZ.lock2 がありますが、更新中のプロセスを確かめられません";
    case LockState::Undeletable:
        return "中断された更新の NMZ.lock2 を削除できません";
    default:
        return "";
    }
}

std::string ClearedLockNote() {
    return "中断された更新の NMZ.lock2 を削除しました";
}

std::string SkippedFolderLine(const std::string& title) {
    return "「" + title +
           "」フォルダ: 前回のインデックス作成から変更がないため、更新しませんでした。";
}

size_t IndexRunReport::Count(FolderResult result) const {
    return static_cast<size_t>(
        std::count_if(outcomes_.begin(), outcomes_.end(),
                      [&](const FolderOutcome& outcome) { return outcome.Result == result; }));
}

std::string IndexRunReport::CountsText() const {
    return "   更新 " + std::to_string(Count(FolderResult::Updated)) + "、スキップ " +
           std::to_string(Count(FolderResult::Skipped)) + "、失敗 " +
           std::to_string(Count(FolderResult::Failed));
}

std::string IndexRunReport::FailureMessage() const {
    std::string lines;
    for (const FolderOutcome& outcome : outcomes_) {
        // A failure without a reason has had a message of its own.
        if (outcome.Result == FolderResult::Failed && !outcome.Reason.empty())
            lines += "\n" + std::string(kIndent) + "「" + outcome.Title + "」: " + outcome.Reason;
    }
    if (lines.empty())
        return "";
    return "次のフォルダのインデックスを作成できませんでした。\n" + lines;
}

std::string IndexRunReport::StopMessage() const {
    std::string lines;
    for (const FolderOutcome& outcome : outcomes_) {
        if (outcome.Result == FolderResult::NotUpdated)
            lines += "\n" + std::string(kIndent) + "「" + outcome.Title + "」";
    }
    return "インデックスの作成を中止しました。次のフォルダは更新されていません。\n" + lines;
}
