#include "indexer/index_update_run.h"

#include "catalogue/path_utilities.h"
#include "indexer/drive_substitution.h"
#include "indexer/index_stamp.h"
#include "indexer/mime_mail_filter.h"
#include "indexer/mknmz_command_line.h"
#include "indexer/mknmz_options.h"
#include "text/shift_jis.h"

#include <cstdio>
#include <optional>

namespace {

const char kUpdatingText[] = "インデックス更新中... しばらくお待ちください。";
const char kStoppedText[] = "インデックスの作成を中止しました。";
const unsigned kBuildPollMs = 1000;

std::string ProgressText(size_t done, size_t total) {
    return std::string(kUpdatingText) + " [" + std::to_string(done) + "/" + std::to_string(total) +
           "]";
}

// IndexingRunning is true exactly while this lives, whatever happens.
class IndexingRunningMark {
public:
    explicit IndexingRunningMark(bool& flag) : flag_(flag) { flag_ = true; }
    ~IndexingRunningMark() { flag_ = false; }
    IndexingRunningMark(const IndexingRunningMark&) = delete;
    IndexingRunningMark& operator=(const IndexingRunningMark&) = delete;

private:
    bool& flag_;
};

} // namespace

std::string LastDateText(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", time.Year, time.Month, time.Day,
                  time.Hour, time.Minute);
    return text;
}

int MknmzRunMode(const TSettings& settings) {
    const bool minimized = settings.Minimize == "1";
    if (settings.ShowWindow == "0")
        return rmHidden;
    if (settings.InDosPromptWindow == "0")
        return rmCapture;
    return minimized ? rmMinimized : rmNormal;
}

std::optional<std::string> MknmzOutputDir(SystemInfo& system, const std::string& dir) {
    if (dir.find(' ') == std::string::npos)
        return dir;
    const std::optional<std::string> shortForm = system.ShortPathName(dir);
    if (!shortForm || shortForm->find(' ') != std::string::npos)
        return std::nullopt;
    return shortForm;
}

void MakeDirectories(FileSystem& files, const std::string& path) {
    const std::string target = WithoutFinalBackslash(path);
    for (size_t at = FindWhole(target, "\\"); at != std::string::npos;
         at = FindWhole(target, "\\", at + 1)) {
        // "c:" and the empty start of "\\server" are no directories to make.
        if (at > 0 && target[at - 1] != ':' && target[at - 1] != '\\')
            files.MakeDirectory(target.substr(0, at));
    }
    files.MakeDirectory(target);
}

bool IndexUpdateRun::Run(const IndexDialogState& state) {
    view_.CloseConsoleWindows();
    services_.Pump.ProcessPendingMessages();
    const std::vector<int> rows = state.CheckedMailFolders();
    if (rows.empty())
        return false;
    if (state.SaveTarget)
        state.SaveIndexTargets(Settings());
    OfferRecommendedOptions();
    view_.ShowStatus(kUpdatingText);
    const std::string tempDir = TempDirectory();
    const bool olderIndexes = !state.Rebuild && AnyIndexBuilt(state, rows);
    const bool filterIsNew = InstallMailFilter();
    reportedUnusableOutputDir_ = false;
    skipWindow_ = nullptr;
    IndexRunReport report;
    bool stopped = false;
    for (size_t k = 0; k < rows.size(); ++k) {
        const TFolderInfo& folder = state.Folder(rows[k]);
        stopped = stopped || StopRequested();
        if (stopped) {
            report.Add({folder.Title, FolderResult::NotUpdated, ""});
            continue;
        }
        view_.ShowStatus(ProgressText(k + 1, rows.size()));
        FolderOutcome outcome = UpdateFolder(folder, state.Rebuild, tempDir);
        stopped = outcome.Result == FolderResult::NotUpdated;
        report.Add(std::move(outcome));
    }
    if (stopped)
        ReportStop(report);
    else
        ReportEnd(report, filterIsNew && olderIndexes);
    view_.BringToForeground();
    return true;
}

// A stopped run leaves the mail counter and the update time as they were,
// so that the next automatic update comes as soon as it would have.
void IndexUpdateRun::ReportStop(const IndexRunReport& report) {
    view_.ShowStatus(kStoppedText + report.CountsText());
    services_.Ui.ShowInformation(nullptr, "tarnwick for Namazu", report.StopMessage());
}

void IndexUpdateRun::ReportEnd(const IndexRunReport& report, bool tellAboutOlderIndexes) {
    Settings().NowCountMail = "0";
    Settings().LastDate = LastDateText(services_.Time.Now());
    view_.ShowStatus(IndexStatusText(Settings()) + report.CountsText());
    const std::string failures = report.FailureMessage();
    if (!failures.empty())
        services_.Ui.ShowWarning(nullptr, "エラー", failures);
    if (tellAboutOlderIndexes)
        TellAboutOlderIndexes();
}

bool IndexUpdateRun::StopRequested() const {
    return stop_ && stop_();
}

// Namazu 2.0's mknmz refuses Namazu 1.3's options and indexes nothing.
void IndexUpdateRun::OfferRecommendedOptions() {
    if (IsNamazu13(Settings()))
        return;
    const std::optional<char> unknown = UnknownNamazu20Letter(Settings().mknmzOption);
    if (!unknown)
        return;
    const std::string text = "mknmz オプション「" + Settings().mknmzOption + "」の -" +
                             std::string(1, *unknown) +
                             " は Namazu 2.0 の mknmz にないため、インデックスを作成できません。\n"
                             "お薦めのオプション「" +
                             kRecommendedMknmzOption20 + "」に変えてもよろしいですか？";
    if (services_.Ui.Confirm(nullptr, "オプションの確認", text))
        Settings().mknmzOption = kRecommendedMknmzOption20;
}

bool IndexUpdateRun::AnyIndexBuilt(const IndexDialogState& state, const std::vector<int>& rows) {
    for (int row : rows) {
        if (services_.Files.FileExists(state.Folder(row).IndexDir + "NMZ.i"))
            return true;
    }
    return false;
}

// True when the filter has just been put in place for the first time. Where
// it cannot be written, mknmz runs without it.
bool IndexUpdateRun::InstallMailFilter() {
    includeFile_.clear();
    if (IsNamazu13(Settings()))
        return false;
    const std::string workDir = IndexBase(Settings(), services_.Host.GetAccount(host_)) + "Namazu";
    MakeDirectories(services_.Files, workDir);
    const std::string path = workDir + "\\" + kMimeMailFilterName;
    const FilterInstall install = InstallMimeMailFilter(services_.Files, path);
    if (install != FilterInstall::Failed)
        includeFile_ = path;
    return install == FilterInstall::Created;
}

// Mail indexed before the filter was there keeps its encoded bodies out of
// the index until the folder is built again.
void IndexUpdateRun::TellAboutOlderIndexes() {
    services_.Ui.ShowInformation(
        nullptr, "tarnwick for Namazu",
        "base64 や quoted-printable で送られたメールの本文も検索できるようになりました。\n"
        "これまでに作成したインデックスには、そうしたメールの本文が入っていません。"
        "「削除して作り直す」をチェックしてインデックスを作成し直してください。");
}

// Empty unless indexes are built in the temporary directory.
std::string IndexUpdateRun::TempDirectory() {
    if (Settings().UseTempDirectory != "1")
        return "";
    const std::string dir = services_.System.TempDirectory() + "Namazu";
    MakeDirectories(services_.Files, dir);
    return dir;
}

FolderOutcome IndexUpdateRun::UpdateFolder(const TFolderInfo& folder, bool rebuild,
                                           const std::string& tempDir) {
    FolderOutcome outcome{folder.Title, FolderResult::Failed, ""};
    MakeDirectories(services_.Files, folder.IndexDir);
    const IndexLock lock = ClearStaleLock(services_.Files, services_.System, folder.IndexDir);
    outcome.Reason = LockReason(lock);
    if (!outcome.Reason.empty())
        return outcome;
    if (rebuild)
        DeleteMatchingFiles(services_.Files, folder.IndexDir, "NMZ.*");
    const std::string outputDir =
        tempDir.empty() ? WithoutFinalBackslash(folder.IndexDir) : tempDir;
    const std::optional<std::string> handedOver = MknmzOutputDir(services_.System, outputDir);
    if (!handedOver) {
        // Said at once, in a message of its own.
        ReportUnusableOutputDir(outputDir);
        return outcome;
    }
    const MknmzTarget target = TargetOf(folder, *handedOver);
    const std::string commandLine = MknmzCommandLine(Settings(), target);
    if (!rebuild && IsIndexCurrent(services_.Files, folder.IndexDir, folder.Path, commandLine)) {
        NoteSkipped(folder);
        outcome.Result = FolderResult::Skipped;
        return outcome;
    }
    const std::optional<std::uint64_t> newest = NewestChangeIn(services_.Files, folder.Path);
    if (!tempDir.empty()) {
        DeleteMatchingFiles(services_.Files, tempDir, "NMZ.*");
        CopyDirectoryFiles(services_.Files, folder.IndexDir, tempDir, CopyMode::Keep);
    }
    const ProgramEnd end = BuildIndex(folder, target, commandLine);
    if (end.Stopped)
        RemoveRunLeftovers(services_.Files, outputDir + "\\");
    if (!tempDir.empty())
        CopyDirectoryFiles(services_.Files, tempDir, folder.IndexDir, CopyMode::Move);
    view_.ShowRunning(false);
    JudgeRun(outcome, end, lock);
    if (outcome.Result == FolderResult::Updated && end.ExitCode && newest)
        WriteIndexStamp(services_.Files, folder.IndexDir, {*newest, commandLine});
    return outcome;
}

void IndexUpdateRun::JudgeRun(FolderOutcome& outcome, const ProgramEnd& end,
                              const IndexLock& lock) {
    if (end.Stopped) {
        outcome.Result = FolderResult::NotUpdated;
        return;
    }
    if (end.Started && end.ExitCode.value_or(0) == 0) {
        outcome.Result = FolderResult::Updated;
        return;
    }
    outcome.Reason = end.Started ? ExitCodeReason(*end.ExitCode) : StartFailureReason();
    if (lock.State == LockState::Cleared)
        outcome.Reason = ClearedLockNote() + "が、" + outcome.Reason;
}

MknmzTarget IndexUpdateRun::TargetOf(const TFolderInfo& folder, const std::string& outputDir) {
    MknmzTarget target;
    target.FolderPath = folder.Path;
    target.OutputDir = outputDir;
    target.AccountDir = services_.Host.GetAccount(host_);
    target.RelativePath = services_.Catalogue.AccountRelativePath(folder.Path);
    target.IncludeFile = includeFile_;
    return target;
}

// In a capture the lines go into one console window of their own; the other
// modes show no output, and the status bar counts the skipped folders.
void IndexUpdateRun::NoteSkipped(const TFolderInfo& folder) {
    if (MknmzRunMode(Settings()) != rmCapture)
        return;
    if (skipWindow_ == nullptr)
        skipWindow_ = view_.OpenConsoleWindow("更新しなかったフォルダ", Settings().Minimize == "1");
    if (skipWindow_ != nullptr) {
        ConsoleTextView& text = skipWindow_->edt();
        text.AppendText(SkippedFolderLine(folder.Title) + "\r\n");
        text.ShowEnd();
        text.Refresh();
    }
}

ProgramEnd IndexUpdateRun::BuildIndex(const TFolderInfo& folder, const MknmzTarget& target,
                                      std::string commandLine) {
    view_.ShowRunning(true);
    std::string captureDir = folder.Path;
    std::optional<char> drive;
    DriveSubstitution substitution(services_.Runner, services_.System, services_.Pump);
    if (NeedsDriveSubstitution(Settings(), folder.Path, services_.System.IsNtFamily()))
        drive = substitution.Substitute(folder.Path, target.OutputDir);
    if (drive) {
        commandLine = SubstitutedMknmzCommandLine(Settings(), target, *drive);
        captureDir = std::string(1, *drive) + ":\\";
    }
    IndexingRunningMark running(services_.IndexingRunning);
    const ProgramEnd end = RunMknmz(folder, commandLine, captureDir);
    if (drive)
        substitution.Remove(*drive, target.OutputDir);
    return end;
}

// One message per run: every folder below the same base fails alike.
void IndexUpdateRun::ReportUnusableOutputDir(const std::string& dir) {
    if (reportedUnusableOutputDir_)
        return;
    reportedUnusableOutputDir_ = true;
    services_.Ui.ShowError(nullptr, "エラー",
                           "インデックスディレクトリ " + dir +
                               " は空白を含み、短い名前(8.3形式)もないため、"
                               "インデックスを作成できません。");
}

// A capture runs in the substituted drive's root; the other modes always run
// in the folder directory.
ProgramEnd IndexUpdateRun::RunMknmz(const TFolderInfo& folder, const std::string& commandLine,
                                    const std::string& captureDir) {
    const int mode = MknmzRunMode(Settings());
    ConsoleWindow* window = nullptr;
    if (mode == rmCapture) {
        window = view_.OpenConsoleWindow("「" + folder.Title + "」フォルダのインデックス作成中...",
                                         Settings().Minimize == "1");
    }
    if (window == nullptr) {
        return services_.Runner.RunToEnd(commandLine, folder.Path,
                                         mode == rmCapture ? rmHidden : mode, nullptr, kBuildPollMs,
                                         stop_);
    }
    const ProgramEnd end = services_.Runner.RunToEnd(commandLine, captureDir, rmCapture,
                                                     &window->edt(), kBuildPollMs, stop_);
    window->CaptureEnded();
    return end;
}
