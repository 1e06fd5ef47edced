#include "settings/win32/settings_dialog.h"

#include "platform/plugin_error.h"
#include "platform/win32/console_window.h"
#include "platform/win32/control_names.h"
#include "platform/win32/control_text.h"
#include "platform/win32/dialog_placement.h"
#include "platform/win32/hint_tooltips.h"
#include "settings/account_settings.h"
#include "settings/option_help.h"
#include "settings/settings_dialog_fields.h"
#include "settings/settings_dialog_state.h"
#include "settings/win32/file_open_dialog.h"
#include "settings/win32/settings_page.h"
#include "settings/win32/settings_resource.h"
#include "text/win32/text_encoding.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

struct PageTemplate {
    int TemplateId;
    const char* Name;
    const char* Caption;
};

const std::array<PageTemplate, 6> kPages = {{
    {IDD_SETTINGS_TAB1, "tab1", "インデックス作成"},
    {IDD_SETTINGS_TAB2, "tab2", "検索"},
    {IDD_SETTINGS_TAB3, "tab3", "コマンド"},
    {IDD_SETTINGS_TAB4, "tab4", "その他"},
    {IDD_SETTINGS_TAB5, "tab5", "パス"},
    {IDD_SETTINGS_TABSHEET1, "TabSheet1", "高度"},
}};

const NamedControl kControlNames[] = {
    {IDC_PAGE, "page"},
    {IDOK, "btnOK"},
    {IDCANCEL, "btnCancel"},
    {IDC_GROUPBOX1, "GroupBox1"},
    {IDC_RBTN_UPDATE1, "rbtnUpdate1"},
    {IDC_RBTN_UPDATE2, "rbtnUpdate2"},
    {IDC_RBTN_UPDATE3, "rbtnUpdate3"},
    {IDC_EDT_NUMBER_OF_MAIL, "edtNumberOfMail"},
    {IDC_UPDOWN1, "UpDown1"},
    {IDC_CHK_FORCE_INDEXING, "chkForceIndexing"},
    {IDC_CHK_EXIT_INDEXING_ON_FINISH, "chkExitIndexingOnFinish"},
    {IDC_CHK_SEARCH_ON_CHANGE_SETTINGS, "chkSearchOnChangeSettings"},
    {IDC_CHK_RENAME_TO_FOLDER_NAME, "chkRenameToFolderName"},
    {IDC_CHK_EXIT_SEARCH_ON_MAIL_VIEW, "chkExitSearchOnMailView"},
    {IDC_CHK_CONFIRM_COMMAND_LINE, "chkConfirmCommandLine"},
    {IDC_EDT_MKNMZ_OPTION, "edtMknmzOption"},
    {IDC_EDT_NAMAZU_OPTION, "edtNamazuOption"},
    {IDC_BTN_DEFAUT_OPTION, "btnDefautOption"},
    {IDC_BTN_SHOW_OPTIONS, "btnShowOptions"},
    {IDC_GROUPBOX2, "GroupBox2"},
    {IDC_CHK_SHOW_WINDOW, "chkShowWindow"},
    {IDC_CHK_IN_DOS_WINDOW, "chkInDosWindow"},
    {IDC_CHK_MINIMIZE, "chkMinimize"},
    {IDC_RGRP_NAMAZU_VERSION, "rgrpNamazuVersion"},
    {IDC_GROUPBOX3, "GroupBox3"},
    {IDC_EDT_INDEXING_MENU, "edtIndexingMenu"},
    {IDC_EDT_NAMAZU_MENU, "edtNamazuMenu"},
    {IDC_EDT_PERL_PATH, "edtPerlPath"},
    {IDC_BTN_BROWSE1, "btnBrowse1"},
    {IDC_EDT_MKNMZ_PATH, "edtMknmzPath"},
    {IDC_BTN_BROWSE2, "btnBrowse2"},
    {IDC_EDT_NAMAZU_PATH, "edtNamazuPath"},
    {IDC_BTN_BROWSE3, "btnBrowse3"},
    {IDC_BTN_DEFAULT_PATH, "btnDefaultPath"},
    {IDC_CHK_USE_TEMP_DIRECTORY, "chkUseTempDirectory"},
};

struct Hint {
    int Id;
    const char* Text;
};

const char kIntervalHint[] = "0 にすると毎回行います";
const char kVersionHint[] = "Namazuのバージョンを選択してください";

// A group box lets the mouse through, so the version hint sits on its items too.
const Hint kHints[] = {
    {IDC_RBTN_UPDATE3, "ユーザーが指示したときのみ行います"},
    {IDC_EDT_NUMBER_OF_MAIL, kIntervalHint},
    {IDC_UPDOWN1, kIntervalHint},
    {IDC_CHK_RENAME_TO_FOLDER_NAME, "チェックをはずすとインデックスのパスが表示されます"},
    {IDC_BTN_SHOW_OPTIONS, "コマンドラインオプションの説明を表示します"},
    {IDC_CHK_SHOW_WINDOW, "インデックス作成中の画面を表示します"},
    {IDC_RGRP_NAMAZU_VERSION, kVersionHint},
    {IDC_RBTN_VERSION13, kVersionHint},
    {IDC_RBTN_VERSION20, kVersionHint},
    {IDC_CHK_USE_TEMP_DIRECTORY, "メールボックスとは別の場所でインデックス作成を行います"},
};

const int kIntervalDigits = 3;

const char kExecutableFilter[] = "実行ファイル(*.exe)|*.EXE";
const char kAnyFileFilter[] = "すべてのファイル(*.*)|*.*";

class TfrmSetting : public DialogBase {
public:
    TfrmSetting(HWND host, SettingsStore& store, UserInterface& ui, ConsoleRunner& runner)
        : host_(host), store_(store), ui_(ui), runner_(runner) {}

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void CreatePages();
    void NameControls();
    void AddHints();
    void PlaceOnHost();
    void ShowPage(int index);
    void OnNotify(const NMHDR& header);
    void OnCommand(int id, int code);
    void ShowState(const SettingsDialogState& state);
    SettingsDialogState StateOfControls() const;
    SettingsDialogState::Version SelectedVersion() const;

    void btnOKClick();
    void btnDefautOptionClick();
    void btnDefaultPathClick();
    void btnBrowseClick(int editId, const std::string& preset, const char* filter);
    void btnShowOptionsClick();
    void chkShowWindowClick();
    void CloseWith(int modalResult);
    void FormCloseQuery();

    HWND Control(int id) const;
    bool Checked(int id) const { return IsChecked(Control(id)); }
    void Check(int id, bool checked) { SetChecked(Control(id), checked); }
    std::string Text(int id) const { return ControlText(Control(id)); }
    void SetText(int id, const std::string& text) { SetControlText(Control(id), text); }

    HWND host_;
    SettingsStore& store_;
    UserInterface& ui_;
    ConsoleRunner& runner_;
    std::array<SettingsPage, kPages.size()> pages_;
    HintTooltips hints_;
    // The option help window; it lives on after it has been closed, with a
    // null handle, until the next "?" or the end of the dialog.
    std::unique_ptr<TfrmWindow> optionsWindow_;
};

INT_PTR TfrmSetting::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        FormCreate();
        return FALSE;
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return FALSE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        CloseWith(IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

void TfrmSetting::FormCreate() {
    CreatePages();
    NameControls();
    AddHints();
    PlaceOnHost();
    ShowPage(0);
    try {
        ShowState(OpenSettingsDialogState(store_));
    } catch (const PluginError& error) {
        // The record is read before the write-back that failed.
        ui_.ShowMessage(error.what());
        ShowState(DialogStateFromSettings(store_.Settings));
    }
}

void TfrmSetting::CreatePages() {
    HWND tabs = Item(IDC_PAGE);
    for (size_t i = 0; i < kPages.size(); ++i) {
        std::wstring caption = WideFromShiftJis(kPages[i].Caption);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &caption[0];
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    // The display area is known once the tabs are in.
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    for (size_t i = 0; i < kPages.size(); ++i) {
        if (!pages_[i].Create(Handle(), kPages[i].TemplateId))
            continue;
        HWND page = pages_[i].Handle();
        NameControl(page, kPages[i].Name);
        // Right after the tab control in Z order, so Tab walks into the page.
        SetWindowPos(page, tabs, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE);
    }
}

void TfrmSetting::NameControls() {
    for (const NamedControl& control : kControlNames)
        NameControl(Control(control.Id), control.Name);
    // The text edits take values as long as a settings value can be.
    for (const EditField& field : kEditFields)
        SendMessageW(Control(field.ControlId), EM_SETLIMITTEXT, 0, 0);
    SendMessageW(Control(IDC_EDT_NUMBER_OF_MAIL), EM_SETLIMITTEXT, kIntervalDigits, 0);
}

void TfrmSetting::AddHints() {
    if (!hints_.Create(Handle()))
        return;
    for (const Hint& hint : kHints)
        hints_.Add(Control(hint.Id), hint.Text);
}

void TfrmSetting::PlaceOnHost() {
    PlaceOverOwner(Handle(), host_);
}

void TfrmSetting::ShowPage(int index) {
    TabCtrl_SetCurSel(Item(IDC_PAGE), index);
    for (size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i].Handle(), static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

void TfrmSetting::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_PAGE && header.code == TCN_SELCHANGE)
        ShowPage(TabCtrl_GetCurSel(header.hwndFrom));
}

void TfrmSetting::OnCommand(int id, int code) {
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case IDOK:
        return btnOKClick();
    case IDCANCEL:
        return CloseWith(IDCANCEL);
    case IDC_BTN_DEFAUT_OPTION:
        return btnDefautOptionClick();
    case IDC_BTN_DEFAULT_PATH:
        return btnDefaultPathClick();
    case IDC_BTN_BROWSE1:
        return btnBrowseClick(IDC_EDT_PERL_PATH, store_.Settings.PerlPath, kExecutableFilter);
    case IDC_BTN_BROWSE2:
        return btnBrowseClick(IDC_EDT_MKNMZ_PATH, store_.Settings.mknmzPath, kAnyFileFilter);
    case IDC_BTN_BROWSE3:
        return btnBrowseClick(IDC_EDT_NAMAZU_PATH, store_.Settings.namazuPath, kExecutableFilter);
    case IDC_BTN_SHOW_OPTIONS:
        return btnShowOptionsClick();
    case IDC_CHK_SHOW_WINDOW:
        return chkShowWindowClick();
    default:
        return;
    }
}

void TfrmSetting::ShowState(const SettingsDialogState& state) {
    const int timingButton = state.UpdateTiming == SettingsDialogState::StartUp ? IDC_RBTN_UPDATE1
                             : state.UpdateTiming == SettingsDialogState::CleanUp
                                 ? IDC_RBTN_UPDATE2
                                 : IDC_RBTN_UPDATE3;
    for (int id : {IDC_RBTN_UPDATE1, IDC_RBTN_UPDATE2, IDC_RBTN_UPDATE3})
        Check(id, id == timingButton);
    SetFocus(Control(timingButton));

    HWND upDown = Control(IDC_UPDOWN1);
    SendMessageW(upDown, UDM_SETRANGE32, SettingsDialogState::kLowestInterval,
                 SettingsDialogState::kHighestInterval);
    SendMessageW(upDown, UDM_SETPOS32, 0, state.IntervalCountMail);

    Check(IDC_RBTN_VERSION13, state.NamazuVersion == SettingsDialogState::Namazu13);
    Check(IDC_RBTN_VERSION20, state.NamazuVersion == SettingsDialogState::Namazu20);
    for (const CheckBoxField& field : kCheckBoxFields)
        Check(field.ControlId, state.*field.State);
    for (const EditField& field : kEditFields)
        SetText(field.ControlId, state.*field.State);
}

SettingsDialogState TfrmSetting::StateOfControls() const {
    SettingsDialogState state;
    state.UpdateTiming = Checked(IDC_RBTN_UPDATE1)   ? SettingsDialogState::StartUp
                         : Checked(IDC_RBTN_UPDATE2) ? SettingsDialogState::CleanUp
                                                     : SettingsDialogState::UserOperation;
    // The up-down takes a typed number within its range and keeps its
    // position for anything else.
    const int position = static_cast<int>(SendMessageW(Control(IDC_UPDOWN1), UDM_GETPOS32, 0, 0));
    state.IntervalCountMail = std::clamp(position, SettingsDialogState::kLowestInterval,
                                         SettingsDialogState::kHighestInterval);
    state.NamazuVersion = SelectedVersion();
    for (const CheckBoxField& field : kCheckBoxFields)
        state.*field.State = Checked(field.ControlId);
    for (const EditField& field : kEditFields)
        state.*field.State = Text(field.ControlId);
    return state;
}

SettingsDialogState::Version TfrmSetting::SelectedVersion() const {
    if (Checked(IDC_RBTN_VERSION13))
        return SettingsDialogState::Namazu13;
    if (Checked(IDC_RBTN_VERSION20))
        return SettingsDialogState::Namazu20;
    return SettingsDialogState::NoVersion;
}

void TfrmSetting::btnOKClick() {
    try {
        CommitSettingsDialogState(StateOfControls(), store_);
    } catch (const PluginError& error) {
        ui_.ShowMessage(error.what());
        return;
    }
    CloseWith(IDOK);
}

void TfrmSetting::btnDefautOptionClick() {
    const OptionTexts options = RecommendedOptions(SelectedVersion());
    SetText(IDC_EDT_MKNMZ_OPTION, options.Mknmz);
    SetText(IDC_EDT_NAMAZU_OPTION, options.Namazu);
}

void TfrmSetting::btnDefaultPathClick() {
    const ProgramPaths paths = DefaultProgramPaths(SelectedVersion());
    SetText(IDC_EDT_MKNMZ_PATH, paths.Mknmz);
    SetText(IDC_EDT_NAMAZU_PATH, paths.Namazu);
}

void TfrmSetting::btnBrowseClick(int editId, const std::string& preset, const char* filter) {
    const std::optional<std::string> chosen =
        AskForFileToOpen(Handle(), DirectoryPart(Text(editId)), preset, filter);
    if (chosen)
        SetText(editId, *chosen);
}

void TfrmSetting::btnShowOptionsClick() {
    if (optionsWindow_ && optionsWindow_->Handle() != nullptr)
        return;
    optionsWindow_ = std::make_unique<TfrmWindow>();
    if (!optionsWindow_->Create())
        return;
    optionsWindow_->SetCaption(kOptionHelpCaption);
    optionsWindow_->Show(false);
    RunOptionHelp(runner_, optionsWindow_->edt(),
                  OptionHelpCommands(Text(IDC_EDT_PERL_PATH), Text(IDC_EDT_MKNMZ_PATH),
                                     Text(IDC_EDT_NAMAZU_PATH), SelectedVersion()));
}

void TfrmSetting::chkShowWindowClick() {
    const BOOL enabled = Checked(IDC_CHK_SHOW_WINDOW) ? TRUE : FALSE;
    EnableWindow(Control(IDC_CHK_IN_DOS_WINDOW), enabled);
    EnableWindow(Control(IDC_CHK_MINIMIZE), enabled);
}

void TfrmSetting::CloseWith(int modalResult) {
    FormCloseQuery();
    EndDialog(Handle(), modalResult);
}

// A busy options window refuses; the dialog closes all the same.
void TfrmSetting::FormCloseQuery() {
    if (optionsWindow_ && optionsWindow_->Handle() != nullptr)
        SendMessageW(optionsWindow_->Handle(), WM_CLOSE, 0, 0);
}

HWND TfrmSetting::Control(int id) const {
    if (HWND own = Item(id))
        return own;
    for (const SettingsPage& page : pages_) {
        if (HWND control = GetDlgItem(page.Handle(), id))
            return control;
    }
    return nullptr;
}

void InitialiseCommonControls() {
    INITCOMMONCONTROLSEX classes = {};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES;
    InitCommonControlsEx(&classes);
}

} // namespace

void ShowSettingsDialog(HWND host, SettingsStore& store, HostApi& hostApi, UserInterface& ui,
                        ConsoleRunner& runner) {
    try {
        OpenAccountSettings(store, hostApi.GetAccount(host));
    } catch (const PluginError& error) {
        ui.ShowMessage(error.what());
        return;
    }
    InitialiseCommonControls();
    TfrmSetting dialog(host, store, ui, runner);
    dialog.ShowModal(host, IDD_SETTINGS);
}
