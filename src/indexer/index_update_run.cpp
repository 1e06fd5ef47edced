#include "indexer/index_update_run.h"

#include "catalogue/path_utilities.h"
#include "indexer/drive_substitution.h"
#include "indexer/mime_mail_filter.h"
#include "indexer/mknmz_command_line.h"
#include "indexer/mknmz_options.h"
#include "text/shift_jis.h"

#include <cstdio>
#include <optional>

namespace {

const char kUpdatingText[] = "インデックス更新中... しばらくお待ちください。";
const unsigned kBuildPollMs = 1000;

std::string WithoutFinalBackslash(const std::string& path) {
    return EndsWithCharacter(path, '\\') ? path.substr(0, path.size() - 1) : path;
}

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
    for (size_t k = 0; k < rows.size(); ++k) {
        view_.ShowStatus(ProgressText(k + 1, rows.size()));
        UpdateFolder(state.Folder(rows[k]), state.Rebuild, tempDir);
    }
    Settings().NowCountMail = "0";
    Settings().LastDate = LastDateText(services_.Time.Now());
    view_.ShowStatus(IndexStatusText(Settings()));
    if (filterIsNew && olderIndexes)
        TellAboutOlderIndexes();
    view_.BringToForeground();
    return true;
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

void IndexUpdateRun::UpdateFolder(const TFolderInfo& folder, bool rebuild,
                                  const std::string& tempDir) {
    const std::string outputDir = PrepareOutputDir(folder, rebuild, tempDir);
    const std::optional<std::string> handedOver = MknmzOutputDir(services_.System, outputDir);
    if (handedOver) {
        MknmzTarget target;
        target.FolderPath = folder.Path;
        target.OutputDir = *handedOver;
        target.AccountDir = services_.Host.GetAccount(host_);
        target.RelativePath = services_.Catalogue.AccountRelativePath(folder.Path);
        target.IncludeFile = includeFile_;
        BuildIndex(folder, target);
    } else {
        ReportUnusableOutputDir(outputDir);
    }
    if (!tempDir.empty())
        CopyDirectoryFiles(services_.Files, tempDir, folder.IndexDir, CopyMode::Move);
    view_.SetEnabled(true);
}

void IndexUpdateRun::BuildIndex(const TFolderInfo& folder, const MknmzTarget& target) {
    view_.SetEnabled(false);
    std::string commandLine = MknmzCommandLine(Settings(), target);
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
    RunMknmz(folder, commandLine, captureDir);
    if (drive)
        substitution.Remove(*drive, target.OutputDir);
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

std::string IndexUpdateRun::PrepareOutputDir(const TFolderInfo& folder, bool rebuild,
                                             const std::string& tempDir) {
    MakeDirectories(services_.Files, folder.IndexDir);
    if (rebuild)
        DeleteMatchingFiles(services_.Files, folder.IndexDir, "NMZ.*");
    if (tempDir.empty())
        return WithoutFinalBackslash(folder.IndexDir);
    DeleteMatchingFiles(services_.Files, tempDir, "NMZ.*");
    CopyDirectoryFiles(services_.Files, folder.IndexDir, tempDir, CopyMode::Keep);
    return tempDir;
}

// A capture runs in the substituted drive's root; the other modes always run
// in the folder directory.
void IndexUpdateRun::RunMknmz(const TFolderInfo& folder, const std::string& commandLine,
                              const std::string& captureDir) {
    const int mode = MknmzRunMode(Settings());
    ConsoleWindow* window = nullptr;
    if (mode == rmCapture) {
        window = view_.OpenConsoleWindow("「" + folder.Title + "」フォルダのインデックス作成中...",
                                         Settings().Minimize == "1");
    }
    if (window != nullptr)
        CaptureIntoConsoleWindow(*window, commandLine, captureDir);
    else
        RunAndWait(commandLine, folder.Path, mode == rmCapture ? rmHidden : mode);
}

void IndexUpdateRun::CaptureIntoConsoleWindow(ConsoleWindow& window, const std::string& commandLine,
                                              const std::string& workDir) {
    services_.Runner.RunConsoleCommand(commandLine, workDir, rmCapture, &window.edt());
    window.CaptureEnded();
}

void IndexUpdateRun::RunAndWait(const std::string& commandLine, const std::string& workDir,
                                int mode) {
    std::unique_ptr<RunningProcess> process =
        services_.Runner.RunConsoleCommand(commandLine, workDir, mode, nullptr);
    if (!process)
        return;
    view_.SetEnabled(false);
    process->WaitForEnd(kBuildPollMs);
}
