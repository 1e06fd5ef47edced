#pragma once

#include <windows.h>

#include <string>

// Every control carries its name (btnSearch, edtResult, ...) in the window
// property "TarnwickName" as a global atom, so that tests and automation can
// find it without knowing its id.
void NameControl(HWND control, const char* name);
// One row of a dialog's table of control ids and names.
struct NamedControl {
    int Id;
    const char* Name;
};
// Names the dialog's controls after its table.
template <size_t Count> void NameControls(HWND dialog, const NamedControl (&controls)[Count]) {
    for (const NamedControl& control : controls)
        NameControl(GetDlgItem(dialog, control.Id), control.Name);
}
std::string ControlName(HWND control);
// Releases the names of a window and of all its children; called when a
// window that named its controls is destroyed.
void ForgetControlNames(HWND window);
// The first descendant of parent with the given name, or null.
HWND FindNamedControl(HWND parent, const char* name);
