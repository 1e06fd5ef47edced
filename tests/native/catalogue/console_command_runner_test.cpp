#include "catalogue/console_command_runner.h"

#include "catalogue/console_output.h"
#include "fakes/fake_console_runner.h"
#include "fakes/fake_user_interface.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// What the runner did, in order, across the process and the message pump.
using EventLog = std::vector<std::string>;

// What the captured program does, and what the runner asked of it.
struct CaptureScript {
    struct Round {
        std::string Output;
        bool Open;
    };
    bool PipeFails = false;
    unsigned long StartError = 0;
    std::deque<Round> Rounds;
    std::vector<size_t> Limits;
    std::vector<bool> CapturingWhileReading;
    unsigned long ExitCode = 0;
};

class ScriptedCaptureProcess : public CaptureProcess {
public:
    ScriptedCaptureProcess(CaptureScript& script, EventLog& log, const FakeConsoleTextView& view)
        : script_(script), log_(log), view_(view) {}

    bool CreatePipe() override {
        log_.push_back("pipe");
        return !script_.PipeFails;
    }
    bool Start(const std::string& commandLine, const std::string& workDir,
               unsigned long& errorCode) override {
        log_.push_back("start " + commandLine + " in " + workDir);
        errorCode = script_.StartError;
        return script_.StartError == 0;
    }
    bool ReadAvailable(std::string& output, size_t maxBytes) override {
        log_.push_back("read");
        script_.Limits.push_back(maxBytes);
        script_.CapturingWhileReading.push_back(view_.Capturing);
        const CaptureScript::Round round = script_.Rounds.front();
        script_.Rounds.pop_front();
        output += round.Output;
        return round.Open;
    }
    std::optional<unsigned long> WaitForEnd(unsigned rhythmMs) override {
        log_.push_back("wait " + std::to_string(rhythmMs));
        return script_.ExitCode;
    }
    void Terminate() override { log_.push_back("terminate"); }

private:
    CaptureScript& script_;
    EventLog& log_;
    const FakeConsoleTextView& view_;
};

class LoggingPump : public MessagePump {
public:
    explicit LoggingPump(EventLog& log) : log_(log) {}
    void Sleep(unsigned milliseconds) override {
        log_.push_back("sleep " + std::to_string(milliseconds));
    }
    void ProcessPendingMessages() override { log_.push_back("messages"); }

private:
    EventLog& log_;
};

class RecordingLauncher : public ProcessLauncher {
public:
    RecordingLauncher(CaptureScript& script, EventLog& log, const FakeConsoleTextView& view)
        : script_(script), log_(log), view_(view) {}

    std::vector<int> Shows;
    bool StartFails = false;
    std::vector<unsigned> WaitRhythms;

    std::unique_ptr<RunningProcess> Start(const std::string&, const std::string&,
                                          int show) override {
        Shows.push_back(show);
        if (StartFails)
            return nullptr;
        return std::make_unique<FakeRunningProcess>(WaitRhythms, nullptr);
    }
    std::unique_ptr<CaptureProcess> NewCaptureProcess() override {
        return std::make_unique<ScriptedCaptureProcess>(script_, log_, view_);
    }

private:
    CaptureScript& script_;
    EventLog& log_;
    const FakeConsoleTextView& view_;
};

class ConsoleCommandRunnerTest : public ::testing::Test {
protected:
    ConsoleCommandRunnerTest()
        : launcher(process, log, view), pump(log), runner(launcher, pump, ui) {}

    void Capture() {
        EXPECT_EQ(runner.RunConsoleCommand(kCommand, kWorkDir, rmCapture, &view), nullptr);
    }

    const std::string kCommand = "\"C:\\Perl\\bin\\perl.exe\" \"mknmz\" --help";
    const std::string kWorkDir = "C:\\al\\user001.box\\";
    const std::string kHeader = CaptureHeader(kWorkDir, kCommand);
    EventLog log;
    FakeConsoleTextView view;
    CaptureScript process;
    RecordingLauncher launcher;
    LoggingPump pump;
    FakeUserInterface ui;
    ConsoleCommandRunner runner;
};

TEST_F(ConsoleCommandRunnerTest, CapturesInRoundsOfSleepReadAndMessages) {
    process.Rounds = {{"a\nb", true}, {"", true}, {"c\n", false}};

    Capture();

    const EventLog expected = {"pipe",      "start " + kCommand + " in " + kWorkDir,
                               "sleep 100", "read",
                               "messages",  "sleep 100",
                               "read",      "messages",
                               "sleep 100", "read",
                               "wait 100"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(view.Text, kHeader + "a\r\n" + "bc\r\n");
    EXPECT_EQ(process.CapturingWhileReading, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(view.Capturing);
    EXPECT_EQ(process.Limits, std::vector<size_t>(3, ConsoleCommandRunner::kLargestRound));
    EXPECT_TRUE(ui.Boxes.empty());
}

// A program that fills a round would otherwise wait a whole rhythm for
// every round of its output.
TEST_F(ConsoleCommandRunnerTest, AFullRoundIsFollowedWithoutThePause) {
    const std::string full = std::string(ConsoleCommandRunner::kLargestRound - 1, 'x') + "\n";
    process.Rounds = {{full, true}, {"b\n", true}, {"", false}};

    Capture();

    const EventLog expected = {"pipe",      "start " + kCommand + " in " + kWorkDir,
                               "sleep 100", "read",
                               "messages",  "read",
                               "messages",  "sleep 100",
                               "read",      "wait 100"};
    EXPECT_EQ(log, expected);
}

TEST_F(ConsoleCommandRunnerTest, ScrollsToEachBlockAndShowsTheRestAtTheEnd) {
    process.Rounds = {{"one  \n", true}, {"two", false}};

    Capture();

    EXPECT_EQ(view.Text, kHeader + "one\r\n" + "two\r\n");
    const size_t afterOne = (kHeader + "one\r\n").size();
    EXPECT_EQ(view.ShownEnds, (std::vector<size_t>{afterOne, view.Text.size()}));
    EXPECT_EQ(view.Refreshes, 3); // header, one, two
}

TEST_F(ConsoleCommandRunnerTest, SeparatesANewRunFromTextAlreadyInTheView) {
    view.Text = "earlier\r\n";
    process.Rounds = {{"", false}};

    Capture();

    EXPECT_EQ(view.Text, "earlier\r\n\r\n\r\n" + kHeader);
}

TEST_F(ConsoleCommandRunnerTest, ReportsAPipeThatCannotBeCreated) {
    process.PipeFails = true;

    Capture();

    EXPECT_EQ(log, EventLog{"pipe"});
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "message");
    EXPECT_EQ(ui.Boxes[0].Text, PipeFailureMessage());
    EXPECT_EQ(view.Text, kHeader);
    EXPECT_FALSE(view.Capturing);
}

TEST_F(ConsoleCommandRunnerTest, ReportsAProgramThatCannotStart) {
    process.StartError = 3;

    Capture();

    EXPECT_EQ(log.size(), 2u); // pipe, start: no read and no wait
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "message");
    EXPECT_EQ(ui.Boxes[0].Text, CaptureStartFailureMessage(kCommand, 3));
    EXPECT_FALSE(view.Capturing);
}

TEST_F(ConsoleCommandRunnerTest, StartsTheOtherModesWithTheirShowValues) {
    const std::vector<std::pair<int, int>> cases = {
        {rmHidden, wsHide}, {rmNormal, wsNormal}, {rmMinimized, wsMinimizedNoActivate}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        launcher.Shows.clear();

        std::unique_ptr<RunningProcess> running =
            runner.RunConsoleCommand(kCommand, kWorkDir, c.first, nullptr);

        EXPECT_NE(running, nullptr);
        EXPECT_EQ(launcher.Shows, std::vector<int>{c.second});
    }
    EXPECT_TRUE(ui.Boxes.empty());
    EXPECT_TRUE(log.empty());
}

TEST_F(ConsoleCommandRunnerTest, ReportsAFailedStartInTheOtherModes) {
    launcher.StartFails = true;

    EXPECT_EQ(runner.RunConsoleCommand(kCommand, kWorkDir, rmHidden, nullptr), nullptr);

    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Kind, "message");
    EXPECT_EQ(ui.Boxes[0].Text, StartFailureMessage(kWorkDir, kCommand));
}

TEST_F(ConsoleCommandRunnerTest, DoesNothingForAnUnknownModeOrACaptureWithoutView) {
    for (int mode : {-1, 4, 7}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(runner.RunConsoleCommand(kCommand, kWorkDir, mode, &view), nullptr);
    }
    EXPECT_EQ(runner.RunConsoleCommand(kCommand, kWorkDir, rmCapture, nullptr), nullptr);

    EXPECT_TRUE(launcher.Shows.empty());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(view.Text, "");
    EXPECT_TRUE(ui.Boxes.empty());
}

TEST_F(ConsoleCommandRunnerTest, ACaptureRunToTheEndGivesTheExitCodeOrIsStopped) {
    process.Rounds = {{"a\n", true}, {"", false}};
    process.ExitCode = 3;
    ProgramEnd end = runner.RunToEnd(kCommand, kWorkDir, rmCapture, &view, 1000, nullptr);
    EXPECT_TRUE(end.Started);
    EXPECT_FALSE(end.Stopped);
    EXPECT_EQ(end.ExitCode, std::optional<unsigned long>(3));

    // Asked after the messages of each round: the second round never comes.
    log.clear();
    process.Rounds = {{"b\n", true}, {"c\n", true}};
    end = runner.RunToEnd(kCommand, kWorkDir, rmCapture, &view, 1000, [] { return true; });
    EXPECT_TRUE(end.Stopped);
    EXPECT_EQ(end.ExitCode, std::nullopt);
    EXPECT_EQ(log, (EventLog{"pipe", "start " + kCommand + " in " + kWorkDir, "sleep 100", "read",
                             "messages", "terminate", "wait 100"}));
    EXPECT_FALSE(view.Capturing);
}

} // namespace
