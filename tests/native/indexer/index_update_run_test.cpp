#include "indexer/index_update_run.h"

#include "indexer/indexer_fixture.h"
#include "indexer/mime_mail_filter.h"

#include <map>

namespace {

// Records, at each mknmz start, what the run had set up by then.
struct StartSnapshot {
    bool IndexingRunning;
    bool ShownRunning;
    std::string Status;
};

class IndexUpdateRunTest : public IndexerTest {
protected:
    IndexDialogState dialog;
    IndexUpdateRun run{services, view, kHost};
    std::vector<StartSnapshot> starts;

    IndexUpdateRunTest() { dialog.SetFolders(state.Catalogue); }

    bool Run() {
        runner.CaptureOutput = "";
        return RunWatching();
    }
    // Runs with a runner that notes the run's state whenever mknmz starts.
    bool RunWatching() {
        class WatchingRunner : public ConsoleRunner {
        public:
            WatchingRunner(IndexUpdateRunTest& test) : test_(test) {}
            std::unique_ptr<RunningProcess> RunConsoleCommand(const std::string& commandLine,
                                                              const std::string& workDir, int mode,
                                                              ConsoleTextView* view) override {
                return test_.runner.RunConsoleCommand(commandLine, workDir, mode, view);
            }
            ProgramEnd RunToEnd(const std::string& commandLine, const std::string& workDir,
                                int mode, ConsoleTextView* view, unsigned rhythmMs,
                                const StopRequest& stop) override {
                test_.starts.push_back({test_.state.IndexingRunning, test_.view.Running(),
                                        test_.view.Statuses.back()});
                return test_.runner.RunToEnd(commandLine, workDir, mode, view, rhythmMs, stop);
            }

        private:
            IndexUpdateRunTest& test_;
        } watching(*this);
        IndexServices watched{state.Store, state.Catalogue, state.IndexingRunning,
                              host,        files,           watching,
                              pump,        clock,           system,
                              ui};
        IndexUpdateRun watchedRun(watched, view, kHost);
        return watchedRun.Run(dialog);
    }
    const TSettings& Settings() const { return state.Store.Settings; }
};

TEST_F(IndexUpdateRunTest, ThreeFoldersRunInOrderWithProgressAndResetTheCounter) {
    dialog.ClickCheck(1, true);
    dialog.ClickCheck(2, true); // the container itself never runs
    dialog.ClickCheck(4, true);
    ASSERT_TRUE(RunWatching());

    ASSERT_EQ(runner.Calls.size(), 3u);
    const char* const dirs[] = {"user001.box\\", "user002.box\\user003.box\\", "user004.box\\"};
    const char* const outputs[] = {"b001", "b002\\b003", "b004"};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(runner.Calls[i].WorkDir, Account(dirs[i]));
        EXPECT_EQ(runner.Calls[i].Mode, rmHidden);
        EXPECT_NE(runner.Calls[i].CommandLine.find("--output-dir=\"" + IndexDir(outputs[i]) +
                                                   "\" --replace=\"s#c:/al/acc/#account/#i\" ."),
                  std::string::npos);
        EXPECT_TRUE(files.Directories.count(IndexDir(outputs[i])));
        EXPECT_TRUE(starts[i].IndexingRunning);
        EXPECT_TRUE(starts[i].ShownRunning);
        EXPECT_EQ(starts[i].Status, "インデックス更新中... しばらくお待ちください。 [" +
                                        std::to_string(i + 1) + "/3]");
    }
    EXPECT_FALSE(state.IndexingRunning);
    EXPECT_TRUE(view.Enabled());
    EXPECT_EQ(Settings().NowCountMail, "0");
    EXPECT_EQ(Settings().LastDate, "2001/05/09 21:07");
    EXPECT_EQ(view.Statuses.back(), "前回更新日時: 2001/05/09 21:07   受信メール数: 0通"
                                    "   更新 3、スキップ 0、失敗 0");
    EXPECT_FALSE(view.Running());
    EXPECT_EQ(view.Foregrounds, 1);
}

TEST_F(IndexUpdateRunTest, NothingOrOnlyContainersCheckedDoesNothing) {
    EXPECT_FALSE(Run());
    // An account whose only folder is an empty container.
    files.Files[Account("account.ini")] = "[Property]\r\nOrder=002\r\n";
    files.Files[Account("user002.box\\entry.ini")] =
        "[Property]\r\nTitle=趣味\r\nType=Subfolder\r\n"
        "Order=\r\n";
    files.Files.erase(Account("user002.box\\user003.box\\entry.ini"));
    state.Catalogue.LoadFolderCatalogue(kHost);
    dialog.SetFolders(state.Catalogue);
    dialog.SelectAll(true);
    dialog.SaveTarget = true;
    EXPECT_FALSE(Run());
    EXPECT_TRUE(runner.Calls.empty());
    EXPECT_TRUE(view.Statuses.empty());
    EXPECT_EQ(Settings().NowCountMail, "17");
    EXPECT_EQ(Settings().LastDate, "???");
    EXPECT_TRUE(Settings().MknmzFolders.empty());
}

TEST_F(IndexUpdateRunTest, SavesTheTargetsWhenAskedBeforeRunning) {
    dialog.ClickCheck(4, true);
    dialog.SaveTarget = true;
    Run();
    EXPECT_EQ(Settings().MknmzFolders, std::vector<std::string>{"4:予定表"});
    EXPECT_EQ(Settings().MknmzTargetFolderCount, "1");
}

TEST_F(IndexUpdateRunTest, RebuildDeletesOnlyTheIndexFiles) {
    files.Files[IndexDir("b001\\NMZ.i")] = "old";
    files.Files[IndexDir("b001\\NMZ.lock2")] = "4242"; // of a run that was killed
    files.Files[IndexDir("b001\\keep.txt")] = "mine";
    files.Files[IndexDir("b004\\NMZ.i")] = "other folder";
    dialog.ClickCheck(1, true);
    Run();
    EXPECT_TRUE(files.FileExists(IndexDir("b001\\NMZ.i"))); // an update keeps the index
    dialog.Rebuild = true;
    Run();
    EXPECT_FALSE(files.FileExists(IndexDir("b001\\NMZ.i")));
    EXPECT_FALSE(files.FileExists(IndexDir("b001\\NMZ.lock2")));
    EXPECT_TRUE(files.FileExists(IndexDir("b001\\keep.txt")));
    EXPECT_TRUE(files.FileExists(IndexDir("b004\\NMZ.i")));
}

TEST_F(IndexUpdateRunTest, TemporaryDirectoryTakesTheIndexButNeverTheFileList) {
    state.Store.Settings.UseTempDirectory = "1";
    system.Temp = "d:\\tmp\\";
    files.Files[IndexDir("b001\\NMZ.i")] = "index";
    files.Files[IndexDir("b001\\filelist.txt")] = "list";
    files.Files["d:\\tmp\\Namazu\\NMZ.stale"] = "stale";
    files.Files["d:\\tmp\\Namazu\\filelist.txt"] = "temp list";
    // mknmz writes into the temporary directory while it runs.
    class Builder : public FakeConsoleRunner {
    public:
        FakeFileSystem* Files;
        std::unique_ptr<RunningProcess> RunConsoleCommand(const std::string& commandLine,
                                                          const std::string& workDir, int mode,
                                                          ConsoleTextView* view) override {
            Seen = Files->Files;
            Files->Files["d:\\tmp\\Namazu\\NMZ.i"] = "new index";
            return FakeConsoleRunner::RunConsoleCommand(commandLine, workDir, mode, view);
        }
        std::map<std::string, std::string> Seen;
    } builder;
    builder.Files = &files;
    IndexServices withBuilder{state.Store, state.Catalogue, state.IndexingRunning,
                              host,        files,           builder,
                              pump,        clock,           system,
                              ui};
    dialog.ClickCheck(1, true);
    IndexUpdateRun(withBuilder, view, kHost).Run(dialog);

    ASSERT_EQ(builder.Calls.size(), 1u);
    EXPECT_NE(builder.Calls[0].CommandLine.find("--output-dir=\"d:\\tmp\\Namazu\""),
              std::string::npos);
    EXPECT_TRUE(files.Directories.count("d:\\tmp\\Namazu"));
    EXPECT_EQ(builder.Seen["d:\\tmp\\Namazu\\NMZ.i"], "index");
    EXPECT_EQ(builder.Seen.count("d:\\tmp\\Namazu\\NMZ.stale"), 0u);
    EXPECT_EQ(builder.Seen["d:\\tmp\\Namazu\\filelist.txt"], "temp list");
    EXPECT_EQ(files.Files[IndexDir("b001\\NMZ.i")], "new index");
    EXPECT_EQ(files.Files[IndexDir("b001\\filelist.txt")], "list");
    EXPECT_FALSE(files.FileExists("d:\\tmp\\Namazu\\NMZ.i")); // moved back
}

TEST_F(IndexUpdateRunTest, ShowSettingsChooseTheRunMode) {
    struct Case {
        const char* ShowWindow;
        const char* InDos;
        const char* Minimize;
        int Mode;
    };
    const Case cases[] = {
        {"0", "1", "1", rmHidden},      {"1", "0", "1", rmCapture}, {"1", "0", "0", rmCapture},
        {"1", "1", "1", rmMinimized},   {"1", "1", "0", rmNormal},  {"", "0", "", rmCapture},
        {"yes", "x", "1", rmMinimized},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ShowWindow << c.InDos << c.Minimize);
        TSettings settings;
        settings.ShowWindow = c.ShowWindow;
        settings.InDosPromptWindow = c.InDos;
        settings.Minimize = c.Minimize;
        EXPECT_EQ(MknmzRunMode(settings), c.Mode);
    }
}

TEST_F(IndexUpdateRunTest, CaptureGoesIntoANewConsoleWindowPerFolder) {
    TSettings& settings = state.Store.Settings;
    settings.ShowWindow = "1";
    settings.Minimize = "1";
    runner.CaptureOutput = "Indexing...\r\n";
    dialog.ClickCheck(1, true);
    dialog.ClickCheck(4, true);
    RunWatching();

    ASSERT_EQ(view.ConsoleWindows.size(), 2u);
    EXPECT_EQ(view.ConsoleWindows[0]->Caption, "「仕事」フォルダのインデックス作成中...終了");
    EXPECT_EQ(view.ConsoleWindows[1]->Caption, "「予定表」フォルダのインデックス作成中...終了");
    EXPECT_TRUE(view.ConsoleWindows[0]->Minimized);
    EXPECT_FALSE(view.ConsoleWindows[0]->Closed); // they stay open after the run
    EXPECT_EQ(view.ConsoleWindows[1]->View.Text, "Indexing...\r\n");
    EXPECT_EQ(runner.Calls[1].TextView, &view.ConsoleWindows[1]->View);
    EXPECT_EQ(runner.Calls[1].Mode, rmCapture);
    EXPECT_TRUE(starts[1].IndexingRunning);
    EXPECT_TRUE(pump.Sleeps.empty());

    RunWatching(); // the next run first closes the windows of this one
    EXPECT_TRUE(view.ConsoleWindows[0]->Closed);
    EXPECT_EQ(view.ConsoleWindowClosings, 2);
}

TEST_F(IndexUpdateRunTest, ConsoleWindowModesWaitInOneSecondStepsWithOnlyCancelEnabled) {
    TSettings& settings = state.Store.Settings;
    settings.ShowWindow = "1";
    settings.InDosPromptWindow = "1";
    bool shownRunning = false;
    bool runningWhileWaiting = false;
    runner.WhileWaiting = [&] {
        shownRunning = view.Running();
        runningWhileWaiting = state.IndexingRunning;
    };
    dialog.ClickCheck(1, true);
    Run();
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].Mode, rmNormal);
    EXPECT_EQ(runner.WaitRhythms, std::vector<unsigned>{1000});
    EXPECT_TRUE(shownRunning);
    EXPECT_TRUE(runningWhileWaiting);
    EXPECT_FALSE(view.Running());
}

TEST_F(IndexUpdateRunTest, FolderThatCannotStartStillCountsAsDone) {
    runner.StartFails = true;
    state.Store.Settings.ShowWindow = "1";
    state.Store.Settings.InDosPromptWindow = "1";
    dialog.ClickCheck(1, true);
    dialog.ClickCheck(4, true);
    EXPECT_TRUE(Run());
    EXPECT_EQ(runner.Calls.size(), 2u);
    EXPECT_TRUE(pump.Sleeps.empty());
    EXPECT_EQ(Settings().NowCountMail, "0");
    EXPECT_EQ(Settings().LastDate, "2001/05/09 21:07");
    EXPECT_FALSE(state.IndexingRunning);
    EXPECT_TRUE(view.Enabled());
}

TEST_F(IndexUpdateRunTest, IndexDirectoryThatCannotBeMadeIsLeftToMknmz) {
    class NoNewDirectories : public FakeFileSystem {
    public:
        bool MakeDirectory(const std::string&) override { return false; }
    } refusing;
    refusing.Files = files.Files;
    IndexServices withRefusing{state.Store, state.Catalogue, state.IndexingRunning,
                               host,        refusing,        runner,
                               pump,        clock,           system,
                               ui};
    dialog.ClickCheck(1, true);
    dialog.ClickCheck(4, true);
    EXPECT_TRUE(IndexUpdateRun(withRefusing, view, kHost).Run(dialog));
    ASSERT_EQ(runner.Calls.size(), 2u);
    EXPECT_NE(runner.Calls[1].CommandLine.find("--output-dir=\"" + IndexDir("b004") + "\""),
              std::string::npos);
    EXPECT_TRUE(ui.Boxes.empty());
    EXPECT_EQ(Settings().NowCountMail, "0");
    EXPECT_TRUE(view.Enabled());
}

// mknmz cuts its output directory at a space, so it gets the short form.
TEST_F(IndexUpdateRunTest, OutputDirectoryWithASpaceGoesInItsShortFormOrNotAtAll) {
    const std::string b001 = "d:\\my idx\\Namazu\\b001";
    const std::string b004 = "d:\\my idx\\Namazu\\b004";
    struct Case {
        const char* name;
        std::map<std::string, std::string> shortNames;
        bool runs;
    };
    const Case cases[] = {
        {"short names",
         {{b001, "D:\\MYIDX~1\\Namazu\\b001"}, {b004, "D:\\MYIDX~1\\Namazu\\b004"}},
         true},
        {"a volume without short names", {{b001, b001}, {b004, b004}}, false},
        {"a path that cannot be looked up", {}, false},
    };
    state.Store.Settings.IndexDir = "d:\\my idx\\";
    state.Catalogue.LoadFolderCatalogue(kHost);
    dialog.SetFolders(state.Catalogue);
    dialog.ClickCheck(1, true);
    dialog.ClickCheck(4, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        runner.Calls.clear();
        ui.Boxes.clear();
        system.ShortNames = c.shortNames;
        EXPECT_TRUE(Run());
        EXPECT_EQ(Settings().NowCountMail, "0");
        EXPECT_TRUE(view.Enabled());
        if (c.runs) {
            ASSERT_EQ(runner.Calls.size(), 2u);
            EXPECT_NE(
                runner.Calls[1].CommandLine.find("--output-dir=\"D:\\MYIDX~1\\Namazu\\b004\""),
                std::string::npos);
            EXPECT_TRUE(ui.Boxes.empty());
            continue;
        }
        EXPECT_TRUE(runner.Calls.empty());
        ASSERT_EQ(ui.Boxes.size(), 1u);
        EXPECT_EQ(ui.Boxes[0].Kind, "error");
        EXPECT_EQ(ui.Boxes[0].Caption, "エラー");
        EXPECT_EQ(ui.Boxes[0].Text,
                  "インデックスディレクトリ d:\\my idx\\Namazu\\b001 は空白を含み、"
                  "短い名前(8.3形式)もないため、インデックスを作成できません。");
    }
}

TEST_F(IndexUpdateRunTest, ConsoleWindowThatCannotOpenRunsHidden) {
    state.Store.Settings.ShowWindow = "1";
    view.ConsoleWindowFails = true;
    dialog.ClickCheck(1, true);
    Run();
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].Mode, rmHidden);
}

TEST_F(IndexUpdateRunTest, MakesEveryMissingParentAndFormatsTheDate) {
    MakeDirectories(files, "d:\\idx\\Namazu\\b002\\b003\\");
    for (const char* dir :
         {"d:\\idx", "d:\\idx\\Namazu", "d:\\idx\\Namazu\\b002", "d:\\idx\\Namazu\\b002\\b003"})
        EXPECT_TRUE(files.Directories.count(dir)) << dir;
    EXPECT_FALSE(files.Directories.count("d:"));
    EXPECT_EQ(LastDateText({2026, 12, 7, 0, 5, 0}), "2026/12/07 00:05");
}

TEST_F(IndexUpdateRunTest, Namazu20IncludesTheDecodingFilterKeptBesideTheIndexes) {
    state.Store.Settings.IndexDir = "d:\\idx\\";
    state.Catalogue.LoadFolderCatalogue(kHost);
    dialog.SetFolders(state.Catalogue);
    dialog.ClickCheck(1, true);
    const std::string filter = "d:\\idx\\Namazu\\tarnwickmail.pl";
    files.ReadOnly.insert(
        "d:\\idx\\Namazu\\b001\\tarnwick.stamp"); // Writes counts the filter alone
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        files.Writes = 0;
        runner.Calls.clear();
        Run();
        EXPECT_EQ(files.Files[filter], MimeMailFilterScript());
        EXPECT_EQ(files.Writes, run == 0 ? 1 : 0); // written only when it differs
        ASSERT_EQ(runner.Calls.size(), 1u);
        EXPECT_NE(runner.Calls[0].CommandLine.find("--include=\"" + filter + "\" --mailnews "),
                  std::string::npos);
    }
    files.Files[filter] = "an older filter";
    Run();
    EXPECT_EQ(files.Files[filter], MimeMailFilterScript());
    EXPECT_TRUE(ui.Boxes.empty());

    // A filter that cannot be written is left out; 1.3 never has one.
    files.ReadOnly.insert(filter);
    files.Files[filter] = "an older filter";
    runner.Calls.clear();
    Run();
    state.Store.Settings.NamazuVersion = "1.3";
    Run();
    ASSERT_EQ(runner.Calls.size(), 2u);
    for (const auto& call : runner.Calls)
        EXPECT_EQ(call.CommandLine.find("--include"), std::string::npos) << call.CommandLine;
}

TEST_F(IndexUpdateRunTest, IndexesBuiltBeforeTheFilterAreToldOfOnce) {
    files.Files[IndexDir("b004\\NMZ.i")] = "built without the filter";
    dialog.ClickCheck(1, true);
    Run();
    EXPECT_TRUE(ui.Boxes.empty()); // 仕事 had no index yet
    files.Files.erase(IndexDir("tarnwickmail.pl"));
    dialog.ClickCheck(4, true);
    dialog.Rebuild = true;
    Run();
    EXPECT_TRUE(ui.Boxes.empty()); // rebuilt with the filter
    files.Files.erase(IndexDir("tarnwickmail.pl"));
    files.Files[IndexDir("b004\\NMZ.i")] = "built without the filter";
    dialog.Rebuild = false;
    Run();
    Run();
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "information");
    EXPECT_NE(ui.Boxes[0].Text.find("「削除して作り直す」"), std::string::npos);
}

TEST_F(IndexUpdateRunTest, Namazu13OptionsUnder20AreOfferedTheRecommendedOnes) {
    dialog.ClickCheck(1, true);
    state.Store.Settings.mknmzOption = "-kh -KP";
    ui.ConfirmAnswer = false;
    Run();
    ui.ConfirmAnswer = true;
    Run();
    ASSERT_EQ(ui.Boxes.size(), 2u);
    EXPECT_EQ(ui.Boxes[0].Kind, "confirm");
    EXPECT_EQ(ui.Boxes[0].Caption, "オプションの確認");
    EXPECT_EQ(ui.Boxes[0].Text.find("mknmz オプション「-kh -KP」の -P は"), 0u);
    ASSERT_EQ(runner.Calls.size(), 2u);
    EXPECT_NE(runner.Calls[0].CommandLine.find(" -kh -KP "), std::string::npos);
    EXPECT_NE(runner.Calls[1].CommandLine.find(std::string(" ") + kRecommendedMknmzOption20 + " "),
              std::string::npos);
    EXPECT_EQ(Settings().mknmzOption, kRecommendedMknmzOption20);

    state.Store.Settings.mknmzOption = "-kh -KP";
    state.Store.Settings.NamazuVersion = "1.3";
    Run();
    EXPECT_EQ(ui.Boxes.size(), 2u);
    EXPECT_EQ(Settings().mknmzOption, "-kh -KP");
}

TEST_F(IndexUpdateRunTest, FailedFoldersAreNamedInOneMessageWithTheirReasons) {
    // A run that was killed left its lock, its temporary files and the lock
    // of the final write; the index before it stays.
    files.Files[IndexDir("b001\\NMZ.lock2")] = "4242\n";
    files.Files[IndexDir("b001\\NMZ.i.tmp")] = "half";
    files.Files[IndexDir("b001\\NMZ.lock")] = "";
    files.Files[IndexDir("b001\\NMZ.i")] = "previous";
    files.Files[IndexDir("tarnwickmail.pl")] = MimeMailFilterScript(); // not news
    // Another update runs, or cannot be told from one.
    system.Processes[77] = ProcessState::Running;
    system.Processes[78] = ProcessState::Unknown;
    files.Files[IndexDir("b002\\b003\\NMZ.lock2")] = "77";
    files.Files[IndexDir("b004\\NMZ.lock2")] = "78";
    files.Files[Account("inbox.box\\1.alm")] = "";
    files.Files[IndexDir("inbox\\NMZ.lock2")] = "no id";
    runner.ExitCodes = {1};
    dialog.SelectAll(true);
    Run();

    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].WorkDir, Account("user001.box\\"));
    for (const char* gone : {"b001\\NMZ.lock2", "b001\\NMZ.i.tmp", "b001\\NMZ.lock"})
        EXPECT_FALSE(files.FileExists(IndexDir(gone))) << gone;
    EXPECT_EQ(files.Files[IndexDir("b001\\NMZ.i")], "previous");
    for (const char* kept : {"b002\\b003\\NMZ.lock2", "b004\\NMZ.lock2", "inbox\\NMZ.lock2"})
        EXPECT_TRUE(files.FileExists(IndexDir(kept))) << kept;
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "warning");
    EXPECT_EQ(ui.Boxes[0].Text,
              "次のフォルダのインデックスを作成できませんでした。\n"
              "\n　「郵便受け」: NMZ.lock2 がありますが、更新中のプロセスを確かめられません"
              "\n　「仕事」: 中断された更新の NMZ.lock2 を削除しましたが、mknmz が終了コード 1 "
              "で終わりました"
              "\n　「旅行」: NMZ.lock2 があり、プロセス 77 がインデックスを更新中です"
              "\n　「予定表」: NMZ.lock2 がありますが、更新中のプロセスを確かめられません");
    EXPECT_NE(view.Statuses.back().find("   更新 0、スキップ 0、失敗 4"), std::string::npos);
}

TEST_F(IndexUpdateRunTest, AFolderIsSkippedUntilSomethingInItIsNewerOrItsCommandChanges) {
    const std::string folder = Account("user001.box");
    const std::string mail = Account("user001.box\\1.alm");
    files.Files[mail] = "mail";
    files.Files[IndexDir("b001\\NMZ.i")] = "index";
    files.Times[folder] = 100;
    files.Times[mail] = 90;
    dialog.ClickCheck(1, true);
    const auto runs = [&] {
        runner.Calls.clear();
        Run();
        return runner.Calls.size();
    };
    EXPECT_EQ(runs(), 1u); // built before there were stamps
    EXPECT_EQ(runs(), 0u);
    EXPECT_NE(view.Statuses.back().find("   更新 0、スキップ 1、失敗 0"), std::string::npos);
    files.Times[mail] = 101; // a mail changed, or arrived while mknmz ran
    EXPECT_EQ(runs(), 1u);
    EXPECT_EQ(runs(), 0u);
    files.Times[folder] = 102; // a mail removed
    runner.ExitCodes = {2};    // and the build failed
    EXPECT_EQ(runs(), 1u);
    EXPECT_EQ(runs(), 1u);
    state.Store.Settings.mknmzOption = "--mailnews -E";
    EXPECT_EQ(runs(), 1u);
    EXPECT_EQ(runs(), 0u);
    dialog.Rebuild = true;
    files.Files[IndexDir("b001\\NMZ.i")] = "index";
    EXPECT_EQ(runs(), 1u);

    // Captured runs name the skipped folder in a console window.
    dialog.Rebuild = false;
    files.Files[IndexDir("b001\\NMZ.i")] = "index";
    state.Store.Settings.ShowWindow = "1";
    runs();
    view.ConsoleWindows.clear();
    EXPECT_EQ(runs(), 0u);
    ASSERT_EQ(view.ConsoleWindows.size(), 1u);
    EXPECT_EQ(
        view.ConsoleWindows[0]->View.Text,
        "「仕事」フォルダ: 前回のインデックス作成から変更がないため、更新しませんでした。\r\n");
}

TEST_F(IndexUpdateRunTest, AStopEndsTheRunKeepsThePreviousIndexAndNamesTheRest) {
    bool stop = false;
    IndexUpdateRun stoppable(services, view, kHost, [&] { return stop; });
    files.Files[IndexDir("b001\\NMZ.i")] = "previous";
    runner.WhileWaiting = [&] {
        files.Files[IndexDir("b001\\NMZ.lock2")] = "4711";
        files.Files[IndexDir("b001\\NMZ.i.tmp")] = "half";
        stop = true;
    };
    dialog.ClickCheck(1, true);
    dialog.ClickCheck(4, true);
    stoppable.Run(dialog);

    EXPECT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(files.Files[IndexDir("b001\\NMZ.i")], "previous");
    EXPECT_FALSE(files.FileExists(IndexDir("b001\\NMZ.lock2")));
    EXPECT_FALSE(files.FileExists(IndexDir("b001\\NMZ.i.tmp")));
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "information");
    EXPECT_EQ(ui.Boxes[0].Text,
              "インデックスの作成を中止しました。次のフォルダは更新されていません。\n"
              "\n　「仕事」\n　「予定表」");
    EXPECT_EQ(Settings().NowCountMail, "17");
    EXPECT_EQ(Settings().LastDate, "???");
    EXPECT_FALSE(state.IndexingRunning);
    EXPECT_FALSE(view.Running());
}

} // namespace
