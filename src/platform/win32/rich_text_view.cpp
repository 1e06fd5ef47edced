#include "platform/win32/rich_text_view.h"

#include "platform/win32/control_names.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace {

const LPARAM kMostCharacters = 64 * 1024 * 1024;

struct StreamSource {
    const char* Data;
    size_t Size;
    size_t Read;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    StreamSource& source = *reinterpret_cast<StreamSource*>(cookie);
    const size_t count = std::min(source.Size - source.Read, static_cast<size_t>(size));
    std::memcpy(buffer, source.Data + source.Read, count);
    source.Read += count;
    *read = static_cast<LONG>(count);
    return 0;
}

// About a tenth of a second of deleting under Wine.
const LRESULT kLinesWorthReplacing = 2000;

RECT RectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND CreateLike(HWND edit) {
    wchar_t className[64];
    GetClassNameW(edit, className, 64);
    const RECT rect = RectInParent(edit);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(edit, GWL_STYLE));
    const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(edit, GWL_EXSTYLE));
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(edit, GWLP_HINSTANCE));
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(edit)));
    return CreateWindowExW(extendedStyle, className, L"", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, GetParent(edit), id,
                           instance, nullptr);
}

// The default character format holds the font a WM_SETFONT gave.
void CopyTextSettings(HWND from, HWND to) {
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    SendMessageW(from, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(to, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(to, EM_EXLIMITTEXT, 0, SendMessageW(from, EM_GETLIMITTEXT, 0, 0));
    SendMessageW(to, EM_SETEVENTMASK, 0, SendMessageW(from, EM_GETEVENTMASK, 0, 0));
}

} // namespace

bool LoadRichEdit() {
    static const HMODULE library = LoadLibraryW(L"riched20.dll");
    return library != nullptr;
}

void AllowLongText(HWND edit) {
    SendMessageW(edit, EM_EXLIMITTEXT, 0, kMostCharacters);
}

HWND EmptiedForNewText(HWND edit) {
    if (SendMessageW(edit, EM_GETLINECOUNT, 0, 0) < kLinesWorthReplacing)
        return edit;
    HWND copy = CreateLike(edit);
    if (copy == nullptr)
        return edit;
    CopyTextSettings(edit, copy);
    NameControl(copy, ControlName(edit).c_str());
    // Just behind the old one, so that the tab order stays when it goes.
    SetWindowPos(copy, edit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (GetFocus() == edit)
        SetFocus(copy);
    ForgetControlNames(edit);
    DestroyWindow(edit);
    return copy;
}

bool LoadRichText(HWND edit, const std::string& document, int32_t topCharacter) {
    AllowLongText(edit);
    StreamSource source{document.data(), document.size(), 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadSource;
    SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
    SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    const LRESULT topLine = SendMessageW(edit, EM_EXLINEFROMCHAR, 0, topCharacter);
    SendMessageW(edit, EM_LINESCROLL, 0, topLine);
    CHARRANGE caret{topCharacter, topCharacter};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(edit, nullptr, TRUE);
    return stream.dwError == 0 && source.Read == source.Size;
}
