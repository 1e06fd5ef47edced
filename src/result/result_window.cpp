#include "result/result_window.h"

#include "catalogue/path_utilities.h"
#include "platform/plugin_error.h"
#include "result/formula_history.h"
#include "search/search_formula.h"
#include "search/search_text.h"
#include "settings/integer_text.h"
#include "text/shift_jis.h"

#include <optional>

namespace {

const char kDefaultFontName[] = "ＭＳ Ｐゴシック";
const int kDefaultFontSize = 9;

struct FontKeys {
    std::string TSettings::*Name;
    std::string TSettings::*Size;
    std::string TSettings::*Bold;
};

FontKeys KeysOf(FontTarget target) {
    if (target == FontTarget::Result)
        return {&TSettings::FontNameResult, &TSettings::FontSizeResult, &TSettings::FontBoldResult};
    return {&TSettings::FontNameMail, &TSettings::FontSizeMail, &TSettings::FontBoldMail};
}

// A pane's font as the settings hold it; nothing when its size is no integer.
std::optional<PaneFont> SettingsFont(const TSettings& settings, FontTarget target) {
    const FontKeys keys = KeysOf(target);
    const std::optional<int> size = ParseInteger(settings.*keys.Size);
    if (!size)
        return std::nullopt;
    return PaneFont{settings.*keys.Name, *size, settings.*keys.Bold == "1"};
}

// The font a pane opens with: the stored one, the default face for none,
// the default size for one that is no integer.
PaneFont OpeningFont(const TSettings& settings, FontTarget target) {
    const FontKeys keys = KeysOf(target);
    PaneFont font =
        SettingsFont(settings, target)
            .value_or(PaneFont{settings.*keys.Name, kDefaultFontSize, settings.*keys.Bold == "1"});
    if (font.Name.empty())
        font.Name = kDefaultFontName;
    return font;
}

} // namespace

bool ResultWindow::IsNamazu13() const {
    return ::IsNamazu13(Settings());
}

void ResultWindow::FormCreate() {
    const TSettings& settings = Settings();
    options_ = ResultOptionsFromSettings(settings);
    resultFont_ = OpeningFont(settings, FontTarget::Result);
    mailFont_ = OpeningFont(settings, FontTarget::Mail);
    keywordItems_ = FormulaHistoryItems(settings);
    view_.ShowKeywordItems(keywordItems_);
    showsCommandLine_ = settings.ConfirmCommandLine == "1";
    last_ = LastRun();
}

WindowRect ResultWindow::Placement(const WindowRect& window, const WindowRect& host,
                                   int screenWidth, int screenHeight) const {
    WindowRect placed = window;
    if (options_.SavePosition) {
        placed.Left = IntegerOr(Settings().WindowLeft, window.Left);
        placed.Top = IntegerOr(Settings().WindowTop, window.Top);
    } else {
        placed = CentreOnOwner(window, host);
    }
    return KeepOnScreen(placed, screenWidth, screenHeight);
}

WindowRect ResultWindow::ShownSize(const WindowRect& window) const {
    WindowRect shown = window;
    if (options_.SaveSize) {
        shown.Width = IntegerOr(Settings().WindowWidth, window.Width);
        shown.Height = IntegerOr(Settings().WindowHeight, window.Height);
    }
    return shown;
}

void ResultWindow::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    if (services_.Search.SearchFormula.empty())
        return;
    view_.SetKeywordText(services_.Search.SearchFormula);
    btnSearchClick();
}

void ResultWindow::btnSearchClick() {
    if (!view_.IsSearchEnabled())
        return;
    SearchWith(TrimControlCharacters(view_.KeywordText()));
}

void ResultWindow::SearchWith(const std::string& formula, int whence) {
    // The button comes back however the search ends, a failure included.
    struct SearchEnd {
        ResultView& View;
        ~SearchEnd() { View.SetSearchEnabled(true); }
    } end{view_};
    hits_.Clear();
    RememberPage(std::nullopt);
    SearchOutcome outcome = run_.RunSearch(formula, options_, keywordItems_, whence);
    keywordItems_ = std::move(outcome.KeywordItems);
    if (outcome.Ran)
        last_ = std::move(*outcome.Ran);
    hits_ = std::move(outcome.Hits);
    RememberPage(outcome.Page);
}

void ResultWindow::RememberPage(const std::optional<ResultPage>& page) {
    page_ = page;
    view_.ShowPageButtons(page_ && HasPreviousPage(*page_), page_ && HasNextPage(*page_));
}

void ResultWindow::NextPageClick() {
    if (page_ && HasNextPage(*page_) && view_.IsSearchEnabled())
        SearchWith(services_.Search.SearchFormula, NextPageWhence(*page_));
}

void ResultWindow::PreviousPageClick() {
    if (page_ && HasPreviousPage(*page_) && view_.IsSearchEnabled())
        SearchWith(services_.Search.SearchFormula,
                   PreviousPageWhence(*page_, PageSize(options_.Count)));
}

void ResultWindow::btnSetCriteriaClick() {
    if (view_.ShowSearchDialog(keywordItems_) != SearchDialogEnd::Search)
        return;
    view_.SetKeywordText(services_.Search.SearchFormula);
    btnSearchClick();
}

void ResultWindow::btnViewCommandLineClick() {
    hits_.Clear();
    view_.ShowResultPage();
    view_.ShowPaneText(CommandLineViewText(last_.WorkDir, last_.CommandLine));
    view_.CopyToClipboard(last_.CommandLine);
}

void ResultWindow::OptionItemClick(OptionItem item) {
    ClickOptionItem(item, IsNamazu13(), options_, Settings());
    const ItemGroup group = GroupOf(item);
    if (group == ItemGroup::Setting || Settings().SearchOnChangeSettings != "1")
        return;
    const bool sorts = group == ItemGroup::Sort || group == ItemGroup::Direction;
    if (sorts && services_.Search.SearchFormula.empty())
        return;
    SearchWith(services_.Search.SearchFormula);
}

void ResultWindow::FontClick(FontTarget target) {
    const FontKeys keys = KeysOf(target);
    TSettings& settings = Settings();
    std::optional<PaneFont> font = SettingsFont(settings, target);
    if (!font)
        throw PluginError("'" + settings.*keys.Size + "' は有効な整数値ではありません。");
    if (!view_.PickFont(*font))
        return;
    settings.*keys.Name = font->Name;
    settings.*keys.Size = std::to_string(font->Size);
    settings.*keys.Bold = font->Bold ? "1" : "0";
    services_.Ui.ShowInformation(view_.Window(), "tarnwick for Namazu",
                                 "フォントの設定は次回ウィンドウを開いたときから有効です。");
}

void ResultWindow::ConvertClick(MailConversion conversion) {
    conversion_ = conversion;
    if (view_.IsMailPageInFront())
        ShowMail(mail_.CurrentIndex);
}

void ResultWindow::edtResultEnter(int32_t caret) {
    ShowMail(HitToOpen(hits_, caret));
}

void ResultWindow::edtResultNextHit(int32_t caret) {
    if (const std::optional<int32_t> target = NextHitCaret(hits_, caret))
        view_.SetResultCaret(*target);
}

void ResultWindow::edtResultPreviousHit(int32_t caret) {
    if (const std::optional<int32_t> target = PreviousHitCaret(hits_, caret))
        view_.SetResultCaret(*target);
}

PaneCursor ResultWindow::edtResultMouseMove(int32_t character) const {
    return CursorOver(hits_, character);
}

void ResultWindow::edtResultMouseUp(PaneCursor cursor, bool hasSelection, int32_t caret) {
    ShowMail(HitToOpenOnPress(hits_, cursor, true, hasSelection, caret));
}

// Colouring off marks nothing either.
void ResultWindow::ShowMail(int index) {
    const std::vector<FormulaTerm> terms = options_.NoColour
                                               ? std::vector<FormulaTerm>()
                                               : FormulaTerms(services_.Search.SearchFormula);
    if (const std::optional<MailView> mail = preview_.SelectMail(index, conversion_, terms)) {
        markStarts_ = mail->MarkStarts;
        view_.ShowMailPage(*mail);
    }
}

void ResultWindow::edtMailNextMark(int32_t caret) {
    if (const std::optional<int32_t> mark = NextMark(markStarts_, caret))
        view_.SetMailCaret(*mark);
}

void ResultWindow::edtMailPreviousMark(int32_t caret) {
    if (const std::optional<int32_t> mark = PreviousMark(markStarts_, caret))
        view_.SetMailCaret(*mark);
}

void ResultWindow::OpenInHost() {
    if (preview_.OpenInHost(host_, Settings()))
        view_.CloseWindow();
    else
        view_.StartReturnTimer();
}

void ResultWindow::mnuHelpNamazuClick() {
    services_.Opener.OpenWithShell(NamazuManualPath(Settings()));
}

void ResultWindow::FormClose(const WindowRect& window) {
    TSettings& settings = Settings();
    settings.SaveWindowPos = options_.SavePosition ? "1" : "0";
    if (options_.SavePosition) {
        settings.WindowLeft = std::to_string(window.Left);
        settings.WindowTop = std::to_string(window.Top);
    }
    settings.SaveWindowSize = options_.SaveSize ? "1" : "0";
    if (options_.SaveSize) {
        settings.WindowWidth = std::to_string(window.Width);
        settings.WindowHeight = std::to_string(window.Height);
    }
    StoreFormulaHistory(keywordItems_, settings);
    SettingsStore& store = services_.Search.Store;
    store.SaveSettings(store.IniFileName);
}

std::string CommandLineViewText(const std::string& workDir, const std::string& commandLine) {
    return "WorkDir: \r\n" + workDir + "\r\n\r\nCommandLine: \r\n" + commandLine +
           "\r\n\r\nコマンドラインは、クリップボードにコピーされています。";
}

std::string NamazuManualPath(const TSettings& settings) {
    const std::string& path = settings.namazuPath;
    const size_t q = FindNthFromEnd(path, "\\", 2);
    const std::string base = path.substr(0, ByteOffsetOfCharacter(path, q));
    return base +
           (IsNamazu13(settings) ? "doc\\ja\\manual.html" : "share\\namazu\\doc\\ja\\manual.html");
}
