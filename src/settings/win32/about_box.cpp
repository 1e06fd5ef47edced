#include "settings/win32/about_box.h"

#include "platform/win32/control_names.h"
#include "platform/win32/control_text.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/dialog_placement.h"
#include "settings/about_links.h"
#include "settings/win32/browse.h"
#include "settings/win32/settings_resource.h"

namespace {

class TfrmAbout : public DialogBase {
public:
    TfrmAbout(HWND owner, Shell& shell) : owner_(owner), shell_(shell) {}

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void ShowBanner();
    void CompleteTitle();
    void CentreOnOwnerWindow();
    void OnCommand(int id);
    void btnHomepageClick();
    void mnuWebPage1Click(int tag);
    void FormDestroy();

    HWND owner_;
    Shell& shell_;
    HBITMAP banner_ = nullptr;
    HFONT boldFont_ = nullptr;
    HMENU linkMenu_ = nullptr;
};

INT_PTR TfrmAbout::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FormCreate();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_NCDESTROY:
        FormDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

void TfrmAbout::FormCreate() {
    NameControl(Item(IDC_IMAGE1), "Image1");
    NameControl(Item(IDC_LABEL1), "Label1");
    NameControl(Item(IDC_LABEL2), "Label2");
    NameControl(Item(IDC_BTN_HOMEPAGE), "btnHomepage");
    NameControl(Item(IDOK), "btnOK");
    ShowBanner();
    CompleteTitle();
    linkMenu_ = LoadMenuW(ThisModule(), MAKEINTRESOURCEW(IDM_LINK));
    CentreOnOwnerWindow();
}

// The banner spans the client area with the picture in its middle.
void TfrmAbout::ShowBanner() {
    HWND image = Item(IDC_IMAGE1);
    banner_ = static_cast<HBITMAP>(
        LoadImageW(ThisModule(), MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0));
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner_));
    RECT client;
    RECT place;
    GetClientRect(Handle(), &client);
    GetWindowRect(image, &place);
    SetWindowPos(image, nullptr, 0, 0, client.right, place.bottom - place.top, SWP_NOZORDER);
}

void TfrmAbout::CompleteTitle() {
    HWND label = Item(IDC_LABEL1);
    SetControlText(label, ControlText(label) + "\n" + kAboutSecondLine);
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    font.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&font);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
    RECT client;
    RECT place;
    GetClientRect(Handle(), &client);
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(label, nullptr, 0, place.top, client.right, place.bottom - place.top,
                 SWP_NOZORDER);
}

// Unlike the other dialogs the box is not pulled back onto the screen.
void TfrmAbout::CentreOnOwnerWindow() {
    if (owner_ == nullptr)
        return;
    const WindowRect placed = CentreOnOwner(RectOf(Handle()), RectOf(owner_));
    SetWindowPos(Handle(), nullptr, placed.Left, placed.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmAbout::OnCommand(int id) {
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(Handle(), IDOK);
        return;
    case IDC_BTN_HOMEPAGE:
        return btnHomepageClick();
    case IDM_WEBPAGE1:
    case IDM_WEBPAGE2:
    case IDM_WEBPAGE3:
    case IDM_WEBPAGE4:
        return mnuWebPage1Click(id - IDM_WEBPAGE1 + 1);
    default:
        return;
    }
}

void TfrmAbout::btnHomepageClick() {
    RECT button;
    GetWindowRect(Item(IDC_BTN_HOMEPAGE), &button);
    TrackPopupMenu(GetSubMenu(linkMenu_, 0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                   button.left, button.bottom, 0, Handle(), nullptr);
}

void TfrmAbout::mnuWebPage1Click(int tag) {
    OpenAboutLink(shell_, tag);
}

void TfrmAbout::FormDestroy() {
    DestroyMenu(linkMenu_);
    DeleteObject(boldFont_);
    DeleteObject(banner_);
}

} // namespace

void ShowAboutBox(HWND owner) {
    Win32Shell shell;
    TfrmAbout about(owner, shell);
    about.ShowModal(owner, IDD_ABOUT);
}
