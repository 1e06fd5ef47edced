#pragma once

#include "platform/handles.h"
#include "platform/search_dialog_end.h"
#include "result/mail_preview.h"
#include "result/result_rendering.h"

#include <cstdint>

#include <string>
#include <vector>

// A pane font as stored: face name, size in points and boldness.
struct PaneFont {
    std::string Name;
    int Size = 9;
    bool Bold = false;
};

// The result window as its logic sees it: the Win32 window renders what it
// is told and reports what the user typed.
class ResultView {
public:
    virtual ~ResultView() = default;

    virtual WindowHandle Window() = 0;
    virtual std::string KeywordText() = 0;
    virtual void SetKeywordText(const std::string& text) = 0;
    virtual void ShowKeywordItems(const std::vector<std::string>& items) = 0;
    virtual bool IsSearchEnabled() = 0;
    virtual void SetSearchEnabled(bool enabled) = 0;
    virtual void EnableCommandLineButton() = 0;
    // The whole window, while namazu.exe runs.
    virtual void SetWindowEnabled(bool enabled) = 0;
    // TabSheet0 to the front and the focus in edtResult.
    virtual void ShowResultPage() = 0;
    // Replaces the result pane's text, plain, and paints it.
    virtual void ShowPaneText(const std::string& text) = 0;
    // Shows a rendered result file, coloured, in the result pane.
    virtual void ShowResult(const RenderedResult& result) = 0;
    // edtResult's caret, with nothing selected, scrolled into view.
    virtual void SetResultCaret(int32_t character) = 0;
    // The buttons to the pages beside the one shown, each enabled when
    // there is such a page.
    virtual void ShowPageButtons(bool previous, bool next) = 0;
    // TabSheet1 to the front, the focus in edtMail, and the mail in it.
    virtual void ShowMailPage(const MailView& mail) = 0;
    virtual bool IsMailPageInFront() = 0;
    // edtMail's caret, as for edtResult.
    virtual void SetMailCaret(int32_t character) = 0;
    // From now on the window comes back whenever the host's window is active.
    virtual void StartReturnTimer() = 0;
    virtual void CloseWindow() = 0;
    virtual void CopyToClipboard(const std::string& text) = 0;
    // The font dialog preset with font; false when cancelled.
    virtual bool PickFont(PaneFont& font) = 0;
    // The search dialog over this window with its keyword list.
    virtual SearchDialogEnd ShowSearchDialog(const std::vector<std::string>& keywordItems) = 0;
    virtual void ShowAboutBox() = 0;
};
