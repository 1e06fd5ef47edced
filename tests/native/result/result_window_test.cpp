#include "fakes/fake_console_runner.h"
#include "fakes/fake_shell.h"
#include "indexer/index_dialog_fakes.h"
#include "platform/failure_shield.h"
#include "result/namazu_samples.h"
#include "result/result_window.h"
#include "search/search_fixture.h"
#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kWork = "c:\\al\\acc\\Namazu";
const std::string kResult = kWork + "\\result.txt";

// namazu.exe as far as the window can tell: it leaves Output as the result
// file, or none when Output is unset.
class NamazuRunner : public FakeConsoleRunner {
public:
    explicit NamazuRunner(FakeFileSystem& files) : files_(files) {}
    const char* Output = "検索結果\n\n1. a (スコア: 1)\n";

    std::unique_ptr<RunningProcess> RunConsoleCommand(const std::string& commandLine,
                                                      const std::string& workDir, int mode,
                                                      ConsoleTextView* view) override {
        if (Output != nullptr)
            files_.Files[kResult] = Output;
        return FakeConsoleRunner::RunConsoleCommand(commandLine, workDir, mode, view);
    }

private:
    FakeFileSystem& files_;
};

class FakeResultView : public ResultView {
public:
    std::string Keyword;
    std::vector<std::string> Items;
    bool SearchEnabled = true;
    bool WindowEnabled = true;
    bool CommandLineEnabled = false;
    std::vector<std::string> PaneTexts;
    std::string Clipboard;
    bool FontChosen = false;
    std::vector<PaneFont> FontPresets;
    std::vector<std::string> Subjects; // of the mails shown
    bool MailPageInFront = false;
    std::pair<bool, bool> PageButtons; // previous, next
    MailView Mail;                     // the last one shown
    int32_t MailCaret = -1;
    bool ReturnTimerStarted = false;
    bool Closed = false;

    WindowHandle Window() override { return reinterpret_cast<WindowHandle>(0x99); }
    std::string KeywordText() override { return Keyword; }
    void SetKeywordText(const std::string& text) override { Keyword = text; }
    void ShowKeywordItems(const std::vector<std::string>& items) override { Items = items; }
    bool IsSearchEnabled() override { return SearchEnabled; }
    void SetSearchEnabled(bool enabled) override { SearchEnabled = enabled; }
    void EnableCommandLineButton() override { CommandLineEnabled = true; }
    void SetWindowEnabled(bool enabled) override { WindowEnabled = enabled; }
    void ShowResultPage() override {}
    void ShowPaneText(const std::string& text) override { PaneTexts.push_back(text); }
    void ShowResult(const RenderedResult& result) override { PaneTexts.push_back(result.Text); }
    void SetResultCaret(int32_t) override {}
    void ShowPageButtons(bool previous, bool next) override { PageButtons = {previous, next}; }
    void ShowMailPage(const MailView& mail) override {
        MailPageInFront = true;
        Subjects.push_back(mail.Subject);
        Mail = mail;
    }
    void SetMailCaret(int32_t character) override { MailCaret = character; }
    bool IsMailPageInFront() override { return MailPageInFront; }
    void StartReturnTimer() override { ReturnTimerStarted = true; }
    void CloseWindow() override { Closed = true; }
    void CopyToClipboard(const std::string& text) override { Clipboard = text; }
    bool PickFont(PaneFont& font) override {
        FontPresets.push_back(font);
        font = {"Arial", 14, true};
        return FontChosen;
    }
    SearchDialogEnd ShowSearchDialog(const std::vector<std::string>&) override {
        return SearchDialogEnd::Cancel;
    }
    void ShowAboutBox() override {}
};

class ResultWindowTest : public testing::Test, public SearchFixture {
protected:
    void Open(const std::string& settings) {
        // A file without the version key counts as written for Namazu 1.3.
        const bool version = settings.find("NamazuVersion") != std::string::npos;
        WriteSettings("[Command]\r\nnamazuPath=c:\\nmz\\bin\\namazu.exe\r\n" +
                      std::string(version ? "" : "NamazuVersion=2.0\r\n") + settings);
        State.Store.IniFileName = kIni;
        State.Store.LoadSettings(kIni);
        LoadCatalogue();
        window.FormCreate();
    }
    std::string Stored(const char* section, const char* key) {
        return ProfileDocument(SettingsFile()).Read(section, key, "<absent>");
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const FakeUserInterface::Box& box : Ui.Boxes)
            texts.push_back(box.Kind + ":" + box.Text);
        return texts;
    }

    NamazuRunner Runner{Files};
    CountingPump Pump;
    FakeShell Shell;
    SearchServices Search{
        State.Store, State.Catalogue, State.SearchFormula, State.SearchTargets, Host, Ui};
    ResultServices Services{Search, Host, Files, Runner, Pump, Ui, Shell};
    FakeResultView View;
    ResultWindow window{Services, View, HostWindow};
};

TEST_F(ResultWindowTest, CreationTakesEachOptionFromTheSettings) {
    struct Row {
        const char* Settings;
        SortField Sort;
        SortDirection Direction;
        ListCount Count;
    };
    using F = SortField;
    using D = SortDirection;
    const Row rows[] = {
        {"NamazuVersion=1.3\r\n[Search]\r\nSort=Subject\r\nListCount=21", F::None, D::Unchecked,
         ListCount::Fifty},
        {"NamazuVersion=1.3\r\n[Search]\r\nSort=earlier\r\nListCount=0", F::Earlier, D::Ascend,
         ListCount::Twenty},
        {"[Search]\r\nSort=LATER\r\nSortDirection=ASCEND\r\nListCount=abc", F::Later, D::Ascend,
         ListCount::Twenty},
        {"[Search]\r\nSort=uri\r\nSortDirection=up\r\nListCount=aLL", F::FileName, D::Descend,
         ListCount::All},
        {"[Search]\r\nSort=bogus\r\nListCount=100", F::None, D::Descend, ListCount::Hundred},
        {"[Search]\r\nSort=From\r\nListCount=101", F::From, D::Descend, ListCount::Twenty},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Settings);
        Open(row.Settings);
        EXPECT_EQ(window.Options().Sort, row.Sort);
        EXPECT_EQ(window.Options().Direction, row.Direction);
        EXPECT_EQ(window.Options().Count, row.Count);
    }
    EXPECT_FALSE(IsItemEnabled(OptionItem::SortAscend, true));
    EXPECT_TRUE(IsItemEnabled(OptionItem::SortEarlier, true));

    Open("[Result]\r\nFontSizeResult=big\r\nFontBoldResult=1\r\nFontNameMail=\r\n"
         "Color=\r\nConfirmCommandLine=1\r\n[Search]\r\nShowContents=0\r\n"
         "FormulaHistryCount=3\r\nHistory1=a\r\nHistory2= \r\nHistory3=b\r\n");
    EXPECT_EQ(window.ResultFont().Size, 9);
    EXPECT_TRUE(window.ResultFont().Bold);
    EXPECT_EQ(window.MailFont().Name, "ＭＳ Ｐゴシック");
    EXPECT_TRUE(window.Options().NoColour);
    EXPECT_TRUE(window.Options().ContentsOff);
    EXPECT_TRUE(window.ShowsCommandLineButton());
    EXPECT_EQ(View.Items, (std::vector<std::string>{"a", "b"}));
}

TEST_F(ResultWindowTest, MenuClicksStoreTheirValuesAndSearchOnlyWhenAsked) {
    struct Row {
        OptionItem Item;
        std::string TSettings::*Key;
        const char* Value;
    };
    const Row rows[] = {
        {OptionItem::SortEarlier, &TSettings::Sort, "Earlier"},
        {OptionItem::SortLater, &TSettings::Sort, "Later"},
        {OptionItem::SortSubject, &TSettings::Sort, "Subject"},
        {OptionItem::SortFrom, &TSettings::Sort, "From"},
        {OptionItem::SortTo, &TSettings::Sort, "To"},
        {OptionItem::SortFileName, &TSettings::Sort, "URI"},
        {OptionItem::SortNone, &TSettings::Sort, "None"},
        {OptionItem::SortDescend, &TSettings::SortDirection, "Descend"},
        {OptionItem::SortAscend, &TSettings::SortDirection, "Ascend"},
        {OptionItem::ListCountFifty, &TSettings::ListCount, "50"},
        {OptionItem::ListCountHundred, &TSettings::ListCount, "100"},
        {OptionItem::ListCountAll, &TSettings::ListCount, "All"},
        {OptionItem::ListCountTwenty, &TSettings::ListCount, "20"},
        {OptionItem::ContentsOff, &TSettings::ShowContents, "0"},
        {OptionItem::ContentsOn, &TSettings::ShowContents, "1"},
        {OptionItem::SettingNoColour, &TSettings::Color, "1"},
        {OptionItem::SettingNoColour, &TSettings::Color, "0"},
    };
    Open("[Result]\r\nSearchOnChangeSettings=0\r\nColor=0\r\n");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Value);
        window.OptionItemClick(row.Item);
        EXPECT_EQ(State.Store.Settings.*row.Key, row.Value);
        EXPECT_TRUE(IsItemChecked(window.Options(), row.Item) || row.Value == std::string("1"));
    }
    EXPECT_TRUE(Runner.Calls.empty());

    Open("NamazuVersion=1.3\r\n[Search]\r\nSort=Later\r\n[Result]\r\nSearchOnChangeSettings=1\r\n");
    window.OptionItemClick(OptionItem::SortNone);
    EXPECT_EQ(window.Options().Direction, SortDirection::Unchecked);
    window.OptionItemClick(OptionItem::SortDescend);
    EXPECT_TRUE(Runner.Calls.empty()) << "a sort change needs a formula";
    EXPECT_TRUE(Ui.Boxes.empty()) << "and without one is no search to refuse";
    State.SearchFormula = "予算";
    State.SearchTargets = {0};
    window.OptionItemClick(OptionItem::ListCountAll);
    ASSERT_EQ(Runner.Calls.size(), 1u);
    EXPECT_NE(Runner.Calls[0].CommandLine.find(" -a -f namazu.conf"), std::string::npos);
    EXPECT_TRUE(View.SearchEnabled);
}

TEST_F(ResultWindowTest, ClosingWritesFlagsPlaceWhenAskedAndTheHistoryOverOldEntries) {
    std::string history = "[Search]\r\nFormulaHistryCount=10\r\n";
    for (int i = 1; i <= 10; ++i)
        history += "History" + std::to_string(i) + "=old" + std::to_string(i) + "\r\n";
    Open(history + "[Result]\r\nSaveWindowPos=1\r\nSaveWindowSize=1\r\nWindowLeft=7\r\n"
                   "WindowWidth=x\r\n");
    const WindowRect created{0, 0, 500, 400}, host{300, 50, 300, 200};
    EXPECT_EQ(window.Placement(created, host, 1024, 768).Left, 7);
    EXPECT_EQ(window.ShownSize(created).Width, 500);
    window.OptionItemClick(OptionItem::SettingSavePosition);
    EXPECT_EQ(window.Placement(created, host, 1024, 768).Left, 200) << "centred";
    State.SearchTargets = {2};
    for (const char* formula : {"OLD3", "new", "old1"}) {
        View.Keyword = formula;
        window.btnSearchClick();
    }
    window.FormClose({11, 22, 600, 450});
    EXPECT_EQ(Stored("Result", "SaveWindowPos"), "0");
    EXPECT_EQ(Stored("Result", "WindowLeft"), "7");
    EXPECT_EQ(Stored("Result", "SaveWindowSize"), "1");
    EXPECT_EQ(Stored("Result", "WindowWidth"), "600");
    EXPECT_EQ(Stored("Result", "WindowHeight"), "450");
    const char* expected[] = {"old1", "new",  "old3", "old2", "old4",
                              "old5", "old6", "old7", "old8", "old9"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Stored("Search", ("History" + std::to_string(i + 1)).c_str()), expected[i]);
    EXPECT_EQ(State.Store.Settings.History.size(), 10u) << "eleven formulas, ten kept";
}

TEST_F(ResultWindowTest, SearchWritesTheConfigurationRunsHiddenAndShowsTheResult) {
    Open("namazuOption=-x\r\n[AltURL]\r\nx1=d:\\old\\\r\nx2=\r\nx3=e:\\\r\n");
    State.SearchTargets = {6, 0};
    State.SearchFormula = "予算";
    Files.Files[kResult] = "stale";
    Runner.WhileWaiting = [this] {
        EXPECT_FALSE(View.WindowEnabled) << "disabled while namazu runs";
    };
    window.FormActivate();
    window.FormActivate();
    ASSERT_EQ(Runner.Calls.size(), 1u);
    EXPECT_EQ(Runner.Calls[0].CommandLine,
              "\"c:\\nmz\\bin\\namazu.exe\" --sort=score --max=\"20\" --output=\"result.txt\" -x "
              "\"予算\" +b002/b005/b006 +inbox");
    EXPECT_EQ(Runner.Calls[0].WorkDir, kWork);
    EXPECT_EQ(Runner.Calls[0].Mode, rmHidden);
    EXPECT_EQ(Files.Files[kWork + "\\namazurc"],
              "INDEX        c:\\al\\acc\\Namazu\r\nLang        ja_JP.SJIS\r\n"
              "REPLACE        x1/        /D|/old/\r\n"
              "REPLACE        account/        /C|/al/acc/\r\n");
    EXPECT_EQ(View.PaneTexts,
              (std::vector<std::string>{"検索中.....", "", "検索結果\r\n\r\n1. a (スコア: 1)"}));
    EXPECT_FALSE(Files.FileExists(kResult));
    EXPECT_TRUE(View.WindowEnabled);
    EXPECT_EQ(Runner.WaitRhythms, std::vector<unsigned>{100});
    EXPECT_TRUE(View.SearchEnabled);
    EXPECT_TRUE(View.CommandLineEnabled);
    EXPECT_TRUE(Ui.Boxes.empty());

    window.btnViewCommandLineClick();
    EXPECT_EQ(View.Clipboard, Runner.Calls[0].CommandLine);
    EXPECT_EQ(View.PaneTexts.back(), "WorkDir: \r\n" + kWork + "\r\n\r\nCommandLine: \r\n" +
                                         View.Clipboard +
                                         "\r\n\r\nコマンドラインは、クリップボードにコピー"
                                         "されています。");
}

TEST_F(ResultWindowTest, RefusalsAndFailuresShowTheirBoxes) {
    Open("");
    View.Keyword = "予算";
    window.btnSearchClick();
    State.SearchTargets = {1};
    View.Keyword = " 　　 ";
    window.btnSearchClick();
    View.Keyword = "　 　";
    View.SearchEnabled = false;
    window.btnSearchClick();
    EXPECT_TRUE(Runner.Calls.empty());
    View.SearchEnabled = true;

    Runner.Output = "";
    window.btnSearchClick();
    EXPECT_TRUE(Files.FileExists(kResult)) << "an empty result stays";
    Runner.Output = nullptr;
    Files.ReadOnly.insert(kResult);
    window.btnSearchClick();
    Files.ReadOnly.clear();
    Files.Files.erase(kResult);
    window.btnSearchClick();
    Files.ReadOnly.insert(kWork + "\\namazurc");
    window.btnSearchClick();
    EXPECT_TRUE(View.SearchEnabled);
    EXPECT_EQ(Runner.Calls.size(), 2u);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "error:検索するフォルダを選択してください。",
                              "error:検索式を入力してください。",
                              "warning:検索結果のファイルのサイズが 0 バイトです。\n" + kResult,
                              "error:検索結果のファイルを削除できません。\n" + kResult,
                              "warning:検索結果のファイルが見つかりません。\n" + kResult,
                              "message:" + kWork + "\\namazurc に書き込めません",
                          }));
    EXPECT_EQ(View.PaneTexts.back(), "検索中.....");
}

TEST_F(ResultWindowTest, FontCommandsAndNamazuHelp) {
    Open("[Result]\r\nFontSizeMail=x\r\nFontNameResult=Gothic\r\nFontSizeResult=11\r\n");
    // As the window's messages are handled: a failure ends up in the plain box.
    Shielded(Ui, [&] { window.FontClick(FontTarget::Mail); });
    window.FontClick(FontTarget::Result);
    View.FontChosen = true;
    window.FontClick(FontTarget::Result);
    ASSERT_EQ(View.FontPresets.size(), 2u);
    EXPECT_EQ(View.FontPresets[0].Name, "Gothic");
    EXPECT_EQ(View.FontPresets[0].Size, 11);
    EXPECT_EQ(State.Store.Settings.FontNameResult, "Arial");
    EXPECT_EQ(State.Store.Settings.FontSizeResult, "14");
    EXPECT_EQ(State.Store.Settings.FontBoldResult, "1");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "message:'x' は有効な整数値ではありません。",
                  "information:フォントの設定は次回ウィンドウを開いたときから有効です。"}));

    window.mnuHelpNamazuClick();
    State.Store.Settings.NamazuVersion = "1.3";
    window.mnuHelpNamazuClick();
    EXPECT_EQ(Shell.Opened,
              (std::vector<std::string>{"c:\\nmz\\share\\namazu\\doc\\ja\\manual.html",
                                        "c:\\nmz\\doc\\ja\\manual.html"}));
}

TEST_F(ResultWindowTest, ClickedHitOpensReloadsOnlyInFrontAndGoesToTheHostWithOrWithoutClosing) {
    const std::string result = Namazu20Result("\n");
    Runner.Output = result.c_str();
    Files.Files["C:\\al\\acc\\inbox.box\\3.alm"] = "Subject: x\r\n\r\nbody\r\n";
    Host.Mailbox = "C:\\al\\";
    Open("[Result]\r\nCloseOnMailView=0\r\n");
    State.SearchTargets = {0, 99, 1};
    State.SearchFormula = "予算";
    window.FormActivate();
    EXPECT_NE(View.PaneTexts.back().find("「郵便受け」  [ 予算: 2 ] \r\n(/al/acc/Namazu/inbox)"),
              std::string::npos)
        << "a target gone from the catalogue ends the folder titles";
    const std::string& pane = View.PaneTexts.back();
    const int32_t titleEnd =
        PanePositions(PaneLines(pane)).ToCharacter(static_cast<int32_t>(pane.find("計算の予算 (")));

    window.edtResultMouseUp(PaneCursor::HandPoint, true, titleEnd);
    window.edtResultMouseUp(PaneCursor::Default, false, titleEnd);
    EXPECT_TRUE(View.Subjects.empty()) << "a drag and a click beside the hits open nothing";
    window.edtResultMouseUp(PaneCursor::HandPoint, false, titleEnd);
    EXPECT_EQ(View.Subjects, (std::vector<std::string>{"2. 表計算の予算"}));
    window.ConvertClick(MailConversion::None);
    View.MailPageInFront = false;
    window.ConvertClick(MailConversion::JisToShiftJis);
    EXPECT_EQ(View.Subjects.size(), 2u) << "reloaded only while the mail page is in front";

    window.OpenInHost();
    EXPECT_TRUE(View.ReturnTimerStarted);
    EXPECT_FALSE(View.Closed);
    State.Store.Settings.CloseOnMailView = "1";
    window.OpenInHost();
    EXPECT_TRUE(View.Closed);
    EXPECT_EQ(Host.OpenedMails, (std::vector<std::string>(2, "acc\\inbox.box\\3")));
}

// The mail on display belongs to its window: the next one starts from its
// own first hit, whatever the last window showed.
TEST_F(ResultWindowTest, EachWindowStepsThroughItsOwnHits) {
    const std::string result = Namazu20Result("\n");
    Runner.Output = result.c_str();
    Open("");
    State.SearchTargets = {0, 1};
    State.SearchFormula = "予算";
    window.FormActivate();
    window.ShowMail(2);
    FakeResultView nextView;
    ResultWindow next{Services, nextView, HostWindow};
    next.FormCreate();
    next.FormActivate();
    next.btnNextClick();
    EXPECT_EQ(nextView.Subjects, (std::vector<std::string>{"2. 表計算の予算"}));
}

// Namazu's result text for hits first to last of total.
std::string ResultPageText(int first, int last, int total) {
    return "検索式にマッチする " + std::to_string(total) + " 個の文書が見つかりました。\n\n" +
           std::to_string(first) + ". a (score: 1)\n\n現在のリスト: " + std::to_string(first) +
           " - " + std::to_string(last) + "\n";
}

TEST_F(ResultWindowTest, MoreHitsThanAPageAreReachedPageByPage) {
    const std::string first = ResultPageText(1, 20, 45), second = ResultPageText(21, 40, 45);
    Runner.Output = first.c_str();
    Open("");
    State.SearchTargets = {0};
    State.SearchFormula = "予算";
    window.FormActivate();
    EXPECT_EQ(View.PageButtons, std::make_pair(false, true));
    EXPECT_NE(View.PaneTexts.back().find("全 45 件中 1 - 20 件を表示 (Ctrl+N: 次の 20 件)"),
              std::string::npos);
    window.PreviousPageClick();
    Runner.Output = second.c_str();
    window.NextPageClick();
    Runner.Output = first.c_str();
    window.PreviousPageClick();
    ASSERT_EQ(Runner.Calls.size(), 3u) << "no page before the first";
    std::string secondPage = Runner.Calls[0].CommandLine;
    secondPage.insert(secondPage.find(" --output"), " --whence=20");
    EXPECT_EQ(Runner.Calls[1].CommandLine, secondPage);
    EXPECT_EQ(Runner.Calls[2].CommandLine, Runner.Calls[0].CommandLine);
    window.btnViewCommandLineClick();
    EXPECT_EQ(View.Clipboard, Runner.Calls[2].CommandLine);

    const std::string whole = ResultPageText(1, 20, 20);
    Runner.Output = whole.c_str();
    window.btnSearchClick();
    EXPECT_EQ(View.PageButtons, std::make_pair(false, false)) << "one page has no pages beside it";
}

TEST_F(ResultWindowTest, TheMailPaneMarksTheFormulasWordsAndDecodesOnRequest) {
    const std::string result = Namazu20Result("\n");
    Runner.Output = result.c_str();
    Files.Files["C:\\al\\acc\\inbox.box\\3.alm"] =
        "Subject: =?UTF-8?B?5LqI566X?=\r\n\r\n予算 and 予算\r\n";
    Open("");
    State.SearchTargets = {0, 1};
    State.SearchFormula = "予算 not 会議";
    window.FormActivate();
    window.ShowMail(1);
    ASSERT_EQ(View.Mail.MarkStarts, (std::vector<int32_t>{31, 38}));
    window.edtMailNextMark(View.Mail.TopCharacter);
    EXPECT_EQ(View.MailCaret, 38);
    window.edtMailPreviousMark(38);
    EXPECT_EQ(View.MailCaret, 31);

    View.MailPageInFront = true;
    window.ConvertClick(MailConversion::Decoded);
    EXPECT_EQ(View.Mail.Text.substr(0, 15), "Subject: 予算\r\n");
    EXPECT_EQ(View.Mail.MarkStarts.front(), 9) << "the decoded subject is marked too";

    window.OptionItemClick(OptionItem::SettingNoColour);
    window.ShowMail(1);
    EXPECT_TRUE(View.Mail.Marks.empty()) << "without colours nothing is marked";
}

} // namespace
