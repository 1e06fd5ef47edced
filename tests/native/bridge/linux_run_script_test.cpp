#include "bridge/linux_run_script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// Runs a script through the real /bin/sh in a fresh directory.
class LinuxRunScriptTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/bridge_script_XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir_ = pattern;
        files_ = {dir_ + "/out", dir_ + "/code", ""};
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    void Run(const LinuxCommand& command) {
        std::ofstream(dir_ + "/run.sh", std::ios::binary) << BuildLinuxRunScript(command, files_);
        ASSERT_EQ(0, std::system(("/bin/sh '" + dir_ + "/run.sh'").c_str()));
    }

    LinuxCommand ShellCommand(const std::string& code, std::vector<std::string> arguments = {}) {
        LinuxCommand command{dir_, "C", "sh", {"-c", code, "sh"}, "", {}};
        command.arguments.insert(command.arguments.end(), arguments.begin(), arguments.end());
        return command;
    }

    std::string dir_;
    LinuxRunFiles files_;
};

TEST_F(LinuxRunScriptTest, PassesArgumentsByteForByte) {
    const std::string awkward = "it's \"表\" $HOME `x` \\ *";
    Run(ShellCommand("printf '%s|' \"$@\"", {awkward, "", "予定表"}));
    EXPECT_EQ(awkward + "||予定表|", ReadAll(files_.output));
}

TEST_F(LinuxRunScriptTest, RunsInTheDirectoryWithTheLocaleAndNoInput) {
    Run(ShellCommand("pwd; echo \"$LANG $LC_ALL\"; cat"));
    EXPECT_EQ(dir_ + "\nC C\n", ReadAll(files_.output));
}

TEST_F(LinuxRunScriptTest, MergesErrorsAndKeepsTheExitCode) {
    Run(ShellCommand("echo out; echo err >&2; exit 3"));
    EXPECT_EQ("out\nerr\n", ReadAll(files_.output));
    EXPECT_EQ("3\n", ReadAll(files_.exitCode));
    EXPECT_FALSE(Exists(files_.exitCode + ".part"));
}

TEST_F(LinuxRunScriptTest, SendsOutputThroughTheFilter) {
    LinuxCommand command = ShellCommand("echo mixed Case; exit 5");
    command.outputFilter = "tr a-z A-Z";
    Run(command);
    EXPECT_EQ("MIXED CASE\n", ReadAll(files_.output));
    EXPECT_EQ("5\n", ReadAll(files_.exitCode));
}

TEST_F(LinuxRunScriptTest, LinksExistOnlyWhileTheCommandRuns) {
    std::system(("mkdir '" + dir_ + "/予定表' && touch '" + dir_ + "/予定表/NMZ.i'").c_str());
    LinuxCommand command = ShellCommand("ls index0/");
    command.links = {{dir_ + "/予定表", dir_ + "/index0"}};
    Run(command);
    EXPECT_EQ("NMZ.i\n", ReadAll(files_.output));
    EXPECT_FALSE(Exists(dir_ + "/index0"));
    EXPECT_TRUE(Exists(dir_ + "/予定表/NMZ.i"));
}

TEST_F(LinuxRunScriptTest, AMissingDirectoryStillEndsWithAnExitCode) {
    LinuxCommand command = ShellCommand("echo ran");
    command.workDir = dir_ + "/missing";
    Run(command);
    EXPECT_NE(std::string::npos, ReadAll(files_.output).find("missing"));
    EXPECT_NE("0\n", ReadAll(files_.exitCode));
}

TEST_F(LinuxRunScriptTest, AMissingProgramGivesShellsNotFoundCode) {
    LinuxCommand command = ShellCommand("");
    command.program = "no-such-program-anywhere";
    command.arguments.clear();
    Run(command);
    EXPECT_EQ("127\n", ReadAll(files_.exitCode));
}

TEST_F(LinuxRunScriptTest, ALostLifelineKillsTheCommandAndLeavesNoExitCode) {
    files_.lifeline = dir_ + "/alive";
    std::ofstream(files_.lifeline) << "";
    Run(ShellCommand("echo started"));
    EXPECT_EQ("started\n", ReadAll(files_.output));
    EXPECT_EQ("0\n", ReadAll(files_.exitCode));

    std::remove(files_.exitCode.c_str());
    std::ofstream(dir_ + "/run.sh", std::ios::binary)
        << BuildLinuxRunScript(ShellCommand("echo started; sleep 30; echo finished"), files_);
    // The lifeline goes while the command sleeps; waiting for the script
    // takes the 30 s only if the kill fails.
    ASSERT_EQ(0, std::system(("(sleep 1; rm '" + files_.lifeline + "') & /bin/sh '" + dir_ +
                              "/run.sh' 2>/dev/null; wait")
                                 .c_str()));
    EXPECT_EQ("started\n", ReadAll(files_.output));
    EXPECT_FALSE(Exists(files_.exitCode));
}

} // namespace
