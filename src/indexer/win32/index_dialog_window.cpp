#include "indexer/win32/index_dialog_window.h"

#include "indexer/index_dialog.h"
#include "indexer/win32/indexer_resource.h"
#include "platform/win32/console_window.h"
#include "platform/win32/control_names.h"
#include "platform/win32/control_text.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/dialog_placement.h"
#include "platform/win32/hint_tooltips.h"
#include "text/win32/text_encoding.h"

#include <commctrl.h>

#include <memory>
#include <vector>

namespace {

// Posted once the dialog has become visible.
const UINT WM_APP_SHOWN = WM_APP + 1;
const UINT_PTR kTimerId = 1;
const UINT kTimerIntervalMs = 200;

class TfrmMknmz : public DialogBase, public IndexDialogView {
public:
    TfrmMknmz(IndexServices& services, HWND host)
        : services_(services), host_(host), logic_(services, *this, host) {}

    void ShowRows(const std::vector<std::string>& texts) override;
    void ShowChecks(const IndexDialogState& state) override;
    void ShowStatus(const std::string& text) override;
    void SetEnabled(bool enabled) override { EnableWindow(Handle(), enabled); }
    void ShowRunning(bool running) override;
    void BringToForeground() override { SetForegroundWindow(Handle()); }
    ConsoleWindow* OpenConsoleWindow(const std::string& caption, bool minimized) override;
    void CloseConsoleWindows() override;
    void StartTimer() override { SetTimer(Handle(), kTimerId, kTimerIntervalMs, nullptr); }
    void CloseDialog() override;

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInitDialog();
    void OnCommand(int id);
    void OnItemChanged(const NMLISTVIEW& change);
    void OnShowWindow(bool shown);
    void OnShown();
    void OnTimer();
    void NameControls();
    void PrepareFolderList();

    IndexServices& services_;
    HWND host_;
    IndexDialog logic_;
    std::vector<std::unique_ptr<TfrmWindow>> consoleWindows_;
    HintTooltips hints_;
    bool rendering_ = false;
    bool shown_ = false;
    bool closing_ = false;
};

INT_PTR TfrmMknmz::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE; // focus to the first tab stop, lstFolder
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_MKNMZ_LSTFOLDER && header->code == LVN_ITEMCHANGED)
            OnItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        return TRUE;
    }
    case WM_SHOWWINDOW:
        OnShowWindow(wParam != FALSE);
        return FALSE;
    case WM_APP_SHOWN:
        OnShown();
        return TRUE;
    case WM_TIMER:
        OnTimer();
        return TRUE;
    case WM_CLOSE:
        // The close box during a run asks to stop it, as Cancel does.
        if (logic_.Running())
            logic_.btnCancelClick();
        else
            CloseDialog();
        return TRUE;
    default:
        return FALSE;
    }
}

void TfrmMknmz::OnInitDialog() {
    NameControls();
    PrepareFolderList();
    hints_.Create(Handle());
    hints_.Add(Item(IDC_MKNMZ_CHKREBUILD), "既存のインデックスを削除して作り直します");
    hints_.Add(Item(IDC_MKNMZ_CHKSAVETARGET), "次回も同じフォルダを対象にします");
    logic_.FormCreate();
    PlaceOverOwner(Handle(), host_);
}

void TfrmMknmz::OnCommand(int id) {
    switch (id) {
    case IDOK:
        logic_.btnUpdateIndexClick();
        break;
    case IDCANCEL:
        logic_.btnCancelClick();
        break;
    case IDC_MKNMZ_BTNSELECTALL:
        logic_.btnSelectAllClick(true);
        break;
    case IDC_MKNMZ_BTNSELECTNONE:
        logic_.btnSelectAllClick(false);
        break;
    case IDC_MKNMZ_CHKREBUILD:
        logic_.chkRebuildClick(IsChecked(Item(IDC_MKNMZ_CHKREBUILD)));
        break;
    case IDC_MKNMZ_CHKSAVETARGET:
        logic_.chkSaveTargetClick(IsChecked(Item(IDC_MKNMZ_CHKSAVETARGET)));
        break;
    default:
        break;
    }
}

// Only a change of a check box by the user counts; the list reports every
// state change, including the first check image and our own rendering.
void TfrmMknmz::OnItemChanged(const NMLISTVIEW& change) {
    const UINT oldImage = change.uOldState & LVIS_STATEIMAGEMASK;
    const UINT newImage = change.uNewState & LVIS_STATEIMAGEMASK;
    if (rendering_ || !(change.uChanged & LVIF_STATE) || oldImage == 0 || oldImage == newImage)
        return;
    const bool checked = ListView_GetCheckState(Item(IDC_MKNMZ_LSTFOLDER), change.iItem) != 0;
    logic_.lstFolderClickCheck(change.iItem, checked);
}

void TfrmMknmz::OnShowWindow(bool shown) {
    if (!shown || shown_)
        return;
    shown_ = true;
    PostMessageW(Handle(), WM_APP_SHOWN, 0, 0);
}

void TfrmMknmz::OnShown() {
    UpdateWindow(Handle());
    services_.Pump.ProcessPendingMessages();
    logic_.ShowingChanged(GetKeyState(VK_SHIFT) < 0);
}

void TfrmMknmz::OnTimer() {
    KillTimer(Handle(), kTimerId);
    logic_.tmrTimer();
}

void TfrmMknmz::ShowRows(const std::vector<std::string>& texts) {
    HWND list = Item(IDC_MKNMZ_LSTFOLDER);
    rendering_ = true;
    ListView_DeleteAllItems(list);
    for (size_t row = 0; row < texts.size(); ++row) {
        std::wstring text = WideFromShiftJis(texts[row]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = &text[0];
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    rendering_ = false;
}

void TfrmMknmz::ShowChecks(const IndexDialogState& state) {
    HWND list = Item(IDC_MKNMZ_LSTFOLDER);
    rendering_ = true;
    for (int row = 0; row < state.RowCount(); ++row)
        ListView_SetCheckState(list, row, state.Checked(row));
    SetChecked(Item(IDC_MKNMZ_CHKREBUILD), state.Rebuild);
    SetChecked(Item(IDC_MKNMZ_CHKSAVETARGET), state.SaveTarget);
    rendering_ = false;
}

void TfrmMknmz::ShowRunning(bool running) {
    for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != Item(IDCANCEL) && child != Item(IDC_MKNMZ_SBRINFO))
            EnableWindow(child, !running);
    }
}

void TfrmMknmz::ShowStatus(const std::string& text) {
    const std::wstring wide = WideFromShiftJis(text);
    SendDlgItemMessageW(Handle(), IDC_MKNMZ_SBRINFO, SB_SETTEXTW, 0,
                        reinterpret_cast<LPARAM>(wide.c_str()));
    UpdateWindow(Item(IDC_MKNMZ_SBRINFO));
}

ConsoleWindow* TfrmMknmz::OpenConsoleWindow(const std::string& caption, bool minimized) {
    auto window = std::make_unique<TfrmWindow>();
    if (!window->Create())
        return nullptr;
    window->SetCaption(caption);
    window->Show(minimized);
    consoleWindows_.push_back(std::move(window));
    return consoleWindows_.back().get();
}

// A window still capturing refuses to close; it stays listed, so that its
// view outlives the capture.
void TfrmMknmz::CloseConsoleWindows() {
    std::vector<std::unique_ptr<TfrmWindow>> busy;
    for (auto& window : consoleWindows_) {
        if (window->Handle() != nullptr)
            SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
        if (window->Handle() != nullptr)
            busy.push_back(std::move(window));
    }
    consoleWindows_ = std::move(busy);
}

void TfrmMknmz::CloseDialog() {
    if (closing_)
        return;
    closing_ = true;
    KillTimer(Handle(), kTimerId);
    // The dialog closes even when the settings cannot be saved.
    EndDialog(Handle(), IDCANCEL);
    logic_.FormClose();
    logic_.FormCloseQuery();
}

void TfrmMknmz::NameControls() {
    NameControl(Item(IDC_MKNMZ_LABEL1), "Label1");
    NameControl(Item(IDC_MKNMZ_LSTFOLDER), "lstFolder");
    NameControl(Item(IDC_MKNMZ_BTNSELECTALL), "btnSelectAll");
    NameControl(Item(IDC_MKNMZ_BTNSELECTNONE), "btnSelectNone");
    NameControl(Item(IDC_MKNMZ_CHKREBUILD), "chkRebuild");
    NameControl(Item(IDC_MKNMZ_CHKSAVETARGET), "chkSaveTarget");
    NameControl(Item(IDOK), "btnUpdateIndex");
    NameControl(Item(IDCANCEL), "btnCancel");
    NameControl(Item(IDC_MKNMZ_SBRINFO), "sbrInfo");
}

void TfrmMknmz::PrepareFolderList() {
    HWND list = Item(IDC_MKNMZ_LSTFOLDER);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(list, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

} // namespace

void ShowIndexDialog(HWND host, IndexServices& services) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    TfrmMknmz dialog(services, host);
    dialog.ShowModal(host, IDD_INDEX_DIALOG);
}
