#include "platform/win32/control_names.h"

namespace {

const wchar_t kNameProperty[] = L"TarnwickName";

std::wstring Widened(const char* ascii) {
    return std::wstring(ascii, ascii + strlen(ascii));
}

void ForgetName(HWND window) {
    const ATOM atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropW(window, kNameProperty)));
    if (atom != 0)
        GlobalDeleteAtom(atom);
}

BOOL CALLBACK ForgetChildName(HWND child, LPARAM) {
    ForgetName(child);
    return TRUE;
}

struct NameSearch {
    std::string Name;
    HWND Found;
};

BOOL CALLBACK MatchChildName(HWND child, LPARAM context) {
    NameSearch& search = *reinterpret_cast<NameSearch*>(context);
    if (ControlName(child) != search.Name)
        return TRUE;
    search.Found = child;
    return FALSE;
}

} // namespace

void NameControl(HWND control, const char* name) {
    ForgetName(control);
    const ATOM atom = GlobalAddAtomW(Widened(name).c_str());
    SetPropW(control, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
}

std::string ControlName(HWND control) {
    const ATOM atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, kNameProperty)));
    if (atom == 0)
        return std::string();
    char name[256];
    const UINT length = GlobalGetAtomNameA(atom, name, sizeof name);
    return std::string(name, length);
}

void ForgetControlNames(HWND window) {
    ForgetName(window);
    EnumChildWindows(window, ForgetChildName, 0);
}

HWND FindNamedControl(HWND parent, const char* name) {
    NameSearch search{name, nullptr};
    EnumChildWindows(parent, MatchChildName, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}
