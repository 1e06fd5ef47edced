// The console command runner with real child programs and a real console
// output window.
#include "catalogue/console_command_runner.h"
#include "catalogue/console_output.h"
#include "catalogue/win32/win32_process_launcher.h"
#include "platform/win32/console_window.h"
#include "platform/win32/control_names.h"
#include "platform/win32/win32_message_pump.h"
#include "recording_user_interface.h"
#include "sample_account.h"
#include "text/win32/text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string ProgramDirectory() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    return ShiftJisFromWide(directory.substr(0, directory.rfind(L'\\') + 1));
}

std::string ChildCommand(const std::string& arguments) {
    return "\"" + ProgramDirectory() + "test_child.exe\" " + arguments;
}

// Runs while a capture is under way: a thread timer fires from the runner's
// message processing.
std::function<void()> duringCapture;

void CALLBACK RunDuringCapture(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    duringCapture();
}

void CALLBACK RunEachTime(HWND, UINT, UINT_PTR, DWORD) {
    duringCapture();
}

class ConsoleRunnerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.Create()); }

    std::unique_ptr<RunningProcess> Run(const std::string& command, int mode) {
        return runner.RunConsoleCommand(command, workDir, mode, &window.edt());
    }

    // The view's text with every line break as one LF.
    std::string ViewText() {
        HWND edit = FindNamedControl(window.Handle(), "edt");
        const int length = GetWindowTextLengthW(edit);
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        wide.resize(static_cast<size_t>(GetWindowTextW(edit, &wide[0], length + 1)));
        std::string text;
        for (size_t i = 0; i < wide.size(); ++i) {
            if (wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n')
                continue;
            text += ShiftJisFromWide(std::wstring(1, wide[i] == L'\r' ? L'\n' : wide[i]));
        }
        return text;
    }

    std::string Header(const std::string& command) {
        return "WorkDir: " + workDir + "\nCommandLine: \n" + command + "\n\n";
    }

    void AtMilliseconds(unsigned delay, std::function<void()> action) {
        duringCapture = std::move(action);
        SetTimer(nullptr, 0, delay, RunDuringCapture);
    }
    UINT_PTR EveryMilliseconds(unsigned period, std::function<void()> action) {
        duringCapture = std::move(action);
        return SetTimer(nullptr, 0, period, RunEachTime);
    }

    std::string workDir = ProgramDirectory();
    TfrmWindow window;
    Win32ProcessLauncher launcher;
    Win32MessagePump pump;
    RecordingUserInterface ui;
    ConsoleCommandRunner runner{launcher, pump, ui};
};

TEST_F(ConsoleRunnerTest, ShowsEachLineOfABurstWithoutTrailingBlanks) {
    const std::string command = ChildCommand("write \"a\\nb \\x09 \\n\" exit 3");

    EXPECT_EQ(Run(command, rmCapture), nullptr);

    EXPECT_EQ(ViewText(), Header(command) + "a\nb\n");
    EXPECT_FALSE(window.edt().IsCapturing());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ConsoleRunnerTest, ShowsTextAfterTheLastLineFeedOnlyWhenTheProgramEnds) {
    const std::string command = ChildCommand("write \"one\\ntw\" sleep 2500 write o");
    std::string seenWhileRunning;
    bool capturingWhileRunning = false;
    AtMilliseconds(1200, [&] {
        seenWhileRunning = ViewText();
        capturingWhileRunning = window.edt().IsCapturing();
    });

    Run(command, rmCapture);

    EXPECT_EQ(seenWhileRunning, Header(command) + "one\n");
    EXPECT_TRUE(capturingWhileRunning);
    EXPECT_EQ(ViewText(), Header(command) + "one\ntwo\n");
}

TEST_F(ConsoleRunnerTest, StaysResponsiveWhileAProgramWritesNothing) {
    const std::string command = ChildCommand("sleep 1500");
    bool handledWhileRunning = false;
    bool capturingWhileRunning = false;
    AtMilliseconds(500, [&] {
        handledWhileRunning = true;
        capturingWhileRunning = window.edt().IsCapturing();
    });

    EXPECT_EQ(Run(command, rmCapture), nullptr);

    EXPECT_TRUE(handledWhileRunning);
    EXPECT_TRUE(capturingWhileRunning);
    EXPECT_EQ(ViewText(), Header(command));
    EXPECT_FALSE(window.edt().IsCapturing());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ConsoleRunnerTest, StaysResponsiveWhileAProgramRunsOnAfterClosingItsOutput) {
    HANDLE closed = CreateEventW(nullptr, TRUE, FALSE, L"tarnwick-child-closed");
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"tarnwick-child-release");
    // Reading stops when the output closes; the program then runs on until a
    // message handled after that releases it.
    int ticksAfterClose = 0;
    const UINT_PTR timer = EveryMilliseconds(50, [&] {
        if (WaitForSingleObject(closed, 0) == WAIT_OBJECT_0 && ++ticksAfterClose == 2)
            SetEvent(release);
    });
    const DWORD start = GetTickCount();

    Run(ChildCommand("close tarnwick-child-closed await tarnwick-child-release"), rmCapture);

    KillTimer(nullptr, timer);
    EXPECT_EQ(WaitForSingleObject(release, 0), WAIT_OBJECT_0);
    EXPECT_LT(GetTickCount() - start, 10000u);
    CloseHandle(closed);
    CloseHandle(release);
}

TEST_F(ConsoleRunnerTest, JoinsADoubleByteCharacterSplitBetweenReads) {
    // "あい" (82 A0 82 A2) written as 82 | A0 82 | A2 LF, reads apart.
    const std::string command =
        ChildCommand("write \\x82 sleep 400 write \\xa0\\x82 sleep 400 write \\xa2\\n");

    Run(command, rmCapture);

    EXPECT_EQ(ViewText(), Header(command) + "あい\n");
}

TEST_F(ConsoleRunnerTest, SeparatesASecondCaptureByTwoEmptyLines) {
    const std::string first = ChildCommand("write \"first\\n\"");
    const std::string second = ChildCommand("write \"second\\n\"");

    Run(first, rmCapture);
    Run(second, rmCapture);

    EXPECT_EQ(ViewText(), Header(first) + "first\n" + "\n\n" + Header(second) + "second\n");
}

TEST_F(ConsoleRunnerTest, ReportsAProgramThatCannotStartInCaptureMode) {
    const std::string command = "\"" + workDir + "missing.exe\" --help";

    EXPECT_EQ(Run(command, rmCapture), nullptr);

    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0], "コマンドの実行に失敗しました。\n" + command + "\nエラーコード： 2");
    EXPECT_EQ(ViewText(), Header(command));
    EXPECT_FALSE(window.edt().IsCapturing());
}

TEST_F(ConsoleRunnerTest, ReportsAProgramThatCannotStartInTheOtherModes) {
    const std::string command = "\"" + workDir + "missing.exe\" --help";
    for (int mode : {rmHidden, rmNormal, rmMinimized}) {
        SCOPED_TRACE(mode);
        ui.Messages.clear();

        EXPECT_EQ(runner.RunConsoleCommand(command, workDir, mode, nullptr), nullptr);

        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0], "起動に失敗しました。\n\n作業ディレクトリ: " + workDir +
                                      "\nコマンド: " + command);
    }
}

// A new directory below root whose path, with its final backslash, has
// exactly length characters.
std::string DirectoryOfLength(std::string path, size_t length, char letter) {
    while (path.size() < length) {
        const size_t rest = length - path.size();
        path += std::string(rest > 101 ? 50 : rest - 1, letter) + "\\";
        CreateDirectoryW(WideFromShiftJis(path).c_str(), nullptr);
    }
    return path;
}

// Windows takes no current directory of MAX_PATH characters or more; the
// program must not start somewhere else instead.
TEST_F(ConsoleRunnerTest, RefusesAWorkingDirectoryTooLongToBeTheCurrentOne) {
    const std::string stem = NewTmpDirectory("TarnwickLongDir");
    const std::string root = WindowsFormOf(stem) + "\\";
    const std::string longest = DirectoryOfLength(root, MAX_PATH - 1, 'a');
    const std::string tooLong = DirectoryOfLength(root, MAX_PATH, 'b');
    const std::string command = ChildCommand("sleep 10");

    EXPECT_NE(runner.RunConsoleCommand(command, longest, rmHidden, nullptr), nullptr);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(runner.RunConsoleCommand(command, tooLong, rmHidden, nullptr), nullptr);
    workDir = tooLong;
    EXPECT_EQ(Run(command, rmCapture), nullptr);

    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0],
              "起動に失敗しました。\n\n作業ディレクトリ: " + tooLong + "\nコマンド: " + command);
    EXPECT_EQ(ui.Messages[1],
              "コマンドの実行に失敗しました。\n" + command + "\nエラーコード： 206");
    RunLinuxShell("rm -rf '" + stem + "'", stem + "-gone");
}

TEST_F(ConsoleRunnerTest, HandsBackTheRunningProcessInTheOtherModes) {
    for (int mode : {rmHidden, rmNormal, rmMinimized}) {
        SCOPED_TRACE(mode);
        std::unique_ptr<RunningProcess> process =
            runner.RunConsoleCommand(ChildCommand("sleep 300"), workDir, mode, nullptr);

        ASSERT_NE(process, nullptr);
        const DWORD start = GetTickCount();
        process->WaitForEndOrStop(100, nullptr);
        EXPECT_GE(GetTickCount() - start, 250u);
    }
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ConsoleRunnerTest, IgnoresAnUnknownMode) {
    EXPECT_EQ(runner.RunConsoleCommand(ChildCommand("write x\\n"), workDir, 4, &window.edt()),
              nullptr);

    EXPECT_EQ(ViewText(), "");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ConsoleRunnerTest, KeepsUpWithAProgramThatWritesFast) {
    // 3,000 lines of 60 bytes; a 255-byte read every 100 ms would take 70 s.
    const std::string command = ChildCommand("flood 180000 60");
    const DWORD start = GetTickCount();

    Run(command, rmCapture);

    EXPECT_LT(GetTickCount() - start, 20000u);
    const std::string line(59, 'x');
    std::string expected = Header(command);
    for (int i = 0; i < 3000; ++i)
        expected += line + "\n";
    EXPECT_EQ(ViewText(), expected);
}

TEST_F(ConsoleRunnerTest, SurvivesAProgramThatNeverEndsALine) {
    const std::string command = ChildCommand("flood 50000000 0");

    Run(command, rmCapture);

    const std::string kept(ConsoleOutputSplitter::kLongestPendingLine, 'x');
    EXPECT_EQ(ViewText(), Header(command) + kept + "\n");
    EXPECT_FALSE(window.edt().IsCapturing());
}

class ConsoleWindowTest : public ConsoleRunnerTest {};

TEST_F(ConsoleWindowTest, IsAnUnownedWindowWithAMinimiseBoxAndAFixedPitchView) {
    EXPECT_EQ(window.Caption(), "DOS画面");
    EXPECT_EQ(GetWindow(window.Handle(), GW_OWNER), nullptr);
    const LONG_PTR style = GetWindowLongPtrW(window.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    HWND edit = FindNamedControl(window.Handle(), "edt");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY);
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.bPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(ShiftJisFromWide(format.szFaceName), "ＭＳ ゴシック");

    window.SetCaption("「受信箱」フォルダのインデックス作成中...終了");
    EXPECT_EQ(window.Caption(), "「受信箱」フォルダのインデックス作成中...終了");
}

TEST_F(ConsoleWindowTest, RefusesToCloseWhileACaptureRunsIntoIt) {
    window.Show(false);
    bool openAfterClose = false;
    AtMilliseconds(300, [&] {
        SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
        openAfterClose = window.Handle() != nullptr;
    });

    Run(ChildCommand("sleep 1000 write done\\n"), rmCapture);

    EXPECT_TRUE(openAfterClose);
    ASSERT_NE(window.Handle(), nullptr);
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Handle(), nullptr);
}

} // namespace
