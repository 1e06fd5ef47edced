// Shows a coloured namazu 2.0 result in a RichEdit pane the way the result
// window does, and compares it with a plain WM_SETTEXT of the same text, with
// the pane's repainting suspended as the window does: one RTF stream carrying
// text and colours; WM_SETTEXT followed by one EM_SETCHARFORMAT per coloured
// range; for colours off, the same stream without colours; and WM_SETTEXT without
// suspending repainting. Each figure is the best of a few runs taken in
// turns, painting included. "--large" takes instead one run of (b), (d) and
// (a) on a 2,965-hit result of about 1 MB, which takes many minutes.
#include "generated_result.h"
#include "platform/win32/rich_text_view.h"
#include "result/formula_terms.h"
#include "result/result_rendering.h"
#include "result/rich_text_document.h"
#include "result/word_marks.h"
#include "stopwatch.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

const int kFolders = 12;

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct Result {
    RenderedResult Rendered;
    HitList Hits;
};

class Pane {
public:
    Pane() {
        edit_ = CreateWindowExW(
            0, L"RichEdit20W", L"",
            WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 800,
            600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        AllowLongText(edit_);
        SetPaneFont();
    }
    ~Pane() { DestroyWindow(edit_); }

    bool Created() const { return edit_ != nullptr; }

    void StreamDocument(const std::string& document) { LoadRichText(edit_, document); }

    // How long the load takes on an empty pane, painting included. A pane
    // of many lines is emptied as the window does, by a new control.
    double Time(const std::function<void()>& load) {
        edit_ = EmptiedForNewText(edit_);
        SetWindowTextW(edit_, L"");
        PumpMessages();
        const LARGE_INTEGER start = Now();
        load();
        UpdateWindow(edit_);
        return SecondsSince(start);
    }

    void SetText(const std::string& text) {
        SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
        SetWindowTextW(edit_, WideFromShiftJis(text).c_str());
        SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(edit_, nullptr, TRUE);
    }

    void SetTextRepainting(const std::string& text) {
        SetWindowTextW(edit_, WideFromShiftJis(text).c_str());
    }

    void StreamRichText(const Result& result) {
        LoadRichText(edit_, RichTextDocument(result.Rendered.Text, result.Rendered.Colours));
    }

    void StreamPlainText(const Result& result) {
        LoadRichText(edit_, RichTextDocument(result.Rendered.Text, {}));
    }

    void SetTextAndFormatRanges(const Result& result) {
        SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
        SetWindowTextW(edit_, WideFromShiftJis(result.Rendered.Text).c_str());
        for (const ColouredRange& range : result.Rendered.Colours)
            FormatRange(range, result.Hits.Positions);
        CHARRANGE start{0, 0};
        SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
        SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(edit_, nullptr, TRUE);
    }

private:
    // The result pane's default font, which every load keeps.
    void SetPaneFont() {
        CHARFORMAT2W font;
        std::memset(&font, 0, sizeof font);
        font.cbSize = sizeof font;
        font.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_CHARSET;
        font.yHeight = 9 * 20;
        font.bCharSet = SHIFTJIS_CHARSET;
        const std::wstring face = WideFromShiftJis("ＭＳ Ｐゴシック");
        face.copy(font.szFaceName, LF_FACESIZE - 1);
        SendMessageW(edit_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&font));
    }

    void FormatRange(const ColouredRange& range, const PanePositions& positions) {
        CHARRANGE selection{positions.ToCharacter(range.Start),
                            positions.ToCharacter(range.Start + range.Length)};
        SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        CHARFORMAT2W format;
        std::memset(&format, 0, sizeof format);
        format.cbSize = sizeof format;
        format.dwMask = CFM_COLOR;
        format.crTextColor = RGB(range.Format.Red, range.Format.Green, range.Format.Blue);
        if (range.Format.BoldUnderlined) {
            format.dwMask |= CFM_BOLD | CFM_UNDERLINE;
            format.dwEffects = CFE_BOLD | CFE_UNDERLINE;
        }
        SendMessageW(edit_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }

    HWND edit_;
};

struct Method {
    const char* Name;
    std::function<void()> Load;
    double Best;
};

Result GeneratedResult(int hits) {
    Result result;
    result.Rendered =
        RenderResult(GeneratedNamazuResult(hits, kFolders), RenderOptions(), result.Hits);
    std::printf("%d hits: %zu bytes, %zu coloured ranges\n", result.Hits.HitCount(),
                result.Rendered.Text.size(), result.Rendered.Colours.size());
    return result;
}

// The methods take turns, round after round, so that a busy moment of the
// machine weighs on all of them alike.
void Measure(Pane& pane, int hits, int rounds) {
    const Result result = GeneratedResult(hits);
    Method methods[] = {
        {"(a) WM_SETTEXT, plain", [&] { pane.SetText(result.Rendered.Text); }, 1e30},
        {"(b) one RTF stream, coloured", [&] { pane.StreamRichText(result); }, 1e30},
        {"(c) WM_SETTEXT + EM_SETCHARFORMAT per range",
         [&] { pane.SetTextAndFormatRanges(result); }, 1e30},
        {"(d) one RTF stream, plain", [&] { pane.StreamPlainText(result); }, 1e30},
        {"(e) WM_SETTEXT, repainting not suspended",
         [&] { pane.SetTextRepainting(result.Rendered.Text); }, 1e30},
    };
    for (int round = 0; round < rounds; ++round) {
        for (Method& method : methods)
            method.Best = std::min(method.Best, pane.Time(method.Load));
    }
    const double plain = methods[0].Best;
    std::printf("best of %d:\n", rounds);
    for (const Method& method : methods) {
        std::printf("  %-45s %9.1f ms  %c/a %.2f\n", method.Name, method.Best * 1000,
                    method.Name[1], method.Best / plain);
    }
}

// One run of each, printed as it ends, with the plain WM_SETTEXT last as it
// takes longest.
void MeasureLarge(Pane& pane) {
    const Result result = GeneratedResult(2965);
    const double rich = pane.Time([&] { pane.StreamRichText(result); });
    std::printf("  (b) one RTF stream, coloured: %.1f s\n", rich);
    std::fflush(stdout);
    const double stream = pane.Time([&] { pane.StreamPlainText(result); });
    std::printf("  (d) one RTF stream, plain: %.1f s\n", stream);
    std::fflush(stdout);
    const double plain = pane.Time([&] { pane.SetText(result.Rendered.Text); });
    std::printf("  (a) WM_SETTEXT, plain: %.1f s  b/a %.2f  d/a %.2f\n", plain, rich / plain,
                stream / plain);
}

// A mail of about 1 MB in which the words of "会議 budget" come up once a
// line or so, loaded as the mail pane loads it: its RTF stream alone, and
// with the marks found, placed and painted.
void MeasureMarkedMail(Pane& pane, size_t bytes) {
    std::string mail = "Subject: 会議の予定\r\n\r\n";
    for (int line = 0; mail.size() < bytes; ++line) {
        mail += "来週の会議では新しい計画について話し合います。";
        mail += line % 4 == 0 ? "The budget is ready.\r\n" : "詳細は添付をご覧ください。\r\n";
    }
    const std::vector<FormulaTerm> terms = FormulaTerms("会議 budget");
    size_t markCount = 0;
    double plain = 1e30, marked = 1e30;
    for (int round = 0; round < 3; ++round) {
        plain =
            std::min(plain, pane.Time([&] { pane.StreamDocument(RichTextDocument(mail, {})); }));
        marked = std::min(marked, pane.Time([&] {
            const std::vector<MarkedRange> marks = WordMarks(mail, terms);
            MarkStarts(marks, PanePositions(PaneLines(mail)));
            markCount = marks.size();
            pane.StreamDocument(RichTextDocument(mail, {}, marks));
        }));
    }
    std::printf("a mail of %zu bytes, %zu marks, best of 3:\n", mail.size(), markCount);
    std::printf("  (f) one RTF stream, no marks                   %9.1f ms  f/f 1.00\n",
                plain * 1000);
    std::printf("  (g) marks found, placed and streamed           %9.1f ms  g/f %.2f\n",
                marked * 1000, marked / plain);
}

} // namespace

int main(int argc, char** argv) {
    if (!LoadRichEdit())
        return 1;
    Pane pane;
    if (!pane.Created())
        return 1;
    if (argc > 2 && std::strcmp(argv[1], "--mail") == 0) {
        MeasureMarkedMail(pane, static_cast<size_t>(std::atoi(argv[2])) * 1000);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--large") == 0) {
        MeasureLarge(pane);
        return 0;
    }
    Measure(pane, 100, 25);
    Measure(pane, 550, 3);
    MeasureMarkedMail(pane, 1000000);
    return 0;
}
