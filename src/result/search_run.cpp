#include "result/search_run.h"

#include "result/formula_history.h"
#include "result/namazu_command_line.h"
#include "result/namazu_conf.h"
#include "result/result_rendering.h"
#include "search/search_text.h"
#include "settings/profile_file.h"

namespace {

const char kErrorCaption[] = "エラー";
const char kSearchingText[] = "検索中.....";
// Messages are handled at least this often while namazu.exe runs.
const unsigned kPollMs = 100;

std::vector<std::string> AltUrls(FileSystem& files, const std::string& iniFileName) {
    const ProfileFile ini(files, iniFileName);
    std::vector<std::string> urls;
    for (int n = 1;; ++n) {
        std::string url = ini.Read("AltURL", "x" + std::to_string(n), "");
        if (url.empty())
            return urls;
        urls.push_back(std::move(url));
    }
}

} // namespace

SearchOutcome SearchRun::RunSearch(const std::string& formula, const ResultOptions& options,
                                   const std::vector<std::string>& keywordItems, int whence) {
    SearchOutcome outcome{keywordItems, std::nullopt, {}, std::nullopt};
    if (!Validate(formula))
        return outcome;
    PutFormulaOnTop(outcome.KeywordItems, formula);
    ShowSearching(formula, outcome.KeywordItems);
    const std::string account = services_.Host.GetAccount(host_);
    const std::string workDir = IndexBase(Settings(), account) + "Namazu";
    const std::string resultFile = workDir + "\\result.txt";
    if (!RemoveResultFile(resultFile))
        return outcome;
    if (!WriteNamazuConf(workDir, account))
        return outcome;
    outcome.Ran = LastRun{workDir, CommandLine(formula, options, whence, workDir, resultFile)};
    view_.EnableCommandLineButton();
    RunAndWait(outcome.Ran->CommandLine, workDir);
    view_.ShowResultPage();
    view_.ShowPaneText("");
    ShowResultFile(resultFile, options, outcome);
    return outcome;
}

bool SearchRun::Validate(const std::string& formula) {
    if (services_.Search.SearchTargets.empty()) {
        services_.Ui.ShowError(view_.Window(), kErrorCaption,
                               "検索するフォルダを選択してください。");
        return false;
    }
    const std::string trimmed = TrimControlCharacters(formula);
    if (trimmed.empty() || IsEmptyWithoutIdeographicSpaces(trimmed)) {
        services_.Ui.ShowError(view_.Window(), kErrorCaption, "検索式を入力してください。");
        return false;
    }
    return true;
}

void SearchRun::ShowSearching(const std::string& formula,
                              const std::vector<std::string>& keywordItems) {
    services_.Search.SearchFormula = formula;
    view_.ShowKeywordItems(keywordItems);
    view_.SetKeywordText(formula);
    view_.SetSearchEnabled(false);
    view_.ShowResultPage();
    view_.ShowPaneText(kSearchingText);
    services_.Pump.ProcessPendingMessages();
}

// A result file left from before that cannot go would be taken for the new one.
bool SearchRun::RemoveResultFile(const std::string& resultFile) {
    if (!services_.Files.FileExists(resultFile) || services_.Files.RemoveFile(resultFile))
        return true;
    services_.Ui.ShowError(view_.Window(), kErrorCaption,
                           "検索結果のファイルを削除できません。\n" + resultFile);
    return false;
}

std::string SearchRun::CommandLine(const std::string& formula, const ResultOptions& options,
                                   int whence, const std::string& workDir,
                                   const std::string& resultFile) {
    NamazuRun run;
    run.Namazu13 = IsNamazu13(Settings());
    run.NamazuPath = Settings().namazuPath;
    run.NamazuOption = Settings().namazuOption;
    run.Options = NamazuOptionString(options, run.Namazu13);
    run.Whence = whence;
    run.ResultFile = resultFile;
    run.Formula = formula;
    run.IndexList = IndexList(workDir, run.Namazu13);
    return NamazuCommandLine(run);
}

// Targets that are no longer in the catalogue have no index to name.
std::string SearchRun::IndexList(const std::string& workDir, bool namazu13) const {
    const FolderCatalogue& catalogue = services_.Search.Catalogue;
    std::vector<std::string> dirs;
    for (int target : services_.Search.SearchTargets) {
        if (target >= 0 && target < catalogue.Count())
            dirs.push_back(catalogue.At(target).IndexDir);
    }
    return NamazuIndexList(dirs, workDir, namazu13);
}

bool SearchRun::WriteNamazuConf(const std::string& workDir, const std::string& account) {
    NamazuConf conf;
    conf.Namazu13 = IsNamazu13(Settings());
    conf.WorkDir = workDir;
    conf.AltUrls = AltUrls(services_.Files, services_.Search.Store.IniFileName);
    conf.AccountDir = account;
    const std::string path = workDir + "\\" + NamazuConfFileName(conf.Namazu13);
    if (services_.Files.ReplaceContent(path, NamazuConfText(conf)))
        return true;
    services_.Ui.ShowMessage(path + " に書き込めません");
    return false;
}

void SearchRun::RunAndWait(const std::string& commandLine, const std::string& workDir) {
    view_.SetWindowEnabled(false);
    services_.Runner.RunToEnd(commandLine, workDir, rmHidden, nullptr, kPollMs, nullptr);
    view_.SetWindowEnabled(true);
}

// A result that cannot be shown leaves the pane empty, no hits and no page.
void SearchRun::ShowResultFile(const std::string& resultFile, const ResultOptions& options,
                               SearchOutcome& outcome) {
    if (!services_.Files.FileExists(resultFile)) {
        services_.Ui.ShowWarning(view_.Window(), kErrorCaption,
                                 "検索結果のファイルが見つかりません。\n" + resultFile);
        return;
    }
    const std::optional<std::string> bytes = services_.Files.ReadFile(resultFile);
    if (!bytes) {
        services_.Ui.ShowMessage(resultFile + " を読み込めません");
        return;
    }
    if (bytes->empty()) {
        services_.Ui.ShowWarning(view_.Window(), kErrorCaption,
                                 "検索結果のファイルのサイズが 0 バイトです。\n" + resultFile);
        return;
    }
    const RenderOptions render = ResultRenderOptions(
        Settings(), services_.Search.Catalogue, services_.Search.SearchTargets, !options.NoColour);
    outcome.Page = ResultPageOf(*bytes);
    const std::string shown = WithPageNotice(*bytes, outcome.Page, PageSize(options.Count));
    view_.ShowResult(RenderResult(shown, render, outcome.Hits));
    services_.Files.RemoveFile(resultFile);
}
