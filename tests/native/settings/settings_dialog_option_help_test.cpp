#include "settings/option_help.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Holds what the runner appended; capturing while a capture runs into it.
class RecordingView : public ConsoleTextView {
public:
    std::string Text;
    bool Capturing = false;

    bool HoldsText() override { return !Text.empty(); }
    void AppendText(const std::string& text) override { Text += text; }
    void ShowEnd() override {}
    void Refresh() override {}
    bool IsCapturing() const override { return Capturing; }
    void SetCapturing(bool capturing) override { Capturing = capturing; }
};

// A capture writes the command line into the view; programs named in
// Missing do not start and leave the view idle, as the real runner does.
class RecordingRunner : public ConsoleRunner {
public:
    struct Run {
        std::string CommandLine;
        std::string WorkDir;
        int Mode;
        ConsoleTextView* View;
    };
    std::vector<Run> Runs;
    std::vector<std::string> Missing;

    std::unique_ptr<RunningProcess> RunConsoleCommand(const std::string& commandLine,
                                                      const std::string& workDir, int mode,
                                                      ConsoleTextView* view) override {
        Runs.push_back({commandLine, workDir, mode, view});
        view->SetCapturing(true);
        for (const std::string& missing : Missing) {
            if (commandLine.find(missing) != std::string::npos) {
                view->SetCapturing(false);
                return nullptr;
            }
        }
        view->AppendText(commandLine + "\r\n");
        return nullptr;
    }
    ProgramEnd RunToEnd(const std::string&, const std::string&, int, ConsoleTextView*, unsigned,
                        const StopRequest&) override {
        ADD_FAILURE() << "the option help waits for no end";
        return {};
    }
};

TEST(DirectoryPart, KeepsARootAndSkipsTrailBytesThatLookLikeSeparators) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"c:\\usr\\local\\namazu\\bin\\mknmz", "c:\\usr\\local\\namazu\\bin"},
        {"c:\\mknmz", "c:\\"},
        {"c:mknmz", "c:"},
        {"\\mknmz", "\\"},
        {"\\\\server\\share\\mknmz", "\\\\server\\share"},
        {"\\\\mknmz", "\\\\"},
        {"mknmz", ""},
        {"", ""},
        {"c:\\bin\\", "c:\\bin"},
        {"c:\\予定表\\mknmz", "c:\\予定表"}, // 表 ends in 0x5C
        {"c:\\ソフト", "c:\\"},              // ソ ends in 0x5C
        {"d:\\表\\", "d:\\表"},
        {"表\\x", "表"},
    };
    for (const auto& [path, directory] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(DirectoryPart(path), directory);
    }
}

TEST(OptionHelpCommands, QuotePathsAndAskForTheVersionsHelp) {
    const std::vector<ConsoleCommand> current =
        OptionHelpCommands("c:\\Perl\\bin\\perl.exe", "c:\\namazu\\bin\\mknmz",
                           "d:\\nmz\\namazu.exe", SettingsDialogState::Namazu20);
    ASSERT_EQ(current.size(), 2u);
    EXPECT_EQ(current[0].CommandLine,
              "\"c:\\Perl\\bin\\perl.exe\" \"c:\\namazu\\bin\\mknmz\" --help");
    EXPECT_EQ(current[0].WorkDir, "c:\\namazu\\bin");
    EXPECT_EQ(current[1].CommandLine, "\"d:\\nmz\\namazu.exe\" --help");
    EXPECT_EQ(current[1].WorkDir, "d:\\nmz");

    const std::vector<ConsoleCommand> old = OptionHelpCommands(
        "perl.exe", "c:\\表\\mknmz", "namazu.exe", SettingsDialogState::Namazu13);
    ASSERT_EQ(old.size(), 2u);
    EXPECT_EQ(old[0].CommandLine, "\"perl.exe\" \"c:\\表\\mknmz\" -v");
    EXPECT_EQ(old[0].WorkDir, "c:\\表");
    EXPECT_EQ(old[1].CommandLine, "\"namazu.exe\" -v");
    EXPECT_EQ(old[1].WorkDir, "");
}

TEST(RunOptionHelp, CapturesBothProgramsIntoOneViewAndMarksItFinished) {
    RecordingRunner runner;
    RecordingView view;
    const std::vector<ConsoleCommand> commands = {{"\"perl\" \"mknmz\" --help", "c:\\bin"},
                                                  {"\"namazu\" --help", "d:\\"}};
    RunOptionHelp(runner, view, commands);

    ASSERT_EQ(runner.Runs.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(runner.Runs[i].CommandLine, commands[i].CommandLine);
        EXPECT_EQ(runner.Runs[i].WorkDir, commands[i].WorkDir);
        EXPECT_EQ(runner.Runs[i].Mode, rmCapture);
        EXPECT_EQ(runner.Runs[i].View, &view);
    }
    EXPECT_EQ(view.Text, "\"perl\" \"mknmz\" --help\r\n\"namazu\" --help\r\n");
    EXPECT_FALSE(view.Capturing);
}

TEST(RunOptionHelp, RunsNamazuWhenMknmzCannotStart) {
    RecordingRunner runner;
    runner.Missing = {"mknmz"};
    RecordingView view;
    RunOptionHelp(runner, view,
                  OptionHelpCommands("c:\\none\\perl.exe", "c:\\none\\mknmz", "c:\\nmz\\namazu.exe",
                                     SettingsDialogState::Namazu20));

    ASSERT_EQ(runner.Runs.size(), 2u);
    EXPECT_EQ(view.Text, "\"c:\\nmz\\namazu.exe\" --help\r\n");
    EXPECT_FALSE(view.Capturing);
}

} // namespace
