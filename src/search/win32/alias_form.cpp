#include "search/win32/alias_form.h"

#include "platform/win32/control_names.h"
#include "platform/win32/control_text.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/dialog_placement.h"
#include "search/win32/dialog_controls.h"
#include "search/win32/search_resource.h"

namespace {

const char kSaveAsMessage[] = "以下のフォルダの組み合わせをエイリアスとして保存します。"
                              "エイリアス名を入力して「保存」ボタンを押してください。";
const char kRenameMessage[] = "以下のフォルダの組み合わせのエイリアスの名称を変更します。"
                              "旧エイリアス名を選択し新しいエイリアス名を入力してください。";

const NamedControl kControls[] = {
    {IDC_ALIAS_MESSAGE, "lblMessage"},
    {IDC_ALIAS_OLD_LABEL, "lblOldAlias"},
    {IDC_ALIAS_OLD_NAME, "cboOldAliasName"},
    {IDC_ALIAS_FOLDER_NAMES, "lstFolderNames"},
    {IDC_ALIAS_NEW_LABEL, "lblNewAlias"},
    {IDC_ALIAS_NAME, "cboAliasName"},
    {IDC_ALIAS_POSITION_LABEL, "Label1"},
    {IDC_ALIAS_POSITION, "cboInsertPosition"},
    {IDC_ALIAS_SAVE, "btnSave"},
    {IDCANCEL, "btnCancel"},
};

class TfrmAliasSaveAs : public DialogBase {
public:
    TfrmAliasSaveAs(HWND owner, AliasDialog& logic, int oldAlias, const std::string& defaultName)
        : owner_(owner), logic_(logic), oldAlias_(oldAlias), defaultName_(defaultName) {}

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
        SetComboItems(Item(IDC_ALIAS_OLD_NAME), logic_.AliasNames());
        SetComboItems(Item(IDC_ALIAS_NAME), logic_.AliasNames());
        SetComboItems(Item(IDC_ALIAS_POSITION), logic_.InsertPositions());
        PlaceOverOwner(Handle(), owner_);
        if (oldAlias_ >= 0) {
            const std::string name = logic_.AliasNames()[static_cast<size_t>(oldAlias_)];
            SendMessageW(Item(IDC_ALIAS_OLD_NAME), CB_SETCURSEL, logic_.FindNameIgnoringCase(name),
                         0);
        }
        SetControlText(Item(IDC_ALIAS_NAME), defaultName_);
        if (logic_.Mode() == AliasDialogMode::SaveAs)
            return ShowSaveAsMode();
        return ShowRenameMode();
    }

    INT_PTR ShowSaveAsMode() {
        SetControlText(Item(IDC_ALIAS_MESSAGE), kSaveAsMessage);
        ShowWindow(Item(IDC_ALIAS_OLD_LABEL), SW_HIDE);
        ShowWindow(Item(IDC_ALIAS_OLD_NAME), SW_HIDE);
        GrowFolderListIntoOldNameRow();
        SetControlText(Item(IDC_ALIAS_NEW_LABEL), "エイリアス名(&N):");
        SetListItems(Item(IDC_ALIAS_FOLDER_NAMES), logic_.FolderNames(-1));
        SetFocus(Item(IDC_ALIAS_NAME));
        return FALSE;
    }

    INT_PTR ShowRenameMode() {
        SetControlText(Item(IDC_ALIAS_MESSAGE), kRenameMessage);
        SetListItems(Item(IDC_ALIAS_FOLDER_NAMES), logic_.FolderNames(oldAlias_));
        SetFocus(Item(oldAlias_ >= 0 ? IDC_ALIAS_NAME : IDC_ALIAS_OLD_NAME));
        return FALSE;
    }

    void GrowFolderListIntoOldNameRow() {
        RECT row = ClientRectOf(Item(IDC_ALIAS_OLD_NAME));
        RECT list = ClientRectOf(Item(IDC_ALIAS_FOLDER_NAMES));
        SetWindowPos(Item(IDC_ALIAS_FOLDER_NAMES), nullptr, list.left, row.top,
                     list.right - list.left, list.bottom - row.top, SWP_NOZORDER);
    }

    RECT ClientRectOf(HWND control) const {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    void OnCommand(int id, int code) {
        switch (id) {
        case IDC_ALIAS_OLD_NAME:
            if (code == CBN_SELCHANGE)
                cboOldAliasNameClick();
            break;
        case IDC_ALIAS_SAVE:
            btnSaveClick();
            break;
        case IDCANCEL:
            EndDialog(Handle(), 2);
            break;
        default:
            break;
        }
    }

    int ChosenEntry(int id) const {
        return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
    }

    void cboOldAliasNameClick() {
        SetListItems(Item(IDC_ALIAS_FOLDER_NAMES),
                     logic_.FolderNames(ChosenEntry(IDC_ALIAS_OLD_NAME)));
    }

    void btnSaveClick() {
        const int oldAlias =
            logic_.Mode() == AliasDialogMode::Rename ? ChosenEntry(IDC_ALIAS_OLD_NAME) : -1;
        const AliasDialog::SaveResult result = logic_.Save(
            Handle(), ControlText(Item(IDC_ALIAS_NAME)), oldAlias, ChosenEntry(IDC_ALIAS_POSITION));
        SetControlText(Item(IDC_ALIAS_NAME), result.Name);
        if (result.Saved)
            EndDialog(Handle(), 1);
    }

    HWND owner_;
    AliasDialog& logic_;
    int oldAlias_;
    std::string defaultName_;
};

} // namespace

int ShowAliasDialog(HWND owner, AliasDialog& dialog, int oldAlias, const std::string& defaultName) {
    TfrmAliasSaveAs form(owner, dialog, oldAlias, defaultName);
    return form.ShowModal(owner, IDD_ALIAS) == 1 ? 1 : 2;
}
