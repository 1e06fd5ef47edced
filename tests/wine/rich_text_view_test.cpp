#include "platform/win32/control_names.h"
#include "platform/win32/rich_text_view.h"
#include "result/formula_terms.h"
#include "result/result_rendering.h"
#include "result/rich_text_document.h"
#include "result/word_marks.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// What namazu 2.0 writes for a search over one index. The titles hold
// characters whose trail byte is '\', '{' or '}', and RTF specials.
std::string Namazu20Result() {
    const std::string gap = "\n\n\n\n\n";
    return "検索結果\n\n参考ヒット数: \n(/al/acc/Namazu/user001) [ 予算: 3 ] \n\n"
           "検索式にマッチする 3 個の文書が見つかりました。\n\n"
           "1. 予算表のソフト {案} (スコア: 18)\n著者: 山田 太郎 <taro@example.jp>\n"
           "日付: Tue, 1 Dec 2026 10:01:00 +0900\n"
           "C:\\予定\\表 にある表計算をご覧ください。\n"
           "/C|/al/acc/user001.box/1.alm (276 bytes)" +
           gap + "2. ＋±ｱｲｳ\\ (score: 1) (スコア: 9)\n著者: Jiro <j@example.jp>\n\n要約なし\n" +
           "/C|/al/acc/予定表/2.alm (234 bytes)" + gap +
           "3. Re: lunch (スコア: 2)\n/C|/al/acc/inbox.box/3.alm (235 bytes)" + gap +
           "現在のリスト: 1 - 3\n";
}

std::wstring WithSingleBreaks(const std::string& text) {
    std::wstring wide = WideFromShiftJis(text);
    for (size_t at = wide.find(L"\r\n"); at != std::wstring::npos; at = wide.find(L"\r\n", at))
        wide.erase(at + 1, 1);
    // A lead byte just before a break takes the CR as its trail byte.
    std::replace(wide.begin(), wide.end(), L'\n', L'\r');
    return wide;
}

const std::wstring kFontFace = WideFromShiftJis("ＭＳ Ｐゴシック");
const LONG kFontHeight = 9 * 20;

class RichTextViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadRichEdit());
        edit_ = CreateWindowExW(0, L"RichEdit20W", L"",
                                WS_POPUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 640, 480,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(edit_, nullptr);
        // The result pane's own font; RichEdit's default is bold.
        CHARFORMAT2W font{};
        font.cbSize = sizeof font;
        font.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_CHARSET;
        font.yHeight = kFontHeight;
        font.bCharSet = SHIFTJIS_CHARSET;
        kFontFace.copy(font.szFaceName, LF_FACESIZE - 1);
        SendMessageW(edit_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&font));
    }
    void TearDown() override { DestroyWindow(edit_); }

    std::wstring Text(int32_t first, int32_t end) {
        std::wstring text(static_cast<size_t>(end - first) + 1, L'\0');
        TEXTRANGEW range{{first, end}, &text[0]};
        const LRESULT length =
            SendMessageW(edit_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
        text.resize(static_cast<size_t>(length));
        return text;
    }

    std::wstring WholeText() {
        GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
        return Text(0, static_cast<int32_t>(SendMessageW(edit_, EM_GETTEXTLENGTHEX,
                                                         reinterpret_cast<WPARAM>(&how), 0)));
    }

    CHARFORMAT2W FormatOf(int32_t first, int32_t end) {
        CHARRANGE selection{first, end};
        SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }

    static std::string Hex(COLORREF colour) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                      GetBValue(colour));
        return hex;
    }

    // How every character from first up to end looks: "auto" or the
    // colour as RRGGBB, then " bold" and " underlined"; "mixed" when they
    // differ. The whole range also shows in the pane's font.
    std::string Look(int32_t first, int32_t end) {
        const CHARFORMAT2W format = FormatOf(first, end);
        EXPECT_EQ(format.szFaceName, kFontFace);
        EXPECT_EQ(format.yHeight, kFontHeight);
        const DWORD mask = CFM_COLOR | CFM_BOLD | CFM_UNDERLINE;
        if ((format.dwMask & mask) != mask)
            return "mixed";
        std::string look = format.dwEffects & CFE_AUTOCOLOR ? "auto" : Hex(format.crTextColor);
        if (format.dwEffects & CFE_BOLD)
            look += " bold";
        if (format.dwEffects & CFE_UNDERLINE)
            look += " underlined";
        return look;
    }

    // The background of every character from first up to end: "auto" or
    // the colour as RRGGBB.
    std::string Background(int32_t first, int32_t end) {
        const CHARFORMAT2W format = FormatOf(first, end);
        EXPECT_TRUE(format.dwMask & CFM_BACKCOLOR);
        return format.dwEffects & CFE_AUTOBACKCOLOR ? "auto" : Hex(format.crBackColor);
    }

    HWND edit_ = nullptr;
};

TEST_F(RichTextViewTest, ColouredResultPaintsEveryHitWhereItsPositionsSay) {
    HitList hits;
    const RenderedResult rendered = RenderResult(Namazu20Result(), RenderOptions(), hits);
    ASSERT_EQ(hits.HitCount(), 3);

    ASSERT_TRUE(LoadRichText(edit_, RichTextDocument(rendered.Text, rendered.Colours)));
    EXPECT_EQ(SendMessageW(edit_, EM_GETSEL, 0, 0), 0); // the caret at the start
    EXPECT_EQ(WholeText(), WithSingleBreaks(rendered.Text));
    for (const TClickableInfo& hit : hits.Clickables) {
        SCOPED_TRACE(hit.Title);
        const int32_t titleStart = hits.Positions.ToCharacter(hit.TitleStart);
        const int32_t titleEnd = hits.Positions.ToCharacter(hit.TitleEnd) + 1;
        EXPECT_EQ(Text(titleStart, titleEnd), WideFromShiftJis(hit.Title));
        EXPECT_EQ(Look(titleStart, titleEnd), "0000ff bold underlined");
        EXPECT_EQ(Look(titleEnd, titleEnd + 1), "auto");
        const int32_t uriStart = hits.Positions.ToCharacter(hit.UriStart);
        const int32_t uriEnd = hits.Positions.ToCharacter(hit.UriEnd) + 1;
        EXPECT_EQ(Text(uriStart, uriEnd), WideFromShiftJis(hit.Uri));
        EXPECT_EQ(Look(uriStart, uriEnd), "008080");
        EXPECT_EQ(Look(uriEnd, uriEnd + 1), "auto");
    }
}

TEST_F(RichTextViewTest, TheLoadShowsTheTextAsItIsWithTheCaretOnTheLineAtTheTop) {
    // A last empty line, a lead byte before a break, and a text that starts
    // like RTF.
    const std::string texts[] = {"予算\r\n表\r\n", "x\x83\r\n{\\rtf1 ソ}", ""};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(LoadRichText(edit_, RichTextDocument(text, {})));
        EXPECT_EQ(WholeText(), WithSingleBreaks(text));
    }
    std::string lines;
    for (int line = 0; line < 300; ++line)
        lines += "line " + std::to_string(line) + "\r\n";
    const int32_t line100 = static_cast<int32_t>(lines.find("line 100")) - 100;
    ASSERT_TRUE(LoadRichText(edit_, RichTextDocument(lines, {}), line100));
    EXPECT_EQ(SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0), 100);
    EXPECT_EQ(LOWORD(SendMessageW(edit_, EM_GETSEL, 0, 0)), line100);
}

TEST_F(RichTextViewTest, MarkedWordsShowTheMarkBackgroundOverTheirColours) {
    // Characters: 会 議 CR x 予 定 y 会 議; the mark of 予定 runs out of a
    // coloured range.
    const std::string text = "会議\r\nx予定y会議";
    const std::vector<MarkedRange> marks = WordMarks(text, FormulaTerms("会議 or 予定"));
    ASSERT_EQ(marks.size(), 3u);
    ASSERT_TRUE(LoadRichText(edit_, RichTextDocument(text, {{6, 3, kUriFormat}}, marks)));
    EXPECT_EQ(WholeText(), WithSingleBreaks(text));
    const std::vector<int32_t> starts = MarkStarts(marks, PanePositions(PaneLines(text)));
    EXPECT_EQ(starts, (std::vector<int32_t>{0, 4, 7}));
    EXPECT_EQ(Background(0, 2), "ffff00");
    EXPECT_EQ(Background(2, 4), "auto");
    EXPECT_EQ(Background(4, 6), "ffff00");
    EXPECT_EQ(Look(3, 5), "008080");
    EXPECT_EQ(Look(5, 6), "auto");
    EXPECT_EQ(Background(6, 7), "auto");
    EXPECT_EQ(Background(7, 9), "ffff00");
}

} // namespace

namespace {

// Deleting thousands of lines takes Wine's RichEdit minutes: such a control
// is swapped for an empty copy that its window cannot tell apart.
TEST(RichTextViewCopy, AControlOfManyLinesBecomesAnEmptyCopyInItsPlace) {
    ASSERT_TRUE(LoadRichEdit());
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, instance, nullptr);
    const auto child = [&](const wchar_t* className, int id, int left) {
        return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, left, 6,
                               100, 80, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance, nullptr);
    };
    HWND edit = child(L"RichEdit20W", 77, 5);
    HWND next = child(L"STATIC", 78, 150);
    NameControl(edit, "edtMail");
    AllowLongText(edit);
    HFONT font = CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0,
                             0, 0, kFontFace.c_str());
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const auto defaultFormat = [](HWND control) {
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(control, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        return std::make_pair(std::wstring(format.szFaceName), format.yHeight);
    };
    const auto formatBefore = defaultFormat(edit);
    ASSERT_EQ(formatBefore.first, kFontFace);
    SetFocus(edit);

    ASSERT_TRUE(LoadRichText(edit, RichTextDocument("a short mail\r\n", {})));
    EXPECT_EQ(EmptiedForNewText(edit), edit);
    std::string lines;
    for (int line = 0; line < 3000; ++line)
        lines += "line\r\n";
    ASSERT_TRUE(LoadRichText(edit, RichTextDocument(lines, {})));
    HWND copy = EmptiedForNewText(edit);
    ASSERT_NE(copy, edit);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(GetDlgItem(window, 77), copy);
    EXPECT_EQ(GetWindowTextLengthW(copy), 0);
    EXPECT_EQ(ControlName(copy), "edtMail");
    EXPECT_EQ(GetWindow(copy, GW_HWNDNEXT), next);
    EXPECT_EQ(defaultFormat(copy), formatBefore);
    EXPECT_EQ(SendMessageW(copy, EM_GETLIMITTEXT, 0, 0), 64 * 1024 * 1024);
    EXPECT_EQ(GetFocus(), copy);
    RECT place;
    GetWindowRect(copy, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 5);
    EXPECT_EQ(place.top, 6);
    DestroyWindow(window);
    DeleteObject(font);
}

} // namespace
