// The console runner drives the real Namazu through the bridge the way the
// index update and the search do: mknmz captured into a console output
// window, then namazu.exe hidden and waited on.
#include "catalogue/console_command_runner.h"
#include "catalogue/win32/win32_process_launcher.h"
#include "indexer/mknmz_command_line.h"
#include "platform/win32/console_window.h"
#include "platform/win32/control_names.h"
#include "platform/win32/win32_message_pump.h"
#include "recording_user_interface.h"
#include "sample_account.h"
#include "text/win32/text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string ViewText(HWND window) {
    HWND edit = FindNamedControl(window, "edt");
    const int length = GetWindowTextLengthW(edit);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    wide.resize(static_cast<size_t>(GetWindowTextW(edit, &wide[0], length + 1)));
    return ShiftJisFromWide(wide);
}

class NamazuCaptureTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(account.Generate("TarnwickCapture", 1, 6)) << "sample account not generated";
        ASSERT_TRUE(window.Create());
    }
    void TearDown() override { account.Remove(); }

    std::string Bridge(const char* program) {
        return "\"" + TestProgramDirectory() + program + "\"";
    }

    SampleAccount account;
    TfrmWindow window;
    Win32ProcessLauncher launcher;
    Win32MessagePump pump;
    RecordingUserInterface ui;
    ConsoleCommandRunner runner{launcher, pump, ui};
};

TEST_F(NamazuCaptureTest, IndexesAFolderInCaptureModeAndFindsAJapaneseWord) {
    const std::string folder = Lower(account.Directory() + "user001.box\\");
    const std::string work = account.Directory() + "Namazu\\";
    const std::string indexDir = work + "b001";
    CreateDirectoryW(WideFromShiftJis(work).c_str(), nullptr);
    CreateDirectoryW(WideFromShiftJis(indexDir).c_str(), nullptr);

    const std::string mknmz = Bridge("perl.exe") +
                              " \"Z:\\usr\\bin\\mknmz\" --use-kakasi --mailnews -EHK "
                              "--allow=\".*\\.alm\" --output-dir=\"" +
                              indexDir + "\" --replace=\"" +
                              AccountReplaceCode(account.Directory()) + "\" .";
    EXPECT_EQ(runner.RunConsoleCommand(mknmz, folder, rmCapture, &window.edt()), nullptr);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_FALSE(window.edt().IsCapturing());
    const std::string shown = ViewText(window.Handle());
    EXPECT_EQ(shown.find("WorkDir: " + folder), 0u) << shown;
    EXPECT_NE(shown.find("account/user001.box/1.alm"), std::string::npos) << shown;
    EXPECT_TRUE(FileExists(indexDir + "\\NMZ.i"));

    WriteBytes(work + "namazurc", "INDEX        " + work +
                                      "\r\nLang        ja_JP.SJIS\r\n"
                                      "REPLACE        account/        /Z|" +
                                      account.WithSlashes().substr(2) + "\r\n");
    auto search = runner.RunConsoleCommand(Bridge("namazu.exe") +
                                               " --config=\"namazurc\" --output=\"result.txt\" "
                                               "\"予算\" +b001",
                                           work, rmHidden, nullptr);
    ASSERT_NE(search, nullptr);
    search->WaitForEndOrStop(100, nullptr);

    const std::string result = ReadBytes(work + "result.txt");
    EXPECT_EQ(result.find("検索結果"), 0u) << result;
    EXPECT_NE(result.find("[ 予算: "), std::string::npos) << result;
    EXPECT_NE(result.find("\n/Z|" + account.WithSlashes().substr(2) + "user001.box/1.alm ("),
              std::string::npos)
        << result;
}

} // namespace
