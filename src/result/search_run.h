#pragma once

#include "result/result_options.h"
#include "result/result_services.h"
#include "result/result_view.h"

#include <string>
#include <vector>

// Where and how namazu.exe ran last, for the command-line view.
struct LastRun {
    std::string WorkDir;
    std::string CommandLine;
};

// One search: namazu.exe over the targets' indexes, run hidden while the
// window waits, and its result file shown. Failures are reported in boxes;
// the caller enables btnSearch again afterwards.
class SearchRun {
public:
    SearchRun(ResultServices& services, ResultView& view, WindowHandle host)
        : services_(services), view_(view), host_(host) {}

    void RunSearch(const std::string& formula, const ResultOptions& options,
                   std::vector<std::string>& keywordItems, LastRun& last);

private:
    bool Validate(const std::string& formula);
    void ShowSearching(const std::string& formula, std::vector<std::string>& keywordItems);
    bool RemoveResultFile(const std::string& resultFile);
    std::string CommandLine(const std::string& formula, const ResultOptions& options,
                            const std::string& workDir, const std::string& resultFile);
    std::string IndexList(const std::string& workDir, bool namazu13) const;
    void WriteNamazuConf(const std::string& workDir, const std::string& account);
    void RunAndWait(const std::string& commandLine, const std::string& workDir);
    void ShowResultFile(const std::string& resultFile, const ResultOptions& options);
    TSettings& Settings() { return services_.Search.Store.Settings; }

    ResultServices& services_;
    ResultView& view_;
    WindowHandle host_;
};
