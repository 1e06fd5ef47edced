#include "search/win32/search_form.h"

#include "platform/plugin_error.h"
#include "platform/win32/control_names.h"
#include "platform/win32/control_text.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/dialog_placement.h"
#include "platform/win32/hint_tooltips.h"
#include "search/alias_dialog.h"
#include "search/search_dialog.h"
#include "search/win32/alias_form.h"
#include "search/win32/dialog_controls.h"
#include "search/win32/popup_menus.h"
#include "search/win32/search_resource.h"
#include "text/win32/text_encoding.h"

#include <commctrl.h>

#include <optional>

namespace {

const NamedControl kControls[] = {
    {IDC_SEARCH_LABEL1, "Label1"},
    {IDC_SEARCH_FOLDER_NAME, "edtFolderName"},
    {IDC_SEARCH_ALIAS, "btnAlias"},
    {IDC_SEARCH_FOLDER_BROWSE, "btnFolderBrowse"},
    {IDC_SEARCH_LABEL2, "Label2"},
    {IDC_SEARCH_KEYWORD, "cboKeyword"},
    {IDC_SEARCH_GROUP, "GroupBox1"},
    {IDC_SEARCH_HEADER_NAME, "cboHeaderName"},
    {IDC_SEARCH_HEADER_KEYWORD, "edtHeaderKeyword"},
    {IDC_SEARCH_ADD, "btnAdd"},
    {IDC_SEARCH_DELETE, "btnDelete"},
    {IDC_SEARCH_HEADER_LIST, "lstHeader"},
    {IDC_SEARCH_SEARCH, "btnSearch"},
    {IDCANCEL, "btnCancel"},
};

// Where the dialog was opened from, when not from the host's menu.
struct ResultWindowStart {
    HWND Window;
    std::vector<std::string> KeywordItems;
};

bool ShiftHeld() {
    return GetKeyState(VK_SHIFT) < 0;
}

class TfrmSearch : public DialogBase {
public:
    TfrmSearch(HWND host, std::optional<ResultWindowStart> start, SearchDialog& logic,
               UserInterface& ui)
        : host_(host), start_(std::move(start)), ui_(ui), logic_(logic) {}

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            return FormCreate();
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    }

private:
    INT_PTR FormCreate() {
        NameControls(Handle(), kControls);
        CreateHint();
        SetUpHeaderControls();
        logic_.FormCreate();
        menus_.BuildFolderMenu(logic_.FolderMenu());
        BuildAliasMenu();
        if (start_) {
            SetComboItems(Item(IDC_SEARCH_KEYWORD), start_->KeywordItems);
            SetControlText(Item(IDC_SEARCH_KEYWORD), logic_.PreviousFormula());
            PlaceOverOwner(Handle(), start_->Window);
        } else {
            SetComboItems(Item(IDC_SEARCH_KEYWORD), logic_.HistoryItems());
            logic_.ForgetPreviousFormula();
            PlaceOverOwner(Handle(), host_);
        }
        ShowTargets();
        SetFocus(Item(IDC_SEARCH_KEYWORD));
        return FALSE;
    }

    void OnCommand(int id, int code) {
        if (id >= IDM_FOLDER_FIRST && id <= IDM_FOLDER_LAST) {
            mnuFolderListItemClick(id - IDM_FOLDER_FIRST);
            return;
        }
        if (id >= IDM_ALIAS_FIRST && id <= IDM_ALIAS_LAST) {
            mnuAliasListItemClick(id - IDM_ALIAS_FIRST);
            return;
        }
        switch (id) {
        case IDC_SEARCH_FOLDER_NAME:
            if (code == EN_CHANGE)
                edtFolderNameChange();
            break;
        case IDC_SEARCH_HEADER_NAME:
            OnHeaderFieldFocus(code == CBN_SETFOCUS, code == CBN_KILLFOCUS);
            break;
        case IDC_SEARCH_HEADER_KEYWORD:
            OnHeaderFieldFocus(code == EN_SETFOCUS, code == EN_KILLFOCUS);
            break;
        case IDC_SEARCH_ALIAS:
            menus_.ShowAliasMenu(Handle(), Item(IDC_SEARCH_ALIAS));
            break;
        case IDC_SEARCH_FOLDER_BROWSE:
            menus_.ShowFolderMenu(Handle(), Item(IDC_SEARCH_FOLDER_BROWSE));
            break;
        case IDC_SEARCH_ADD:
            btnAddClick();
            break;
        case IDC_SEARCH_DELETE:
            btnDeleteClick();
            break;
        case IDC_SEARCH_SEARCH:
            btnSearchClick();
            break;
        case IDCANCEL:
            EndDialog(Handle(), 2);
            break;
        case IDM_CURRENT_FOLDER:
            mnuCurrentFolderClick();
            break;
        case IDM_ALIAS_SAVE_AS:
            mnuAliasSaveAsClick();
            break;
        case IDM_ALIAS_RENAME:
            mnuAliasRenameClick();
            break;
        case IDM_ALIAS_DELETE:
            mnuAliasDeleteClick();
            break;
        default:
            break;
        }
    }

    void CreateHint() {
        hints_.Create(Handle());
        hints_.Add(Item(IDC_SEARCH_FOLDER_NAME), "");
    }

    void SetUpHeaderControls() {
        std::vector<std::string> names(std::begin(kHeaderNames), std::end(kHeaderNames));
        SetComboItems(Item(IDC_SEARCH_HEADER_NAME), names);
        HWND list = Item(IDC_SEARCH_HEADER_LIST);
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
        AddColumn(list, 0, "ヘッダ", 85);
        AddColumn(list, 1, "検索式", 185);
    }

    static void AddColumn(HWND list, int index, const std::string& caption, int width) {
        std::wstring text = WideFromShiftJis(caption);
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = &text[0];
        column.cx = width;
        SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    }

    // Targets

    void ShowTargets() {
        SetControlText(Item(IDC_SEARCH_FOLDER_NAME), logic_.Targets().FolderNameText());
        menus_.CheckAlias(logic_.Targets().CheckedAlias());
    }

    void BuildAliasMenu() {
        menus_.BuildAliasMenu(logic_.Targets().BuildAliasMenu());
        menus_.CheckAlias(logic_.Targets().CheckedAlias());
    }

    void edtFolderNameChange() {
        hints_.SetText(Item(IDC_SEARCH_FOLDER_NAME), logic_.Targets().FolderNameHint());
    }

    void mnuFolderListItemClick(int position) {
        logic_.Targets().PickFolder(position, ShiftHeld());
        ShowTargets();
    }

    void mnuCurrentFolderClick() {
        logic_.PickCurrentFolder(ShiftHeld());
        ShowTargets();
    }

    void mnuAliasListItemClick(int alias) {
        logic_.ApplyAlias(alias);
        ShowTargets();
    }

    void mnuAliasSaveAsClick() {
        if (!logic_.MaySaveAliasAs(Handle()))
            return;
        const std::string currentAlias = logic_.Targets().CurrentAlias();
        AliasDialog dialog(logic_.Store(), logic_.Catalogue(), ui_, AliasDialogMode::SaveAs,
                           logic_.Targets().SelectedFolders(), logic_.IndexBase());
        if (AliasDialogSaved(dialog, -1, currentAlias))
            BuildAliasMenu();
    }

    void mnuAliasRenameClick() {
        const int oldAlias = logic_.RenameStartAlias();
        const std::string defaultName = oldAlias < 0 ? "" : logic_.Targets().CurrentAlias();
        AliasDialog dialog(logic_.Store(), logic_.Catalogue(), ui_, AliasDialogMode::Rename,
                           logic_.Targets().SelectedFolders(), logic_.IndexBase());
        if (AliasDialogSaved(dialog, oldAlias, defaultName))
            BuildAliasMenu();
    }

    // It opens inside this dialog's handler, which no exception may leave.
    bool AliasDialogSaved(AliasDialog& dialog, int oldAlias, const std::string& defaultName) {
        try {
            return ShowAliasDialog(Handle(), dialog, oldAlias, defaultName) == 1;
        } catch (const PluginError& error) {
            ui_.ShowMessage(error.what());
            return false;
        }
    }

    void mnuAliasDeleteClick() {
        if (logic_.DeleteAppliedAlias(Handle()))
            BuildAliasMenu();
    }

    // Header conditions

    void OnHeaderFieldFocus(bool entered, bool left) {
        if (entered)
            SetDefaultButton(IDC_SEARCH_ADD, IDC_SEARCH_SEARCH);
        else if (left)
            SetDefaultButton(IDC_SEARCH_SEARCH, IDC_SEARCH_ADD);
    }

    void SetDefaultButton(int id, int previous) {
        SendMessageW(Handle(), DM_SETDEFID, id, 0);
        SendMessageW(Item(previous), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        SendMessageW(Item(id), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }

    int SelectedHeaderRow() const {
        return static_cast<int>(
            SendMessageW(Item(IDC_SEARCH_HEADER_LIST), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    }

    void btnAddClick() {
        HeaderConditions& headers = logic_.Headers();
        headers.Select(SelectedHeaderRow());
        if (headers.Add(ControlText(Item(IDC_SEARCH_HEADER_NAME)),
                        ControlText(Item(IDC_SEARCH_HEADER_KEYWORD))))
            ShowHeaders();
    }

    void btnDeleteClick() {
        HeaderConditions& headers = logic_.Headers();
        headers.Select(SelectedHeaderRow());
        const std::optional<HeaderCondition> removed = headers.DeleteSelected();
        if (!removed)
            return;
        SetControlText(Item(IDC_SEARCH_HEADER_NAME), removed->Name);
        SetControlText(Item(IDC_SEARCH_HEADER_KEYWORD), removed->Keyword);
        ShowHeaders();
    }

    void ShowHeaders() {
        HWND list = Item(IDC_SEARCH_HEADER_LIST);
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
        const std::vector<HeaderCondition>& rows = logic_.Headers().Rows();
        for (size_t i = 0; i < rows.size(); ++i) {
            std::wstring name = WideFromShiftJis(rows[i].Name);
            std::wstring keyword = WideFromShiftJis(rows[i].Keyword);
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.pszText = &name[0];
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 1;
            item.pszText = &keyword[0];
            SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        }
        const int selected = logic_.Headers().Selected();
        if (selected >= 0)
            ListView_SetItemState(list, selected, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
    }

    void btnSearchClick() {
        std::string keyword = ControlText(Item(IDC_SEARCH_KEYWORD));
        const bool closes = logic_.Search(keyword);
        if (keyword.empty())
            SetControlText(Item(IDC_SEARCH_KEYWORD), "");
        if (closes)
            EndDialog(Handle(), 1);
    }

    HWND host_;
    std::optional<ResultWindowStart> start_;
    UserInterface& ui_;
    SearchDialog& logic_;
    SearchPopupMenus menus_;
    HintTooltips hints_;
};

SearchDialogEnd ShowModally(HWND host, SearchServices& services,
                            std::optional<ResultWindowStart> start) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND owner = start ? start->Window : host;
    SearchDialog logic(services, host);
    TfrmSearch dialog(host, std::move(start), logic, services.Ui);
    return dialog.ShowModal(owner, IDD_SEARCH) == 1 ? SearchDialogEnd::Search
                                                    : SearchDialogEnd::Cancel;
}

} // namespace

SearchDialogEnd ShowSearchDialog(HWND host, SearchServices& services) {
    return ShowModally(host, services, std::nullopt);
}

SearchDialogEnd ShowSearchDialogOverResult(HWND host, SearchServices& services, HWND resultWindow,
                                           const std::vector<std::string>& keywordItems) {
    return ShowModally(host, services, ResultWindowStart{resultWindow, keywordItems});
}
