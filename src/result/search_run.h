#pragma once

#include "result/result_options.h"
#include "result/result_page.h"
#include "result/result_services.h"
#include "result/result_view.h"

#include <optional>
#include <string>
#include <vector>

// Where and how namazu.exe ran last, for the command-line view.
struct LastRun {
    std::string WorkDir;
    std::string CommandLine;
};

// What a search leaves to its window.
struct SearchOutcome {
    // The formula history, the formula on top once the search got under way.
    std::vector<std::string> KeywordItems;
    // Set once namazu.exe was to run.
    std::optional<LastRun> Ran;
    // The hits of the text the result pane shows now, and which of the
    // search's hits they are.
    HitList Hits;
    std::optional<ResultPage> Page;
};

// One search: namazu.exe over the targets' indexes, run hidden while the
// window waits, and its result file shown. Failures are reported in boxes;
// the caller enables btnSearch again afterwards.
class SearchRun {
public:
    SearchRun(ResultServices& services, ResultView& view, WindowHandle host)
        : services_(services), view_(view), host_(host) {}

    // whence: the offset of the page's first hit, 0 for the first page.
    SearchOutcome RunSearch(const std::string& formula, const ResultOptions& options,
                            const std::vector<std::string>& keywordItems, int whence);

private:
    bool Validate(const std::string& formula);
    void ShowSearching(const std::string& formula, const std::vector<std::string>& keywordItems);
    bool RemoveResultFile(const std::string& resultFile);
    std::string CommandLine(const std::string& formula, const ResultOptions& options, int whence,
                            const std::string& workDir, const std::string& resultFile);
    std::string IndexList(const std::string& workDir, bool namazu13) const;
    bool WriteNamazuConf(const std::string& workDir, const std::string& account);
    void RunAndWait(const std::string& commandLine, const std::string& workDir);
    void ShowResultFile(const std::string& resultFile, const ResultOptions& options,
                        SearchOutcome& outcome);
    TSettings& Settings() { return services_.Search.Store.Settings; }

    ResultServices& services_;
    ResultView& view_;
    WindowHandle host_;
};
