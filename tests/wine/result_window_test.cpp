// The result window in the substitute host with the real Namazu 2.0 through
// the bridge: a generated account is indexed, the search dialog picks two
// folders and a keyword, and the result window runs namazu.exe, shows its
// result, searches again with a phrase from the reopened search dialog and
// with other options, and stores them on closing.
#include "catalogue/path_utilities.h"
#include "result/win32/result_resource.h"
#include "result_window_driver.h"
#include "sample_account.h"
#include "search/win32/search_resource.h"
#include "settings/profile_document.h"
#include "text/win32/text_encoding.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// mknmz under Wine takes a few seconds per folder.
const DWORD kRunTimeoutMs = 180000;
// Catalogue rows of the generated account: 2 仕事 (user001), 5 会議録 in the
// container プロジェクト (user003\user004).
const int kWorkRow = 2;
const int kMinutesRow = 5;

class ResultWindowTest : public testing::Test {
protected:
    void GenerateAccount() {
        stem_ = NewTmpDirectory("TarnwickResult");
        ASSERT_TRUE(RunLinuxShell("python3 '" + SampleGeneratorPath() + "' '" + stem_ +
                                      "/acc' --mails 3 --folders 2",
                                  stem_));
        account_ = "Z:" + stem_ + "/acc/";
        std::replace(account_.begin(), account_.end(), '/', '\\');
    }

    void TearDown() override {
        if (!stem_.empty())
            RunLinuxShell("rm -rf '" + stem_ + "'", stem_ + "-gone");
    }

    // Index the two folders at once on opening, hidden, then close.
    void WriteSettings(const std::string& extra = "") {
        WriteBytes(Ini(), "[Mknmz]\r\nAsk=0\r\nShowWindow=0\r\nCloseOnFinish=1\r\n"
                          "UsePreviousTarget=1\r\nTargetFolderCount=2\r\nFolder1=2:仕事\r\n"
                          "Folder2=5:会議録\r\n" +
                              extra + BridgedNamazuSections());
    }

    std::string Ini() const { return account_ + "tarnwick.ini"; }
    std::string Stored(const char* section, const char* key) {
        return ProfileDocument(ReadBytes(Ini())).Read(section, key, "<absent>");
    }

    std::unique_ptr<ui::ChildProcess> StartHost(const std::wstring& actions) {
        const std::string account = account_.substr(0, account_.size() - 1);
        return std::make_unique<ui::ChildProcess>(ui::ProgramDirectory() + L"Almail.exe",
                                                  L"\"/account:" + WideFromShiftJis(account) +
                                                      L"\" " + actions);
    }

    // The search dialog, once it opens within timeoutMs, searches the folder
    // 仕事 for keyword; the result window, or null.
    static HWND SearchWorkFolder(ui::ChildProcess& host, const wchar_t* keyword, DWORD timeoutMs) {
        HWND dialog = ui::WaitForWindow(host.Id(), kSearchCaption, timeoutMs);
        if (dialog == nullptr)
            return nullptr;
        ui::PickMenuCommand(dialog, IDM_FOLDER_FIRST + kWorkRow);
        SendMessageW(Named(dialog, "cboKeyword"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(keyword));
        Press(dialog, "btnSearch");
        return ui::WaitForWindow(host.Id(), kResultCaption);
    }
    static std::string ClipboardText() {
        std::string text;
        if (!OpenClipboard(nullptr))
            return "<no clipboard>";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = ShiftJisFromWide(static_cast<const wchar_t*>(GlobalLock(data)));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    std::string stem_;
    std::string account_;
};

// A mail with the given body, plain ASCII unless told otherwise.
std::string Mail(const std::string& body, const std::string& subject = "walk",
                 const std::string& charset = "us-ascii") {
    return "Date: Mon, 01 Jan 2001 09:00:00 +0900\r\nFrom: a@example.jp\r\nTo: b@example.jp\r\n"
           "Subject: " +
           subject + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=" + charset +
           "\r\n\r\n" + body + "\r\n";
}

// A JIS mail with a MIME-encoded subject whose body, after gap, is long
// enough to be scrolled to its first line.
std::string JisMail(const std::string& subject, const std::string& gap,
                    const std::string& firstLine) {
    std::string body = gap + firstLine;
    for (int line = 1; line <= 40; ++line)
        body += "\r\naquarium line " + std::to_string(line);
    return Mail(body, subject, "ISO-2022-JP");
}

// A hit as the result pane shows it, in RichEdit positions.
struct ShownHit {
    int TitleStart;
    int TitleEnd; // the title's last character
    int UriStart;
    std::wstring Title;
    std::wstring Uri;
};

// Title lines end in the Japanese score marker and each URI line names a
// mail of the account.
std::vector<ShownHit> FindHits(const std::wstring& text, const std::wstring& uriPrefix) {
    std::vector<ShownHit> hits;
    for (size_t line = 0, end = 0; end != std::wstring::npos; line = end + 1) {
        end = text.find(L'\r', line);
        const std::wstring content = text.substr(line, end - line);
        const size_t score = content.rfind(L" (スコア:");
        const int start = static_cast<int>(line);
        if (score != std::wstring::npos && std::iswdigit(content[0])) {
            hits.push_back(
                {start, start + static_cast<int>(score) - 1, 0, content.substr(0, score), L""});
        } else if (!hits.empty() && content.compare(0, uriPrefix.size(), uriPrefix) == 0) {
            hits.back().UriStart = start;
            hits.back().Uri = content.substr(0, content.find(L' '));
        }
    }
    return hits;
}

// A left click on a character of a RichEdit pane, each message handled
// before the next is sent.
void ClickCharacter(HWND pane, int character) {
    const LRESULT corner = SendMessageW(pane, EM_POSFROMCHAR, character, 0);
    const LPARAM inside = MAKELPARAM(LOWORD(corner) + 2, HIWORD(corner) + 2);
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        SendMessageTimeoutW(pane, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, inside,
                            SMTO_NORMAL, ui::DefaultTimeoutMs, nullptr);
    }
}

int Caret(HWND pane) {
    return LOWORD(SendMessageW(pane, EM_GETSEL, 0, 0));
}

TEST_F(ResultWindowTest, SearchesTwoIndexedFoldersAgainWithOtherOptionsAndStoresThem) {
    GenerateAccount();
    // Two mails of the first folder hold both words, only one as a phrase.
    const std::string work = account_ + "user001.box\\";
    WriteBytes(work + "98.alm", Mail("The zebra crossing ahead is closed."));
    WriteBytes(work + "99.alm", Mail("Crossing the park we saw a zebra."));
    WriteSettings();
    auto host = StartHost(L"menu:index menu:search");
    HWND dialog = ui::WaitForWindow(host->Id(), kSearchCaption, kRunTimeoutMs);
    ASSERT_NE(dialog, nullptr) << host->Output();
    // Sent, so that the Shift pick after it cannot overtake it.
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_FOLDER_FIRST + kWorkRow, 0), 0);
    ASSERT_TRUE(ui::PickMenuCommandWithShift(dialog, IDM_FOLDER_FIRST + kMinutesRow));
    ASSERT_EQ(Text(dialog, "edtFolderName"), "仕事, 会議録");
    SendMessageW(Named(dialog, "cboKeyword"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"予算"));
    Press(dialog, "btnSearch");

    HWND window = ui::WaitForWindow(host->Id(), kResultCaption);
    ASSERT_NE(window, nullptr) << host->Output();
    const std::string result = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);
    EXPECT_EQ(result.find("検索結果\r\n\r\n参考ヒット数: \r\n"), 0u) << result;
    EXPECT_EQ(Count(result, "[ 予算: "), 2u) << result;
    const std::string uri = "/Z|" + stem_ + "/acc/";
    EXPECT_NE(result.find(uri + "user001.box/1.alm"), std::string::npos) << result;
    EXPECT_NE(result.find(uri + "user003.box/user004.box/1.alm"), std::string::npos) << result;
    EXPECT_FALSE(FileExists(account_ + "Namazu\\result.txt"));
    EXPECT_EQ(ReadBytes(account_ + "Namazu\\namazurc"),
              "INDEX        " + account_ + "Namazu\r\nLang        ja_JP.SJIS\r\n" +
                  "REPLACE        account/        /Z|" + stem_ + "/acc/\r\n");
    EXPECT_EQ(Text(window, "cboKeyword"), "予算");

    // The command-line view replaces the list, so the next result is seen
    // to arrive. The search dialog reopens over the window with its list and
    // formula; a phrase in double quotes reaches Namazu whole.
    const std::string phrase = "\"zebra crossing\"";
    Press(window, "btnViewCommandLine");
    WaitForPane(window, "WorkDir: ", kRunTimeoutMs);
    Press(window, "btnSetCriteria");
    HWND criteria = ui::WaitForWindow(host->Id(), kSearchCaption);
    ASSERT_NE(criteria, nullptr);
    EXPECT_EQ(Text(criteria, "cboKeyword"), "予算");
    EXPECT_EQ(SendMessageW(Named(criteria, "cboKeyword"), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(Text(criteria, "edtFolderName"), "仕事, 会議録");
    RECT outer, inner;
    GetWindowRect(window, &outer);
    GetWindowRect(criteria, &inner);
    const LONG left = outer.left + (outer.right - outer.left - (inner.right - inner.left)) / 2;
    const LONG top = outer.top + (outer.bottom - outer.top - (inner.bottom - inner.top)) / 2;
    EXPECT_EQ(inner.left, std::max(left, 0L));
    EXPECT_EQ(inner.top, std::max(top, 0L));
    SendMessageW(Named(criteria, "cboKeyword"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideFromShiftJis(phrase).c_str()));
    Press(criteria, "btnSearch");
    const std::string phraseResult = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);
    EXPECT_EQ(Count(phraseResult, uri), 1u) << phraseResult;
    EXPECT_NE(phraseResult.find(uri + "user001.box/98.alm"), std::string::npos) << phraseResult;

    Press(window, "btnViewCommandLine");
    WaitForPane(window, "WorkDir: ", kRunTimeoutMs);
    ui::PickMenuCommand(window, IDM_SORT_LATER);
    ui::PickMenuCommand(window, IDM_LIST_COUNT_FIFTY);
    Press(window, "btnSearch");
    const std::string later = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);
    EXPECT_EQ(Count(later, uri), 1u) << later;
    Press(window, "btnViewCommandLine");
    const std::string view = WaitForPane(window, "WorkDir: ", kRunTimeoutMs);
    const std::string commandLine =
        "\"" + ShiftJisFromWide(ui::ProgramDirectory()) +
        "namazu.exe\" --sort=field:date --max=\"50\" "
        "--output=\"result.txt\"  \"\\\"zebra crossing\\\"\" +b001 +b003/b004";
    EXPECT_EQ(view, "WorkDir: \r\n" + account_ + "Namazu\r\n\r\nCommandLine: \r\n" + commandLine +
                        "\r\n\r\nコマンドラインは、クリップボードにコピーされています。");
    EXPECT_EQ(ClipboardText(), commandLine);

    Press(window, "btnClose");
    EXPECT_TRUE(ui::WaitForWindowGone(window));
    EXPECT_TRUE(host->WaitForExit().has_value());
    EXPECT_EQ(Stored("Search", "Sort"), "Later");
    EXPECT_EQ(Stored("Search", "ListCount"), "50");
    // Read back, a profile value loses its enclosing quotes; the file holds them.
    EXPECT_NE(ReadBytes(Ini()).find("History1=" + phrase + "\r\n"), std::string::npos);
    EXPECT_EQ(Stored("Search", "History2"), "予算");
    EXPECT_EQ(Stored("Result", "SaveWindowPos"), "0");
    EXPECT_EQ(Stored("Result", "SaveWindowSize"), "0");
}

// Account directories under "Documents and Settings" are common: namazurc
// quotes a value with spaces and escapes the trail byte 0x5C of ソ, so that
// every hit names its real mail file.
TEST_F(ResultWindowTest, AccountPathWithSpacesParenthesesAndSoNamesTheRealMails) {
    const std::string root = NewTmpDirectory("TarnwickSpaces");
    stem_ = root;
    // ソフト in UTF-8, as the Linux side names the directory.
    const std::string linuxAccount =
        root + "/My Documents (old) \xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88/acc";
    ASSERT_TRUE(RunLinuxShell("python3 '" + SampleGeneratorPath() + "' '" + linuxAccount +
                                  "' --mails 3 --folders 1 && mkdir -p " + root +
                                  "/idx/Namazu/b001 && cd '" + linuxAccount +
                                  "/user001.box' && LANG=ja_JP.eucJP mknmz --mailnews "
                                  "--allow='.*\\.alm' --output-dir=" +
                                  root + "/idx/Namazu/b001 --replace='s#\\Q" + linuxAccount +
                                  "/\\E#account/#' . >/dev/null 2>&1",
                              root));
    std::string windowsRoot = "Z:" + root;
    std::replace(windowsRoot.begin(), windowsRoot.end(), '/', '\\');
    account_ = windowsRoot + "\\My Documents (old) ソフト\\acc\\";
    WriteSettings("IndexDir=" + windowsRoot + "\\idx\\\r\n");

    auto host = StartHost(L"menu:search");
    HWND window = SearchWorkFolder(*host, L"予算", ui::DefaultTimeoutMs);
    ASSERT_NE(window, nullptr) << host->Output();
    const std::string result = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);
    EXPECT_EQ(ReadBytes(windowsRoot + "\\idx\\Namazu\\namazurc"),
              "INDEX        " + windowsRoot + "\\idx\\Namazu\r\nLang        ja_JP.SJIS\r\n" +
                  "REPLACE        account/        \"/Z|" + root +
                  "/My Documents (old) \x83\\\\\\\\フト/acc/\"\r\n");
    const std::string uri = "/Z|" + root + "/My Documents (old) ソフト/acc/user001.box/";
    size_t hits = 0;
    for (size_t at = result.find(uri); at != std::string::npos; at = result.find(uri, at + 1)) {
        const std::string path =
            UrlToLocalPath(result.substr(at, result.find(' ', at + uri.size()) - at));
        EXPECT_TRUE(FileExists(path)) << path;
        ++hits;
    }
    EXPECT_GE(hits, 1u) << result;
    ui::CloseWindow(window);
    EXPECT_TRUE(host->WaitForExit().has_value());
}

// Two JIS mails with Japanese subjects hold the word searched for. Their
// hits are coloured, N, N and P step between them, Enter shows the first in
// Shift-JIS at its first body line, and Shift+Enter hands it to the host by
// its mailbox-relative name.
// More hits than a page holds: the pane says so, and Ctrl+N and the page
// buttons fetch the pages beside it.
TEST_F(ResultWindowTest, MoreHitsThanAPageAreFetchedPageByPage) {
    GenerateAccount();
    for (int n = 0; n < 22; ++n)
        WriteBytes(account_ + "user001.box\\" + std::to_string(70 + n) + ".alm",
                   Mail("penguin parade " + std::to_string(n)));
    WriteSettings();
    auto host = StartHost(L"menu:index menu:search");
    HWND window = SearchWorkFolder(*host, L"penguin", kRunTimeoutMs);
    ASSERT_NE(window, nullptr) << host->Output();
    const std::string first = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);
    EXPECT_NE(first.find("全 22 件中 1 - 20 件を表示 (Ctrl+N: 次の 2 件)"), std::string::npos)
        << first;
    EXPECT_TRUE(IsWindowVisible(Named(window, "btnNextPage")));
    EXPECT_TRUE(IsWindowEnabled(Named(window, "btnNextPage")));
    EXPECT_FALSE(IsWindowEnabled(Named(window, "btnPreviousPage")));

    // The command line in the pane first, so that the new page is seen to come.
    Press(window, "btnViewCommandLine");
    WaitForPane(window, "WorkDir: ", kRunTimeoutMs);
    PostMessageW(Named(window, "edtResult"), WM_CHAR, 0x0E, 0);
    const std::string second = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);
    EXPECT_NE(second.find("\r\n21. "), std::string::npos) << second;
    EXPECT_NE(second.find("全 22 件中 21 - 22 件を表示 (Ctrl+P: 前の 20 件)"), std::string::npos);
    Press(window, "btnViewCommandLine");
    EXPECT_NE(WaitForPane(window, "WorkDir: ", kRunTimeoutMs).find(" --whence=20 "),
              std::string::npos);
    Press(window, "btnPreviousPage");
    EXPECT_NE(WaitForPane(window, "検索結果\r\n", kRunTimeoutMs).find("\r\n1. "),
              std::string::npos);
    ui::CloseWindow(window);
    EXPECT_TRUE(host->WaitForExit().has_value());
}

TEST_F(ResultWindowTest, HitsAreColouredSteppedOpenedInShiftJisAndHandedToTheHost) {
    GenerateAccount();
    const std::string work = account_ + "user001.box\\";
    // 水族館の予定 with 水族館へ行きます。, and 水族館の感想 after two empty
    // lines with 水族館は楽しかった。
    WriteBytes(work + "98.alm", JisMail("=?ISO-2022-JP?B?GyRCP2VCMjRbJE5NPURqGyhC?=", "\r\n",
                                        "\x1B$B?eB24[$X9T$-$^$9!#\x1B(B"));
    WriteBytes(work + "99.alm", JisMail("=?ISO-2022-JP?B?GyRCP2VCMjRbJE40NkFbGyhC?=", "\r\n\r\n",
                                        "\x1B$B?eB24[$O3Z$7$+$C$?!#\x1B(B"));
    WriteSettings();
    auto host = StartHost(L"menu:index menu:search");
    HWND window = SearchWorkFolder(*host, L"aquarium", kRunTimeoutMs);
    ASSERT_NE(window, nullptr) << host->Output();
    const std::string result = WaitForPane(window, "検索結果\r\n", kRunTimeoutMs);

    HWND pane = Named(window, "edtResult");
    const std::wstring uriPrefix = WideFromShiftJis("/Z|" + stem_ + "/acc/user001.box/");
    const std::vector<ShownHit> hits = FindHits(PaneCharacters(pane), uriPrefix);
    ASSERT_EQ(hits.size(), 2u) << result;
    // Colour and style as one number: the window-text colour counts as 0.
    const auto look = [&](int character) {
        const CHARFORMAT2W format = ui::CharacterFormat(pane, character).value_or(CHARFORMAT2W{});
        const DWORD style = format.dwEffects & (CFE_BOLD | CFE_UNDERLINE);
        return (format.dwEffects & CFE_AUTOCOLOR ? 0 : format.crTextColor) | style << 24;
    };
    const DWORD titleLook = RGB(0, 0, 255) | (CFE_BOLD | CFE_UNDERLINE) << 24;
    for (const ShownHit& hit : hits) {
        SCOPED_TRACE(ShiftJisFromWide(hit.Title));
        ASSERT_GT(hit.UriStart, hit.TitleEnd);
        EXPECT_EQ(look(hit.TitleStart), titleLook);
        EXPECT_EQ(look(hit.TitleEnd), titleLook);
        EXPECT_EQ(look(hit.TitleEnd + 1), 0u);
        EXPECT_EQ(look(hit.UriStart), RGB(0, 128, 128));
    }

    SendMessageW(pane, EM_SETSEL, 0, 0);
    SendMessageW(pane, WM_CHAR, L'n', 0);
    EXPECT_EQ(Caret(pane), hits[0].UriStart);
    SendMessageW(pane, WM_CHAR, L'N', 0);
    EXPECT_EQ(Caret(pane), hits[1].UriStart);
    SendMessageW(pane, WM_CHAR, L'p', 0);
    EXPECT_EQ(Caret(pane), hits[0].TitleStart);

    // Posted, so that an error box could not hold the test.
    PostMessageW(pane, WM_CHAR, L'\r', 0);
    HWND subject = Named(window, "pnlSubject");
    WaitUntil([&] { return !ui::WindowText(subject).empty(); });
    EXPECT_EQ(ui::WindowText(subject), hits[0].Title);
    HWND mail = Named(window, "edtMail");
    EXPECT_TRUE(IsWindowVisible(mail));
    const bool plan = hits[0].Uri == uriPrefix + L"98.alm";
    const std::wstring firstLine = plan ? L"水族館へ行きます。" : L"水族館は楽しかった。";
    const std::wstring shown = PaneCharacters(mail);
    EXPECT_EQ(shown.find(L'\x1B'), std::wstring::npos);
    const size_t body = shown.find(L"\r" + firstLine + L"\r");
    ASSERT_NE(body, std::wstring::npos) << ShiftJisFromWide(shown);
    const LRESULT top = SendMessageW(mail, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(top, 6);
    EXPECT_EQ(SendMessageW(mail, EM_LINEINDEX, top, 0), static_cast<LRESULT>(body + 1));
    EXPECT_EQ(Caret(mail), static_cast<int>(body + 1));

    // Space and Backspace page with the caret on the top line.
    for (wchar_t key : {L' ', L'\b'}) {
        const LRESULT before = SendMessageW(mail, EM_GETFIRSTVISIBLELINE, 0, 0);
        SendMessageW(mail, WM_CHAR, key, 0);
        const LRESULT after = SendMessageW(mail, EM_GETFIRSTVISIBLELINE, 0, 0);
        EXPECT_EQ(after > before, key == L' ') << before << " " << after;
        EXPECT_EQ(Caret(mail), SendMessageW(mail, EM_LINEINDEX, after, 0));
    }

    // F3 and Shift+F3 step through the formula's words, which wear the
    // mark's background; the decoded view shows the subject as it reads.
    const COLORREF automatic = 0xFFFFFFFF;
    const auto background = [&](int character) {
        const CHARFORMAT2W format = ui::CharacterFormat(mail, character).value_or(CHARFORMAT2W{});
        return format.dwEffects & CFE_AUTOBACKCOLOR ? automatic : format.crBackColor;
    };
    const int firstWord = static_cast<int>(shown.find(L"aquarium", body));
    const int secondWord = static_cast<int>(shown.find(L"aquarium", firstWord + 1));
    EXPECT_EQ(background(firstWord), RGB(255, 255, 0));
    EXPECT_EQ(background(firstWord - 1), automatic);
    SendMessageW(mail, EM_SETSEL, body + 1, body + 1);
    for (int expected : {firstWord, secondWord}) {
        SendMessageW(mail, WM_KEYDOWN, VK_F3, 0);
        EXPECT_EQ(Caret(mail), expected);
    }
    ASSERT_TRUE(ui::SendWithShift(mail, WM_KEYDOWN, VK_F3, 0));
    EXPECT_EQ(Caret(mail), firstWord);
    ui::PickMenuCommand(window, IDM_CONVERT_DECODED);
    const std::wstring decodedSubject =
        L"Subject: " + (plan ? std::wstring(L"水族館の予定") : std::wstring(L"水族館の感想"));
    EXPECT_TRUE(WaitUntil([&] {
        return PaneCharacters(mail).find(decodedSubject) != std::wstring::npos;
    })) << ShiftJisFromWide(PaneCharacters(mail));

    // Back in the list, a click beside the second title opens nothing, one
    // on its last character opens it, and P in the mail pane goes back.
    SendMessageW(mail, WM_CHAR, L'\r', 0);
    EXPECT_TRUE(IsWindowVisible(pane));
    ClickCharacter(pane, hits[1].TitleEnd + 1);
    EXPECT_TRUE(IsWindowVisible(pane));
    ClickCharacter(pane, hits[1].TitleEnd);
    EXPECT_EQ(ui::WindowText(subject), hits[1].Title);
    EXPECT_TRUE(IsWindowVisible(mail));
    SendMessageW(mail, WM_CHAR, L'p', 0);
    EXPECT_EQ(ui::WindowText(subject), hits[0].Title);

    ASSERT_TRUE(ui::SendWithShift(mail, WM_KEYDOWN, VK_RETURN, 0));
    const std::string opened =
        std::string("APAFolderOpenMail(#1, acc\\user001.box\\") + (plan ? "98" : "99") + ", 1)";
    EXPECT_TRUE(WaitUntil([&] { return host->Output().find(opened) != std::string::npos; }))
        << host->Output();
    EXPECT_TRUE(IsWindow(window)) << "CloseOnMailView is off";
    ui::CloseWindow(window);
    EXPECT_TRUE(host->WaitForExit().has_value());
}

} // namespace
