// An account written by tools/make_hostile_account.py, below a directory
// with a space, parentheses, 表 and ソ (trail byte 0x5C), holding 5,000 mails
// in one folder, a mail of 5 MB, mails with bare CR line ends and without
// the empty line after the header, and a folder nested 20 deep. The host
// indexes it with the real mknmz, then the result window searches each odd
// mail's own word and previews the hit.
#include "result/win32/result_resource.h"
#include "result_window_driver.h"
#include "sample_account.h"
#include "search/win32/search_resource.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// mknmz takes some seconds for the 5,000 mails, far more on a busy machine.
const DWORD kIndexTimeoutMs = 300000;
const DWORD kSearchTimeoutMs = 120000;

// Catalogue rows: 郵便受け, 送信箱, then user001 to user003, the container
// chain user004 to user022 and its deepest folder user023.
const int kCrowdRow = 2;
const int kBulkyRow = 3;
const int kBrokenRow = 4;
const int kDeepestRow = 24;

// The account directory's own name below the test's directory.
const char kAccountName[] = "My Mail (表 ソ予)\\acc\\";
// The same in UTF-8 with slashes, for the Linux side.
const char kAccountLinuxName[] = "My Mail (\xE8\xA1\xA8 \xE3\x82\xBD\xE4\xBA\x88)/acc";

// Folders user004 to user023 one inside the other, each name with its
// number in three digits.
std::string DeepChain(const char* prefix, const char* suffix) {
    std::string path;
    for (int number = 4; number <= 23; ++number) {
        const std::string digits = std::to_string(number);
        path += prefix + std::string(3 - digits.size(), '0') + digits + suffix + "\\";
    }
    return path;
}

// A file's bytes as a RichEdit pane holds them: each CR LF, lone CR and
// lone LF one CR, none after the last line.
std::wstring AsPaneCharacters(const std::string& bytes) {
    std::wstring text = WideFromShiftJis(bytes);
    std::wstring pane;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool crlf = text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n';
        pane += text[i] == L'\n' ? L'\r' : text[i];
        i += crlf ? 1 : 0;
    }
    while (!pane.empty() && pane.back() == L'\r')
        pane.pop_back();
    return pane;
}

// The first hit's title line up to its score, as the subject panel shows it.
std::string FirstTitle(const std::string& result) {
    const size_t line = result.find("\r\n1. ") + 2;
    return result.substr(line, result.find(" (スコア:", line) - line);
}

struct OddMail {
    const char* Word;
    // Relative to the account; empty when the search is to find nothing.
    std::string Mail;
};

class HostileAccountTest : public testing::Test {
protected:
    void TearDown() override {
        if (!root_.empty())
            RunLinuxShell("rm -rf '" + root_ + "'", root_ + "-gone");
    }

    std::string Generator() const {
        const std::string sample = SampleGeneratorPath();
        return sample.substr(0, sample.rfind('/') + 1) + "make_hostile_account.py";
    }

    // Every chosen folder is indexed at once when the host opens, hidden.
    // mknmz is told to take the 5 MB mail, as a user would who wants it found.
    void WriteSettings() {
        const std::string mknmzrc = WindowsFormOf(root_) + "\\mknmzrc";
        WriteBytes(mknmzrc, "$conf::FILE_SIZE_MAX = 8000000;\n$conf::TEXT_SIZE_MAX = 8000000;\n");
        WriteBytes(account_ + "tarnwick.ini",
                   "[Mknmz]\r\nAsk=0\r\nShowWindow=0\r\nCloseOnFinish=1\r\n"
                   "UsePreviousTarget=1\r\nTargetFolderCount=4\r\n"
                   "Folder1=2:表計算 (大量)\r\nFolder2=3:予定表 (大きい)\r\n"
                   "Folder3=4:ソフト (壊れた)\r\nFolder4=24:最深の表 (ソ)\r\n" +
                       BridgedNamazuSections(" --config=" + mknmzrc));
    }

    // Opens the only hit with N and Enter, and checks that the mail pane
    // shows the mail file whole with the caret on its first body line.
    void PreviewOnlyHit(HWND window, const OddMail& odd, const std::string& result) {
        HWND pane = Named(window, "edtResult");
        SendMessageW(pane, EM_SETSEL, 0, 0);
        SendMessageW(pane, WM_CHAR, L'n', 0);
        // Posted, so that an error box could not hold the test.
        PostMessageW(pane, WM_CHAR, L'\r', 0);
        HWND subject = Named(window, "pnlSubject");
        const std::wstring title = WideFromShiftJis(FirstTitle(result));
        const std::wstring expected = AsPaneCharacters(ReadBytes(account_ + odd.Mail));
        const size_t separator = expected.find(L"\r\r");
        const size_t body = separator == std::wstring::npos ? 0 : separator + 2;
        // Every odd mail has the same title, and the pane is a new, empty
        // control after a long mail: only the text and the caret tell that
        // this mail is in.
        std::wstring shown;
        // The return value, since no pointer reaches the host's process;
        // every body starts well within its 16 bits.
        size_t caret = 0;
        ASSERT_TRUE(WaitUntil([&] {
            HWND mail = ui::FindControlByName(window, "edtMail");
            shown = PaneCharacters(mail);
            while (!shown.empty() && shown.back() == L'\r')
                shown.pop_back();
            caret = LOWORD(SendMessageW(mail, EM_GETSEL, 0, 0));
            return IsWindowVisible(mail) && ui::WindowText(subject) == title && shown == expected &&
                   caret == body;
        })) << "subject "
            << ShiftJisFromWide(ui::WindowText(subject)) << ", " << shown.size() << " of "
            << expected.size() << " characters shown, "
            << (shown == expected ? "the same" : "not the same") << ", caret at " << caret
            << " instead of " << body;
    }

    std::string root_;
    std::string account_;
};

TEST_F(HostileAccountTest, IndexesSearchesAndPreviewsEveryOddMail) {
    root_ = NewTmpDirectory("TarnwickHostile");
    ASSERT_TRUE(RunLinuxShell(
        "python3 '" + Generator() + "' '" + root_ + "/" + kAccountLinuxName + "'", root_));
    account_ = WindowsFormOf(root_ + "/") + kAccountName;
    WriteSettings();

    const std::string account = account_.substr(0, account_.size() - 1);
    ui::ChildProcess host(ui::ProgramDirectory() + L"Almail.exe", L"\"/account:" +
                                                                      WideFromShiftJis(account) +
                                                                      L"\" menu:index menu:search");
    // The deepest folder's directory is too long to be mknmz's working
    // directory; the run says so and goes on.
    HWND refusal = ui::WaitForWindow(host.Id(), L"tarnwick for Namazu", kIndexTimeoutMs);
    ASSERT_NE(refusal, nullptr) << host.Output();
    const std::wstring refused = WideFromShiftJis(
        "起動に失敗しました。\n\n作業ディレクトリ: " + Lower(account_ + DeepChain("user", ".box")) +
        "\n");
    const std::vector<std::wstring> texts = ui::ControlTexts(refusal);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::wstring& text) {
        return text.compare(0, refused.size(), refused) == 0;
    })) << ShiftJisFromWide(texts.empty() ? L"" : texts.back());
    ASSERT_TRUE(ui::PressButtonById(refusal, IDOK));
    // The end of the run names the folder among those that failed.
    HWND failures = ui::WaitForWindow(host.Id(), L"エラー", kIndexTimeoutMs);
    ASSERT_NE(failures, nullptr) << host.Output();
    const std::wstring named = WideFromShiftJis("「最深の表 (ソ)」: mknmz を起動できませんでした");
    const std::vector<std::wstring> summary = ui::ControlTexts(failures);
    EXPECT_TRUE(std::any_of(summary.begin(), summary.end(), [&](const std::wstring& text) {
        return text.find(named) != std::wstring::npos;
    })) << ShiftJisFromWide(summary.empty() ? L"" : summary.back());
    ASSERT_TRUE(ui::PressButtonById(failures, IDOK));
    HWND dialog = ui::WaitForWindow(host.Id(), kSearchCaption, kIndexTimeoutMs);
    ASSERT_NE(dialog, nullptr) << host.Output();
    const std::pair<const char*, size_t> documents[] = {
        {"b001\\", 5000}, {"b002\\", 2}, {"b003\\", 3}};
    for (const auto& [dir, count] : documents) {
        SCOPED_TRACE(dir);
        EXPECT_TRUE(FileExists(account_ + "Namazu\\" + dir + "NMZ.i"));
        EXPECT_EQ(Count(ReadBytes(account_ + "Namazu\\" + dir + "NMZ.field.uri"), "\n"), count);
    }
    EXPECT_TRUE(FileExists(account_ + "Namazu\\" + DeepChain("b", "")));
    EXPECT_FALSE(FileExists(account_ + "Namazu\\" + DeepChain("b", "") + "NMZ.i"));

    const OddMail odds[] = {
        {"quillcrowd", "user001.box\\5000.alm"},
        {"quillbulky", "user002.box\\2.alm"},
        {"quilllonecr", "user003.box\\1.alm"},
        // Found by its subject; without the empty line mknmz takes the
        // whole mail for header, so its body is not indexed.
        {"quillnoblank", "user003.box\\2.alm"},
        {"quillunseen", ""},
        {"quillplain", "user003.box\\3.alm"},
    };
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_FOLDER_FIRST + kCrowdRow, 0), 0);
    for (int row : {kBulkyRow, kBrokenRow})
        ASSERT_TRUE(ui::PickMenuCommandWithShift(dialog, IDM_FOLDER_FIRST + row));
    ASSERT_EQ(Text(dialog, "edtFolderName"), "表計算 (大量), 予定表 (大きい), ソフト (壊れた)");
    SendMessageW(Named(dialog, "cboKeyword"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideFromShiftJis(odds[0].Word).c_str()));
    Press(dialog, "btnSearch");
    HWND window = ui::WaitForWindow(host.Id(), kResultCaption);
    ASSERT_NE(window, nullptr) << host.Output();

    const std::string uri = "/Z|" + root_ + "/" + WithForwardSlashes(kAccountName);
    for (const OddMail& odd : odds) {
        SCOPED_TRACE(odd.Word);
        const std::string result = &odd == odds
                                       ? WaitForPane(window, "検索結果\r\n", kSearchTimeoutMs)
                                       : SearchAgain(window, odd.Word, kSearchTimeoutMs);
        EXPECT_EQ(result.find("検索結果\r\n"), 0u) << result;
        EXPECT_EQ(Count(result, uri), odd.Mail.empty() ? 0u : 1u) << result;
        if (odd.Mail.empty() || Count(result, uri) != 1)
            continue;
        EXPECT_NE(result.find(uri + WithForwardSlashes(odd.Mail) + " "), std::string::npos)
            << result;
        PreviewOnlyHit(window, odd, result);
    }

    // The deepest folder alone, which has no index: Namazu says so in the list.
    Press(window, "btnViewCommandLine");
    WaitForPane(window, "WorkDir: ", kSearchTimeoutMs);
    Press(window, "btnSetCriteria");
    HWND criteria = ui::WaitForWindow(host.Id(), kSearchCaption);
    ASSERT_NE(criteria, nullptr);
    SendMessageW(criteria, WM_COMMAND, MAKEWPARAM(IDM_FOLDER_FIRST + kDeepestRow, 0), 0);
    ASSERT_EQ(Text(criteria, "edtFolderName"), "最深の表 (ソ)");
    SendMessageW(Named(criteria, "cboKeyword"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"quilldeep"));
    Press(criteria, "btnSearch");
    const std::string deep = WaitForPane(window, "検索結果\r\n", kSearchTimeoutMs);
    EXPECT_NE(deep.find("(インデックスが開けませんでした)"), std::string::npos) << deep;
    EXPECT_EQ(Count(deep, uri), 0u) << deep;

    ui::CloseWindow(window);
    EXPECT_TRUE(ui::WaitForWindowGone(window));
    EXPECT_EQ(host.WaitForExit(), std::optional<DWORD>(0)) << host.Output();
}

} // namespace
