#pragma once

#include "indexer/index_dialog_state.h"
#include "indexer/index_dialog_view.h"
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
// the other, with the dialog disabled and the host kept responsive while
// each runs; then the mail counter is reset and the update time noted.
class IndexUpdateRun {
public:
    IndexUpdateRun(IndexServices& services, IndexDialogView& view, WindowHandle host)
        : services_(services), view_(view), host_(host) {}

    // False when no mail folder was checked: nothing is shown or changed.
    bool Run(const IndexDialogState& state);

private:
    void OfferRecommendedOptions();
    bool AnyIndexBuilt(const IndexDialogState& state, const std::vector<int>& rows);
    bool InstallMailFilter();
    void TellAboutOlderIndexes();
    void UpdateFolder(const TFolderInfo& folder, bool rebuild, const std::string& tempDir);
    void BuildIndex(const TFolderInfo& folder, const MknmzTarget& target);
    void ReportUnusableOutputDir(const std::string& dir);
    std::string PrepareOutputDir(const TFolderInfo& folder, bool rebuild,
                                 const std::string& tempDir);
    void RunMknmz(const TFolderInfo& folder, const std::string& commandLine,
                  const std::string& captureDir);
    void CaptureIntoConsoleWindow(ConsoleWindow& window, const std::string& commandLine,
                                  const std::string& workDir);
    void RunAndWait(const std::string& commandLine, const std::string& workDir, int mode);
    std::string TempDirectory();
    TSettings& Settings() { return services_.Store.Settings; }

    IndexServices& services_;
    IndexDialogView& view_;
    WindowHandle host_;
    bool reportedUnusableOutputDir_ = false;
    std::string includeFile_;
};
