// An account written by tools/make_mime_account.py: one folder with a mail
// of every MIME class (base64 and quoted-printable in each charset, HTML,
// multipart). The host indexes it with the real mknmz, then the result
// window finds each mail by the word only its body holds.
#include "result_window_driver.h"
#include "sample_account.h"
#include "search/win32/search_resource.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

const DWORD kIndexTimeoutMs = 120000;
const DWORD kSearchTimeoutMs = 60000;
// 郵便受け, 送信箱, then 今どきのメール.
const int kMimeRow = 2;

struct Expected {
    const char* Word;
    std::vector<int> Mails; // numbers of the mail files that hold it
};

TEST(MimeMailTest, EveryEncodedTextIsFoundByItsBodyWords) {
    const std::string root = NewTmpDirectory("TarnwickMime");
    const std::string generator =
        SampleGeneratorPath().substr(0, SampleGeneratorPath().rfind('/') + 1) +
        "make_mime_account.py";
    ASSERT_TRUE(RunLinuxShell("python3 '" + generator + "' '" + root + "/acc'", root));
    const std::string account = WindowsFormOf(root) + "\\acc\\";
    WriteBytes(account + "tarnwick.ini",
               "[Mknmz]\r\nAsk=0\r\nShowWindow=0\r\nCloseOnFinish=1\r\nUsePreviousTarget=1\r\n"
               "TargetFolderCount=1\r\nFolder1=2:今どきのメール\r\n" +
                   BridgedNamazuSections(" --use-kakasi -EK"));

    ui::ChildProcess host(ui::ProgramDirectory() + L"Almail.exe",
                          L"\"/account:" + WideFromShiftJis(account.substr(0, account.size() - 1)) +
                              L"\" menu:index menu:search");
    HWND dialog = ui::WaitForWindow(host.Id(), kSearchCaption, kIndexTimeoutMs);
    ASSERT_NE(dialog, nullptr) << host.Output();
    EXPECT_TRUE(FileExists(account + "Namazu\\tarnwickmail.pl"));
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_FOLDER_FIRST + kMimeRow, 0), 0);
    SendMessageW(Named(dialog, "cboKeyword"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"mimejis7bit"));
    Press(dialog, "btnSearch");
    HWND window = ui::WaitForWindow(host.Id(), kResultCaption);
    ASSERT_NE(window, nullptr) << host.Output();
    WaitForPane(window, "検索結果\r\n", kSearchTimeoutMs);

    // The mails whose charset can write Japanese, the Latin and ASCII ones left out.
    const std::vector<int> japanese = {1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17};
    const Expected expected[] = {
        {"mimejis7bit", {1}},
        {"mimejisbase", {2}},
        {"mimejisqp", {3}},
        {"mimesjisbase", {4}},
        {"mimesjisqp", {5}},
        {"mimeeucbase", {6}},
        {"mimeeucqp", {7}},
        {"mimeutfbase", {8}},
        {"mimeutfqp", {9}},
        {"mimeasciiqp", {10}},
        {"mimelatinqp", {11}},
        {"mimelatinbase", {12}},
        {"mimehtmlbase", {13}},
        {"mimehtmlqp", {14}},
        {"mimealtplain", {15}},
        {"mimealthtml", {15}},
        {"mimemixedbase", {16}},
        {"mimenestedqp", {17}},
        {"mimenestedhtml", {17}},
        {"会議室", japanese},
        {"申し上げます", japanese},
        // The style sheet and the attachment's bytes are no text.
        {"color", {}},
    };
    const std::string folder = "/Z|" + root + "/acc/user001.box/";
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.Word);
        const std::string result = SearchAgain(window, e.Word, kSearchTimeoutMs);
        EXPECT_EQ(Count(result, folder), e.Mails.size()) << result;
        for (int mail : e.Mails)
            EXPECT_EQ(Count(result, folder + std::to_string(mail) + ".alm "), 1u) << mail;
    }

    ui::CloseWindow(window);
    EXPECT_TRUE(ui::WaitForWindowGone(window));
    EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(0)) << host.Output();
    RunLinuxShell("rm -rf '" + root + "'", root + "-gone");
}

} // namespace
