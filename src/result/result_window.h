#pragma once

#include "platform/window_placement.h"
#include "result/hit_navigation.h"
#include "result/mail_preview.h"
#include "result/result_options.h"
#include "result/result_page.h"
#include "result/result_services.h"
#include "result/result_view.h"
#include "result/search_run.h"

#include <string>
#include <vector>

enum class FontTarget { Result, Mail };

// The result window TfrmResult without its window: what it takes from the
// settings when created, what each event does and what closing stores. The
// Win32 window forwards its events here and renders through the view.
class ResultWindow {
public:
    ResultWindow(ResultServices& services, ResultView& view, WindowHandle host)
        : services_(services), view_(view), host_(host), run_(services, view, host),
          preview_(services.Files, services.Host, services.Ui, hits_, mail_) {}

    // Applies the settings to the menus, fonts, history and buttons.
    void FormCreate();
    // Where the window goes: the saved position or centred on the host,
    // then kept on the screen. window is its rectangle as created.
    WindowRect Placement(const WindowRect& window, const WindowRect& host, int screenWidth,
                         int screenHeight) const;
    // The size once shown: the saved one when size saving is on.
    WindowRect ShownSize(const WindowRect& window) const;
    // The first activation searches with SearchFormula.
    void FormActivate();

    void btnSearchClick();
    void btnSetCriteriaClick();
    void btnViewCommandLineClick();
    void OptionItemClick(OptionItem item);
    void FontClick(FontTarget target);
    // The conversion radio items; the mail on display follows the new
    // choice only while its page is in front.
    void ConvertClick(MailConversion conversion);
    MailConversion Conversion() const { return conversion_; }
    void mnuHelpNamazuClick();
    void mnuHelpAboutClick() { view_.ShowAboutBox(); }
    // The keys and mouse of edtResult, in its RichEdit positions.
    void edtResultEnter(int32_t caret);
    void edtResultNextHit(int32_t caret);
    void edtResultPreviousHit(int32_t caret);
    // The pages of a search that found more hits than one page holds.
    void NextPageClick();
    void PreviousPageClick();
    PaneCursor edtResultMouseMove(int32_t character) const;
    // The left button released with the caret where it was pressed.
    void edtResultMouseUp(PaneCursor cursor, bool hasSelection, int32_t caret);

    // Hit index in the mail pane; nothing when there is no such hit (-1
    // included).
    void ShowMail(int index);
    void btnPreviousClick() { ShowMail(mail_.CurrentIndex - 1); }
    void btnNextClick() { ShowMail(mail_.CurrentIndex + 1); }
    // Shift+Enter in edtMail and btnMailView.
    void OpenInHost();
    // F3 and Shift+F3 in edtMail: the caret to the next or previous mark.
    void edtMailNextMark(int32_t caret);
    void edtMailPreviousMark(int32_t caret);

    // Stores the save flags, the window's place when asked to, the history,
    // then saves the settings.
    void FormClose(const WindowRect& window);

    const ResultOptions& Options() const { return options_; }
    bool IsNamazu13() const;
    const PaneFont& ResultFont() const { return resultFont_; }
    const PaneFont& MailFont() const { return mailFont_; }
    bool ShowsCommandLineButton() const { return showsCommandLine_; }

private:
    void SearchWith(const std::string& formula, int whence = 0);
    void RememberPage(const std::optional<ResultPage>& page);
    TSettings& Settings() { return services_.Search.Store.Settings; }
    const TSettings& Settings() const { return services_.Search.Store.Settings; }

    ResultServices& services_;
    ResultView& view_;
    WindowHandle host_;
    SearchRun run_;
    // The hits of the text the result pane shows, and the mail on display.
    HitList hits_;
    MailSelection mail_;
    MailPreview preview_;
    ResultOptions options_;
    PaneFont resultFont_;
    PaneFont mailFont_;
    std::vector<std::string> keywordItems_;
    bool showsCommandLine_ = false;
    bool activated_ = false;
    MailConversion conversion_ = MailConversion::JisToShiftJis;
    // The marks of the mail on display.
    std::vector<int32_t> markStarts_;
    // The page of the result on display, when Namazu said which it is.
    std::optional<ResultPage> page_;
    LastRun last_;
};

// The command-line view: where and how namazu.exe ran last.
std::string CommandLineViewText(const std::string& workDir, const std::string& commandLine);

// The Namazu manual beside the configured namazu.exe.
std::string NamazuManualPath(const TSettings& settings);
