#include "platform/win32/console_window.h"

#include "platform/win32/control_names.h"
#include "platform/win32/platform_resource.h"
#include "platform/win32/rich_text_view.h"
#include "text/win32/text_encoding.h"

TfrmWindow::~TfrmWindow() {
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

bool TfrmWindow::Create() {
    return LoadRichEdit() && CreateModeless(nullptr, IDD_CONSOLE_WINDOW) != nullptr;
}

void TfrmWindow::Show(bool minimized) {
    ShowWindow(Handle(), minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL);
}

std::string TfrmWindow::Caption() const {
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(Handle(), &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return ShiftJisFromWide(text);
}

void TfrmWindow::SetCaption(const std::string& caption) {
    SetWindowTextW(Handle(), WideFromShiftJis(caption).c_str());
}

void TfrmWindow::CaptureEnded() {
    SetCaption(Caption() + "終了");
}

INT_PTR TfrmWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FormCreate();
        return TRUE;
    case WM_CLOSE:
        FormCloseQuery();
        return TRUE;
    case WM_COMMAND:
        // Esc must not end the window the way it ends a dialog.
        return LOWORD(wParam) == IDCANCEL;
    case WM_NCDESTROY:
        DeleteObject(font_);
        font_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

void TfrmWindow::FormCreate() {
    HWND edit = Item(IDC_CONSOLE_EDT);
    NameControl(edit, "edt");
    view_.Attach(edit);
    SetFixedPitchFont(edit);
    PlaceLikeNewWindow();
}

void TfrmWindow::FormCloseQuery() {
    if (!view_.IsCapturing())
        DestroyWindow(Handle());
}

// The template cannot ask for the default position; a throw-away window can.
void TfrmWindow::PlaceLikeNewWindow() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, CW_USEDEFAULT, 0, CW_USEDEFAULT,
                                 0, nullptr, nullptr, ThisModule(), nullptr);
    if (probe == nullptr)
        return;
    RECT place;
    GetWindowRect(probe, &place);
    DestroyWindow(probe);
    SetWindowPos(Handle(), nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmWindow::SetFixedPitchFont(HWND edit) {
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}
