// The Namazu bridge under Wine: perl.exe runs the real mknmz, namazu.exe the
// real namazu, started the way the plug-in starts them.
#include "indexer/mknmz_command_line.h"
#include "sample_account.h"
#include "text/win32/text_encoding.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct Finished {
    DWORD exitCode;
    std::string output;
};

// Starts a console program with its output on a pipe, as the plug-in's
// capture mode does, and waits for it.
Finished RunCaptured(const std::string& commandLine, const std::string& workDir) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inheritable, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::wstring line = WideFromShiftJis(commandLine);
    Finished finished = {~0u, ""};
    const BOOL started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       WideFromShiftJis(workDir).c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return finished;
    }
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        finished.output.append(buffer, count);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &finished.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(readEnd);
    return finished;
}

std::vector<std::string> BridgeTemporaryFiles() {
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    WIN32_FIND_DATAW found;
    std::vector<std::string> names;
    HANDLE search = FindFirstFileW((std::wstring(directory) + L"nmz*").c_str(), &found);
    while (search != INVALID_HANDLE_VALUE) {
        names.push_back(ShiftJisFromWide(found.cFileName));
        if (!FindNextFileW(search, &found)) {
            FindClose(search);
            search = INVALID_HANDLE_VALUE;
        }
    }
    return names;
}

// One sample account, generated once for the suite.
class NamazuBridgeTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        account_ = new SampleAccount;
        generated_ = account_->Generate("TarnwickBridge", 1, 4);
    }

    static void TearDownTestSuite() {
        account_->Remove();
        delete account_;
    }

    void SetUp() override { ASSERT_TRUE(generated_) << "sample account not generated"; }

    static std::string Bridge(const std::string& program) {
        return "\"" + TestProgramDirectory() + program + "\"";
    }

    static std::string WorkDir() { return account_->Directory() + "Namazu"; }

    static Finished IndexFirstFolder() {
        CreateDirectoryW(WideFromShiftJis(WorkDir()).c_str(), nullptr);
        CreateDirectoryW(WideFromShiftJis(WorkDir() + "\\b001").c_str(), nullptr);
        const std::string command = Bridge("perl.exe") +
                                    " \"Z:\\usr\\bin\\mknmz\" --mailnews --allow=\".*\\.alm\" "
                                    "--output-dir=\"" +
                                    WorkDir() + "\\b001\" --replace=\"" +
                                    AccountReplaceCode(account_->Directory()) + "\" .";
        return RunCaptured(command, Lower(account_->Directory() + "user001.box\\"));
    }

    static SampleAccount* account_;
    static bool generated_;
};

SampleAccount* NamazuBridgeTest::account_ = nullptr;
bool NamazuBridgeTest::generated_ = false;

TEST_F(NamazuBridgeTest, IndexesAFolderAndSearchesItInJapanese) {
    const std::vector<std::string> temporaryBefore = BridgeTemporaryFiles();

    const Finished indexing = IndexFirstFolder();
    EXPECT_EQ(0u, indexing.exitCode) << indexing.output;
    EXPECT_NE(std::string::npos, indexing.output.find("account/user001.box/1.alm"))
        << indexing.output;
    EXPECT_TRUE(FileExists(WorkDir() + "\\b001\\NMZ.i"));

    WriteBytes(WorkDir() + "\\namazurc", "INDEX        " + WorkDir() +
                                             "\r\nLang        ja_JP.SJIS\r\n"
                                             "REPLACE        account/        /Z|" +
                                             account_->WithSlashes().substr(2) + "\r\n");
    const Finished search =
        RunCaptured(Bridge("namazu.exe") + " --sort=score --max=\"20\" --output=\"result.txt\"  "
                                           "\"予算\" +b001",
                    WorkDir() + "\\");
    EXPECT_EQ(0u, search.exitCode) << search.output;

    const std::string result = ReadBytes(WorkDir() + "\\result.txt");
    EXPECT_EQ(0u, result.find("検索結果\n")) << result;
    EXPECT_NE(std::string::npos, result.find("参考ヒット数:  [ 予算: ")) << result;
    EXPECT_NE(std::string::npos, result.find("\n1. ")) << result;
    EXPECT_NE(std::string::npos,
              result.find("\n/Z|" + account_->WithSlashes().substr(2) + "user001.box/1.alm ("))
        << result;
    EXPECT_EQ(temporaryBefore, BridgeTemporaryFiles());
}

TEST_F(NamazuBridgeTest, PassesExitCodesAndErrorOutputThrough) {
    const Finished perl = RunCaptured(
        Bridge("perl.exe") + " -e \"print STDERR qq(oops\\n); exit 7\"", account_->Directory());
    EXPECT_EQ(7u, perl.exitCode);
    EXPECT_EQ("oops\n", perl.output);

    const Finished namazu =
        RunCaptured(Bridge("namazu.exe") + " --no-such-option", account_->Directory());
    EXPECT_NE(0u, namazu.exitCode);
    EXPECT_NE(std::string::npos, namazu.output.find("no-such-option")) << namazu.output;
}

} // namespace
