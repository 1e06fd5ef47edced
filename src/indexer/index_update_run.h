#pragma once

#include "indexer/index_dialog_state.h"
#include "indexer/index_dialog_view.h"
#include "indexer/index_run_report.h"
#include "indexer/index_services.h"
#include "indexer/mknmz_command_line.h"
#include "platform/clock.h"

#include <optional>
#include <string>

// "yyyy/mm/dd hh:nn", the form of [Mknmz] LastDate.
std::string LastDateText(const LocalTime& time);

// How mknmz is shown, from [Mknmz] ShowWindow, InDosPromptWindow, Minimize.
int MknmzRunMode(const TSettings& settings);

// The output directory as mknmz can take it. mknmz cuts the directory at a
// space, so one that holds a space goes in its short form; nothing when the
// system offers no short form without spaces.
std::optional<std::string> MknmzOutputDir(SystemInfo& system, const std::string& dir);

// Creates path and every missing directory above it; failures go unreported.
void MakeDirectories(FileSystem& files, const std::string& path);

// One press of btnUpdateIndex: mknmz once per checked mail folder, one after
// the other, with the host kept responsive while each runs and the dialog's
// Cancel the only control left enabled; then the mail counter is reset and
// the update time noted. A folder whose index is current is skipped; every
// folder that failed is named at the end. When stop holds during a run, the
// run ends there and names the folders it did not update.
class IndexUpdateRun {
public:
    IndexUpdateRun(IndexServices& services, IndexDialogView& view, WindowHandle host,
                   StopRequest stop = nullptr)
        : services_(services), view_(view), host_(host), stop_(std::move(stop)) {}

    // False when no mail folder was checked: nothing is shown or changed.
    bool Run(const IndexDialogState& state);

private:
    void OfferRecommendedOptions();
    bool AnyIndexBuilt(const IndexDialogState& state, const std::vector<int>& rows);
    bool InstallMailFilter();
    void TellAboutOlderIndexes();
    void ReportStop(const IndexRunReport& report);
    void ReportEnd(const IndexRunReport& report, bool tellAboutOlderIndexes);
    bool StopRequested() const;
    FolderOutcome UpdateFolder(const TFolderInfo& folder, bool rebuild, const std::string& tempDir);
    void JudgeRun(FolderOutcome& outcome, const ProgramEnd& end, const IndexLock& lock);
    MknmzTarget TargetOf(const TFolderInfo& folder, const std::string& outputDir);
    void NoteSkipped(const TFolderInfo& folder);
    // commandLine is the folder's own; a substituted drive replaces it.
    ProgramEnd BuildIndex(const TFolderInfo& folder, const MknmzTarget& target,
                          std::string commandLine);
    void ReportUnusableOutputDir(const std::string& dir);
    ProgramEnd RunMknmz(const TFolderInfo& folder, const std::string& commandLine,
                        const std::string& captureDir);
    std::string TempDirectory();
    TSettings& Settings() { return services_.Store.Settings; }

    IndexServices& services_;
    IndexDialogView& view_;
    WindowHandle host_;
    StopRequest stop_;
    bool reportedUnusableOutputDir_ = false;
    std::string includeFile_;
    ConsoleWindow* skipWindow_ = nullptr;
};
