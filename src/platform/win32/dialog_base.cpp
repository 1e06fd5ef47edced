#include "platform/win32/dialog_base.h"

#include "platform/failure_shield.h"
#include "platform/plugin_error.h"
#include "platform/win32/control_names.h"
#include "platform/win32/win32_user_interface.h"

#include <string>

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

DialogBase::~DialogBase() {
    if (handle_ != nullptr)
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
}

UserInterface& FailureBox() {
    static Win32UserInterface box;
    return box;
}

INT_PTR DialogBase::ShowModal(HWND owner, int templateId) {
    opened_ = false;
    const INT_PTR result = DialogBoxParamW(ThisModule(), MAKEINTRESOURCEW(templateId), owner,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    if (!opened_) {
        throw PluginError("ダイアログを開けませんでした。\nエラーコード： " +
                          std::to_string(GetLastError()));
    }
    return result;
}

HWND DialogBase::CreateModeless(HWND owner, int templateId) {
    return CreateDialogParamW(ThisModule(), MAKEINTRESOURCEW(templateId), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
        reinterpret_cast<DialogBase*>(lParam)->handle_ = window;
        reinterpret_cast<DialogBase*>(lParam)->opened_ = true;
    }
    auto* dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const INT_PTR handled =
        dialog != nullptr
            ? ShieldedMessage<INT_PTR>([&] { return dialog->OnMessage(message, wParam, lParam); })
            : FALSE;
    if (message == WM_DESTROY)
        ForgetControlNames(window);
    if (message == WM_NCDESTROY && dialog != nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        dialog->handle_ = nullptr;
    }
    return handled;
}
