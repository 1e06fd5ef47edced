#include "result/win32/result_form.h"

#include "platform/win32/control_names.h"
#include "platform/win32/control_text.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/dialog_placement.h"
#include "platform/win32/hint_tooltips.h"
#include "platform/win32/rich_text_view.h"
#include "result/result_window.h"
#include "result/win32/result_resource.h"
#include "result/win32/rich_edit_pane.h"
#include "search/win32/dialog_controls.h"
#include "search/win32/search_form.h"
#include "settings/win32/about_box.h"
#include "text/win32/text_encoding.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <windowsx.h>

#include <iterator>

namespace {

const NamedControl kControls[] = {
    {IDC_RESULT_LABEL1, "Label1"},
    {IDC_RESULT_KEYWORD, "cboKeyword"},
    {IDC_RESULT_SEARCH, "btnSearch"},
    {IDC_RESULT_PAGE, "pge"},
    {IDC_RESULT_EDT_RESULT, "edtResult"},
    {IDC_RESULT_LABEL2, "Label2"},
    {IDC_RESULT_SUBJECT, "pnlSubject"},
    {IDC_RESULT_PREVIOUS, "btnPrevious"},
    {IDC_RESULT_NEXT, "btnNext"},
    {IDC_RESULT_MAIL_VIEW, "btnMailView"},
    {IDC_RESULT_PREVIOUS_PAGE, "btnPreviousPage"},
    {IDC_RESULT_NEXT_PAGE, "btnNextPage"},
    {IDC_RESULT_EDT_MAIL, "edtMail"},
    {IDC_RESULT_LABEL3, "Label3"},
    {IDC_RESULT_VIEW_COMMAND_LINE, "btnViewCommandLine"},
    {IDC_RESULT_SET_CRITERIA, "btnSetCriteria"},
    {IDCANCEL, "btnClose"},
};

// The controls of each tab page, shown while their page is in front; the
// page buttons only while there are pages.
const int kResultPage[] = {IDC_RESULT_EDT_RESULT, IDC_RESULT_LABEL2};
const int kPageButtons[] = {IDC_RESULT_PREVIOUS_PAGE, IDC_RESULT_NEXT_PAGE};
const int kMailPage[] = {IDC_RESULT_SUBJECT,   IDC_RESULT_PREVIOUS, IDC_RESULT_NEXT,
                         IDC_RESULT_MAIL_VIEW, IDC_RESULT_EDT_MAIL, IDC_RESULT_LABEL3};
const int kMailButtons[] = {IDC_RESULT_PREVIOUS, IDC_RESULT_NEXT, IDC_RESULT_MAIL_VIEW};

const int kDesignClientWidth = 537;
const int kDesignClientHeight = 337;
const int kMinimumWidth = 450;
const int kMinimumHeight = 300;

// The conversion menu's radio items, in menu order.
struct ConversionItem {
    int Id;
    MailConversion Conversion;
};
const ConversionItem kConversionItems[] = {
    {IDM_CONVERT_JIS_TO_SJIS, MailConversion::JisToShiftJis},
    {IDM_CONVERT_NONE, MailConversion::None},
    {IDM_CONVERT_DECODED, MailConversion::Decoded},
};

const char kSortNoneHint[] = "指定しないときはスコア順に表示されます";

// Posted on activation, so that the first search starts once the window is
// on the screen.
const UINT WM_APP_ACTIVATED = WM_APP + 1;

// tmr: brings the window back over the host's once a mail went there.
const UINT_PTR kReturnTimer = 1;
const UINT kReturnIntervalMs = 200;

const wchar_t kCtrlN = 0x0E;
const wchar_t kCtrlP = 0x10;

bool IsShiftDown() {
    return GetKeyState(VK_SHIFT) < 0;
}

// Enter and Esc reach the panes as typed characters, not as the dialog's
// default and cancel buttons.
bool IsPaneKey(const MSG* message) {
    return message != nullptr && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
           (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE);
}

constexpr OptionItem OptionItemOf(int commandId) {
    return static_cast<OptionItem>(commandId - IDM_OPTION_FIRST);
}
// A new item out of step with the menu ids fails here, not as its neighbour.
static_assert(OptionItemOf(IDM_OPTION_FIRST) == OptionItem::SortEarlier);
static_assert(OptionItemOf(IDM_OPTION_LAST) == OptionItem::SettingSaveSize);

int PointsToPixels(HWND window, int points) {
    HDC dc = GetDC(window);
    const int pixels = MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(window, dc);
    return pixels;
}

UINT ItemPosition(HMENU menu, UINT id) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (GetMenuItemID(menu, i) == id)
            return static_cast<UINT>(i);
    }
    return 0;
}

LOGFONTW LogFontOf(HWND window, const PaneFont& font) {
    LOGFONTW face = {};
    face.lfHeight = -PointsToPixels(window, font.Size);
    face.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    face.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(face.lfFaceName, WideFromShiftJis(font.Name).c_str(), LF_FACESIZE);
    return face;
}

class TfrmResult : public DialogBase, public ResultView {
public:
    TfrmResult(ResultServices& services, HWND host)
        : host_(host), search_(services.Search), logic_(services, *this, host) {}
    ~TfrmResult() override {
        for (HFONT font : fonts_)
            DeleteObject(font);
    }

    // ResultView
    WindowHandle Window() override { return Handle(); }
    std::string KeywordText() override { return ControlText(Item(IDC_RESULT_KEYWORD)); }
    void SetKeywordText(const std::string& text) override {
        SetControlText(Item(IDC_RESULT_KEYWORD), text);
    }
    void ShowKeywordItems(const std::vector<std::string>& items) override;
    bool IsSearchEnabled() override { return IsWindowEnabled(Item(IDC_RESULT_SEARCH)) != FALSE; }
    void SetSearchEnabled(bool enabled) override { EnableWindow(Item(IDC_RESULT_SEARCH), enabled); }
    void EnableCommandLineButton() override {
        EnableWindow(Item(IDC_RESULT_VIEW_COMMAND_LINE), TRUE);
    }
    void SetWindowEnabled(bool enabled) override { EnableWindow(Handle(), enabled); }
    void ShowResultPage() override;
    void ShowPaneText(const std::string& text) override;
    void ShowResult(const RenderedResult& result) override;
    void SetResultCaret(int32_t character) override {
        SetCaret(Item(IDC_RESULT_EDT_RESULT), character);
    }
    void ShowPageButtons(bool previous, bool next) override;
    void ShowMailPage(const MailView& mail) override;
    bool IsMailPageInFront() override {
        return SendMessageW(Item(IDC_RESULT_PAGE), TCM_GETCURSEL, 0, 0) == 1;
    }
    void SetMailCaret(int32_t character) override {
        SetCaret(Item(IDC_RESULT_EDT_MAIL), character);
    }
    void StartReturnTimer() override {
        SetTimer(Handle(), kReturnTimer, kReturnIntervalMs, nullptr);
    }
    void CloseWindow() override { FormClose(); }
    void CopyToClipboard(const std::string& text) override;
    bool PickFont(PaneFont& font) override;
    SearchDialogEnd ShowSearchDialog(const std::vector<std::string>& keywordItems) override {
        return ShowSearchDialogOverResult(host_, search_, Handle(), keywordItems);
    }
    void ShowAboutBox() override { ::ShowAboutBox(Handle()); }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK PaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    LRESULT OnPaneMessage(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnResultKey(wchar_t key);
    bool OnMailKeyDown(WPARAM key);
    bool OnMailKey(wchar_t key);
    void OnResultMouseMove(LPARAM point);
    bool OnResultSetCursor();
    void OnResultMouseUp();
    void tmrTimer();
    void FormCreate();
    void PlaceWindow();
    void OnCommand(int id, int code);
    void OnActivate(bool active);
    void OnInitMenuPopup(HMENU menu);
    void OnMinMaxInfo(MINMAXINFO& info);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    void OnPageChange();
    void FormClose();
    void Layout();
    void ShowPage(int page);
    void ShowPageButtonWindows(bool resultPageInFront);
    void SetPaneFont(int id, const PaneFont& font);
    void Subclass(HWND pane);
    HWND PaneForNewText(int id);
    void PutHelpMenuAtRightEnd();
    void SetDefaultButton(bool searchIsDefault);

    HWND host_;
    SearchServices& search_;
    ResultWindow logic_;
    std::vector<HFONT> fonts_;
    HintTooltips hints_;
    PaneCursor resultCursor_ = PaneCursor::Default;
    bool showsPageButtons_ = false;
};

INT_PTR TfrmResult::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        FormCreate();
        return FALSE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code != TCN_SELCHANGE)
            return FALSE;
        OnPageChange();
        return TRUE;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return FALSE;
    case WM_APP_ACTIVATED:
        logic_.FormActivate();
        return TRUE;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return TRUE;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return TRUE;
    case WM_EXITMENULOOP:
        hints_.ShowTrackingHint(false, {});
        return TRUE;
    case WM_GETMINMAXINFO:
        OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case WM_SIZE:
        Layout();
        return TRUE;
    case WM_CLOSE:
        FormClose();
        return TRUE;
    case WM_TIMER:
        if (wParam == kReturnTimer)
            tmrTimer();
        return TRUE;
    default:
        return FALSE;
    }
}

void TfrmResult::FormCreate() {
    for (const NamedControl& control : kControls)
        NameControl(Item(control.Id), control.Name);
    for (int pane : {IDC_RESULT_EDT_RESULT, IDC_RESULT_EDT_MAIL}) {
        AllowLongText(Item(pane));
        Subclass(Item(pane));
    }
    hints_.Create(Handle());
    hints_.Add(Item(IDC_RESULT_PREVIOUS), "前へ");
    hints_.Add(Item(IDC_RESULT_NEXT), "次へ");
    hints_.AddTrackingHint(kSortNoneHint);
    HWND tabs = Item(IDC_RESULT_PAGE);
    const wchar_t* captions[] = {L"検索結果", L"メール内容"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW tab = {};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&tab));
    }
    // The pages' controls lie over the tab control, which paints around them.
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PutHelpMenuAtRightEnd();
    ShowPage(0);

    logic_.FormCreate();
    SetPaneFont(IDC_RESULT_EDT_RESULT, logic_.ResultFont());
    SetPaneFont(IDC_RESULT_EDT_MAIL, logic_.MailFont());
    HWND commandLine = Item(IDC_RESULT_VIEW_COMMAND_LINE);
    EnableWindow(commandLine, FALSE);
    ShowWindow(commandLine, logic_.ShowsCommandLineButton() ? SW_SHOW : SW_HIDE);

    PlaceWindow();
    SetFocus(Item(IDC_RESULT_KEYWORD));
}

// The design size, then the place, then the saved size.
void TfrmResult::PlaceWindow() {
    RECT frame = {0, 0, kDesignClientWidth, kDesignClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
    WindowRect window = RectOf(Handle());
    window.Width = frame.right - frame.left;
    window.Height = frame.bottom - frame.top;
    const WindowRect placed = logic_.Placement(window, RectOf(host_), GetSystemMetrics(SM_CXSCREEN),
                                               GetSystemMetrics(SM_CYSCREEN));
    const WindowRect shown = logic_.ShownSize(placed);
    SetWindowPos(Handle(), nullptr, shown.Left, shown.Top, shown.Width, shown.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void TfrmResult::PutHelpMenuAtRightEnd() {
    HMENU bar = GetMenu(Handle());
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    const UINT help = static_cast<UINT>(GetMenuItemCount(bar) - 1);
    GetMenuItemInfoW(bar, help, TRUE, &item);
    item.fType |= MFT_RIGHTJUSTIFY;
    SetMenuItemInfoW(bar, help, TRUE, &item);
    DrawMenuBar(Handle());
}

void TfrmResult::Subclass(HWND pane) {
    SetWindowSubclass(pane, PaneProc, static_cast<UINT_PTR>(GetDlgCtrlID(pane)),
                      reinterpret_cast<DWORD_PTR>(this));
}

HWND TfrmResult::PaneForNewText(int id) {
    HWND pane = Item(id);
    HWND ready = EmptiedForNewText(pane);
    if (ready != pane)
        Subclass(ready);
    return ready;
}

void TfrmResult::SetPaneFont(int id, const PaneFont& font) {
    const LOGFONTW face = LogFontOf(Handle(), font);
    HFONT handle = CreateFontIndirectW(&face);
    if (handle == nullptr)
        return;
    fonts_.push_back(handle);
    SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
}

void TfrmResult::OnCommand(int id, int code) {
    if (id >= IDM_OPTION_FIRST && id <= IDM_OPTION_LAST) {
        logic_.OptionItemClick(OptionItemOf(id));
        return;
    }
    switch (id) {
    case IDC_RESULT_KEYWORD:
        if (code == CBN_SETFOCUS || code == CBN_KILLFOCUS)
            SetDefaultButton(code == CBN_SETFOCUS);
        break;
    case IDC_RESULT_SEARCH:
        logic_.btnSearchClick();
        break;
    case IDC_RESULT_VIEW_COMMAND_LINE:
        logic_.btnViewCommandLineClick();
        break;
    case IDC_RESULT_SET_CRITERIA:
        logic_.btnSetCriteriaClick();
        break;
    case IDCANCEL:
        FormClose();
        break;
    case IDC_RESULT_PREVIOUS:
        logic_.btnPreviousClick();
        break;
    case IDC_RESULT_NEXT:
        logic_.btnNextClick();
        break;
    case IDC_RESULT_MAIL_VIEW:
        logic_.OpenInHost();
        break;
    case IDC_RESULT_PREVIOUS_PAGE:
        logic_.PreviousPageClick();
        break;
    case IDC_RESULT_NEXT_PAGE:
        logic_.NextPageClick();
        break;
    case IDM_CONVERT_JIS_TO_SJIS:
    case IDM_CONVERT_NONE:
    case IDM_CONVERT_DECODED:
        for (const ConversionItem& item : kConversionItems) {
            if (item.Id == id)
                logic_.ConvertClick(item.Conversion);
        }
        break;
    case IDM_SETTING_FONT_RESULT:
        logic_.FontClick(FontTarget::Result);
        break;
    case IDM_SETTING_FONT_MAIL:
        logic_.FontClick(FontTarget::Mail);
        break;
    case IDM_HELP_NAMAZU:
        logic_.mnuHelpNamazuClick();
        break;
    case IDM_HELP_ABOUT:
        logic_.mnuHelpAboutClick();
        break;
    default:
        break;
    }
}

// Enter searches only while the focus is in the formula box.
void TfrmResult::SetDefaultButton(bool searchIsDefault) {
    SendMessageW(Handle(), DM_SETDEFID, searchIsDefault ? IDC_RESULT_SEARCH : IDOK, 0);
    SendMessageW(Item(IDC_RESULT_SEARCH), BM_SETSTYLE,
                 searchIsDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TfrmResult::OnActivate(bool active) {
    if (active)
        PostMessageW(Handle(), WM_APP_ACTIVATED, 0, 0);
}

void TfrmResult::OnInitMenuPopup(HMENU menu) {
    const bool namazu13 = logic_.IsNamazu13();
    for (int id = IDM_OPTION_FIRST; id <= IDM_OPTION_LAST; ++id) {
        const OptionItem item = OptionItemOf(id);
        const bool checked = IsItemChecked(logic_.Options(), item);
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &info))
            continue;
        if (GroupOf(item) != ItemGroup::Setting)
            info.fType |= MFT_RADIOCHECK;
        info.fState = (checked ? MFS_CHECKED : MFS_UNCHECKED) |
                      (IsItemEnabled(item, namazu13) ? MFS_ENABLED : MFS_GRAYED);
        SetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &info);
    }
    for (const ConversionItem& item : kConversionItems) {
        if (item.Conversion == logic_.Conversion())
            CheckMenuRadioItem(menu, IDM_CONVERT_JIS_TO_SJIS, IDM_CONVERT_DECODED, item.Id,
                               MF_BYCOMMAND);
    }
}

// Only mnuSortNone has a hint; it shows beside the item while it is selected.
void TfrmResult::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (item != IDM_SORT_NONE || (flags & MF_POPUP) != 0) {
        hints_.ShowTrackingHint(false, {});
        return;
    }
    RECT rect;
    POINT at;
    if (GetMenuItemRect(Handle(), menu, ItemPosition(menu, item), &rect)) {
        at = {rect.right, rect.top};
    } else {
        GetCursorPos(&at);
        at.x += 16;
    }
    hints_.ShowTrackingHint(true, at);
}

void TfrmResult::OnMinMaxInfo(MINMAXINFO& info) {
    info.ptMinTrackSize.x = kMinimumWidth;
    info.ptMinTrackSize.y = kMinimumHeight;
}

void TfrmResult::OnPageChange() {
    ShowPage(static_cast<int>(SendMessageW(Item(IDC_RESULT_PAGE), TCM_GETCURSEL, 0, 0)));
}

// The window closes even when the settings cannot be saved.
void TfrmResult::FormClose() {
    KillTimer(Handle(), kReturnTimer);
    const WindowRect place = RectOf(Handle());
    EndDialog(Handle(), 2);
    logic_.FormClose(place);
}

void TfrmResult::ShowPage(int page) {
    SendMessageW(Item(IDC_RESULT_PAGE), TCM_SETCURSEL, page, 0);
    for (int id : kResultPage)
        ShowWindow(Item(id), page == 0 ? SW_SHOW : SW_HIDE);
    ShowPageButtonWindows(page == 0);
    for (int id : kMailPage)
        ShowWindow(Item(id), page == 1 ? SW_SHOW : SW_HIDE);
}

// Pixels: the formula bar on top, the buttons at the bottom, the tab control
// between them with both pages' panes over its display area.
void TfrmResult::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    const int margin = 6;
    const int button = 80;
    const int buttonHeight = 24;
    const int bottom = height - margin - buttonHeight;
    MoveWindow(Item(IDC_RESULT_LABEL1), margin, 12, 70, 14, TRUE);
    MoveWindow(Item(IDC_RESULT_SEARCH), width - margin - button, margin, button, buttonHeight,
               TRUE);
    MoveWindow(Item(IDC_RESULT_KEYWORD), 80, 8, width - 80 - 2 * margin - button, 200, TRUE);
    MoveWindow(Item(IDC_RESULT_VIEW_COMMAND_LINE), margin, bottom, 120, buttonHeight, TRUE);
    MoveWindow(Item(IDCANCEL), width - margin - button, bottom, button, buttonHeight, TRUE);
    MoveWindow(Item(IDC_RESULT_SET_CRITERIA), width - 2 * margin - 2 * button - 20, bottom,
               button + 20, buttonHeight, TRUE);

    HWND tabs = Item(IDC_RESULT_PAGE);
    const int top = margin + buttonHeight + margin;
    MoveWindow(tabs, margin, top, width - 2 * margin, bottom - margin - top, TRUE);
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    // Both panes have one size; the mail page's subject row stands above its
    // pane, the result page's label takes that room below.
    const int labelHeight = 16;
    const int subjectHeight = 20;
    const int areaWidth = area.right - area.left;
    const int paneHeight = area.bottom - area.top - labelHeight - subjectHeight;
    const int mailTop = area.top + subjectHeight;
    MoveWindow(Item(IDC_RESULT_EDT_RESULT), area.left, area.top, areaWidth, paneHeight, TRUE);
    MoveWindow(Item(IDC_RESULT_EDT_MAIL), area.left, mailTop, areaWidth, paneHeight, TRUE);
    const int pageButton = 72;
    const int pageButtonsLeft = area.right - 2 * pageButton;
    MoveWindow(Item(IDC_RESULT_LABEL2), area.left, area.top + paneHeight + 2,
               pageButtonsLeft - area.left, labelHeight - 2, TRUE);
    for (int i = 0; i < 2; ++i)
        MoveWindow(Item(kPageButtons[i]), pageButtonsLeft + i * pageButton, area.top + paneHeight,
                   pageButton, labelHeight, TRUE);
    MoveWindow(Item(IDC_RESULT_LABEL3), area.left, mailTop + paneHeight + 2, areaWidth,
               labelHeight - 2, TRUE);
    const int glyph = subjectHeight - 2;
    int left = area.right - glyph;
    for (auto id = std::rbegin(kMailButtons); id != std::rend(kMailButtons); ++id, left -= glyph)
        MoveWindow(Item(*id), left, area.top, glyph, glyph, TRUE);
    MoveWindow(Item(IDC_RESULT_SUBJECT), area.left, area.top, left + glyph - 2 - area.left, glyph,
               TRUE);
}

void TfrmResult::ShowKeywordItems(const std::vector<std::string>& items) {
    HWND box = Item(IDC_RESULT_KEYWORD);
    const std::string text = ControlText(box);
    SetComboItems(box, items);
    SetControlText(box, text);
}

void TfrmResult::ShowResultPage() {
    ShowPage(0);
    SetFocus(Item(IDC_RESULT_EDT_RESULT));
}

// In the window-text colour, whatever the text before it wore.
void TfrmResult::ShowPaneText(const std::string& text) {
    HWND pane = PaneForNewText(IDC_RESULT_EDT_RESULT);
    ::ShowPaneText(pane, text, {}, {}, 0);
    UpdateWindow(pane);
}

void TfrmResult::ShowResult(const RenderedResult& result) {
    HWND pane = PaneForNewText(IDC_RESULT_EDT_RESULT);
    ::ShowPaneText(pane, result.Text, result.Colours, {}, 0);
}

void TfrmResult::ShowMailPage(const MailView& mail) {
    ShowPage(1);
    HWND subject = Item(IDC_RESULT_SUBJECT);
    SetControlText(subject, mail.Subject);
    UpdateWindow(subject);
    HWND pane = PaneForNewText(IDC_RESULT_EDT_MAIL);
    SetFocus(pane);
    ::ShowPaneText(pane, mail.Text, {}, mail.Marks, mail.TopCharacter);
}

LRESULT CALLBACK TfrmResult::PaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
    return ShieldedMessage<LRESULT>([&] {
        return reinterpret_cast<TfrmResult*>(self)->OnPaneMessage(pane, message, wParam, lParam);
    });
}

LRESULT TfrmResult::OnPaneMessage(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool isResult = pane == Item(IDC_RESULT_EDT_RESULT);
    switch (message) {
    case WM_GETDLGCODE:
        if (IsPaneKey(reinterpret_cast<const MSG*>(lParam)))
            return DLGC_WANTMESSAGE;
        break;
    case WM_KEYDOWN:
        if (isResult ? wParam == VK_RETURN || wParam == VK_ESCAPE : OnMailKeyDown(wParam))
            return 0;
        break;
    case WM_CHAR:
        if (isResult ? OnResultKey(static_cast<wchar_t>(wParam))
                     : OnMailKey(static_cast<wchar_t>(wParam)))
            return 0;
        break;
    case WM_MOUSEMOVE:
        if (isResult)
            OnResultMouseMove(lParam);
        break;
    case WM_SETCURSOR:
        if (isResult && LOWORD(lParam) == HTCLIENT && OnResultSetCursor())
            return TRUE;
        break;
    case WM_LBUTTONUP:
        if (isResult) {
            const LRESULT handled = DefSubclassProc(pane, message, wParam, lParam);
            OnResultMouseUp();
            return handled;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(pane, PaneProc, static_cast<UINT_PTR>(GetDlgCtrlID(pane)));
        break;
    default:
        break;
    }
    return DefSubclassProc(pane, message, wParam, lParam);
}

void TfrmResult::ShowPageButtons(bool previous, bool next) {
    showsPageButtons_ = previous || next;
    EnableWindow(Item(IDC_RESULT_PREVIOUS_PAGE), previous);
    EnableWindow(Item(IDC_RESULT_NEXT_PAGE), next);
    ShowPageButtonWindows(!IsMailPageInFront());
}

void TfrmResult::ShowPageButtonWindows(bool resultPageInFront) {
    for (int id : kPageButtons)
        ShowWindow(Item(id), resultPageInFront && showsPageButtons_ ? SW_SHOW : SW_HIDE);
}

// Enter and Esc act here, as typed characters; their key presses are
// swallowed so that the pane does not act on them as well. Ctrl+N and
// Ctrl+P arrive as their control characters.
bool TfrmResult::OnResultKey(wchar_t key) {
    const int32_t caret = CaretPosition(Item(IDC_RESULT_EDT_RESULT));
    switch (key) {
    case L'\r':
        logic_.edtResultEnter(caret);
        return true;
    case L'n':
    case L'N':
        logic_.edtResultNextHit(caret);
        return true;
    case L'p':
    case L'P':
        logic_.edtResultPreviousHit(caret);
        return true;
    case kCtrlN:
        logic_.NextPageClick();
        return true;
    case kCtrlP:
        logic_.PreviousPageClick();
        return true;
    case 0x1B:
        FormClose();
        return true;
    default:
        return false;
    }
}

// Backspace pages by its typed character alone; Shift+Enter opens the mail
// in the host as the key goes down.
bool TfrmResult::OnMailKeyDown(WPARAM key) {
    if (key == VK_RETURN && IsShiftDown()) {
        logic_.OpenInHost();
        return true;
    }
    if (key == VK_F3) {
        const int32_t caret = CaretPosition(Item(IDC_RESULT_EDT_MAIL));
        if (IsShiftDown())
            logic_.edtMailPreviousMark(caret);
        else
            logic_.edtMailNextMark(caret);
        return true;
    }
    return key == VK_BACK || key == VK_RETURN || key == VK_ESCAPE;
}

bool TfrmResult::OnMailKey(wchar_t key) {
    HWND pane = Item(IDC_RESULT_EDT_MAIL);
    switch (key) {
    case L'\r':
        if (!IsShiftDown())
            ShowResultPage();
        return true;
    case L' ':
        PageDown(pane);
        return true;
    case L'\b':
        PageUp(pane);
        return true;
    case 0x1B:
        FormClose();
        return true;
    case L'n':
    case L'N':
        logic_.btnNextClick();
        return true;
    case L'p':
    case L'P':
        logic_.btnPreviousClick();
        return true;
    default:
        return false;
    }
}

void TfrmResult::OnResultMouseMove(LPARAM point) {
    const POINT at = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const PaneCursor cursor =
        logic_.edtResultMouseMove(CharacterAt(Item(IDC_RESULT_EDT_RESULT), at));
    if (cursor == PaneCursor::Unchanged || cursor == resultCursor_)
        return;
    // The pane asks for its cursor before it hears of the move.
    resultCursor_ = cursor;
    SetCursor(LoadCursorW(nullptr, cursor == PaneCursor::HandPoint ? IDC_HAND : IDC_IBEAM));
}

// The hand over a hit; elsewhere the pane's own cursor.
bool TfrmResult::OnResultSetCursor() {
    if (resultCursor_ != PaneCursor::HandPoint)
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

// Once the pane has placed the caret: a click opens the hit under it, a
// drag that leaves a selection does not.
void TfrmResult::OnResultMouseUp() {
    HWND pane = Item(IDC_RESULT_EDT_RESULT);
    logic_.edtResultMouseUp(resultCursor_, HasSelection(pane), CaretPosition(pane));
}

void TfrmResult::tmrTimer() {
    if (GetActiveWindow() == host_)
        SetActiveWindow(Handle());
}

// Text in both the Shift-JIS and the Unicode format, with the Japanese
// locale so that the system's own conversions agree.
void TfrmResult::CopyToClipboard(const std::string& text) {
    if (!OpenClipboard(Handle()))
        return;
    EmptyClipboard();
    const std::wstring wide = WideFromShiftJis(text);
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
    struct Format {
        UINT Id;
        const void* Data;
        size_t Size;
    };
    const Format formats[] = {
        {CF_TEXT, text.c_str(), text.size() + 1},
        {CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)},
        {CF_LOCALE, &japanese, sizeof japanese},
    };
    for (const Format& format : formats) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, format.Size);
        if (memory == nullptr)
            continue;
        CopyMemory(GlobalLock(memory), format.Data, format.Size);
        GlobalUnlock(memory);
        if (SetClipboardData(format.Id, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
}

bool TfrmResult::PickFont(PaneFont& font) {
    LOGFONTW face = LogFontOf(Handle(), font);
    CHOOSEFONTW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpLogFont = &face;
    dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontW(&dialog))
        return false;
    font.Name = ShiftJisFromWide(face.lfFaceName);
    font.Size = dialog.iPointSize / 10;
    font.Bold = face.lfWeight >= FW_BOLD;
    return true;
}

} // namespace

void ShowResultWindow(HWND host, ResultServices& services) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!LoadRichEdit())
        return;
    TfrmResult window(services, host);
    window.ShowModal(host, IDD_RESULT);
}
