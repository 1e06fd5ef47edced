#include "settings/win32/file_open_dialog.h"

#include "text/win32/text_encoding.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {

// Long enough for any path the system accepts.
const size_t kFileNameCapacity = 32768;

// The dialog wants NULs where the text has bars, and two NULs at the end. The
// bars are replaced after conversion: a Shift-JIS trail byte may be a bar.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring wide = WideFromShiftJis(filter);
    std::replace(wide.begin(), wide.end(), L'|', L'\0');
    wide.push_back(L'\0');
    return wide;
}

bool RunDialog(HWND owner, const std::wstring& initialDirectory, const std::wstring& fileName,
               const std::wstring& filter, std::vector<wchar_t>& chosen) {
    chosen.assign(kFileNameCapacity, L'\0');
    std::copy_n(fileName.begin(), std::min(fileName.size(), kFileNameCapacity - 1), chosen.begin());
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    return GetOpenFileNameW(&dialog) != FALSE;
}

} // namespace

std::optional<std::string> AskForFileToOpen(HWND owner, const std::string& initialDirectory,
                                            const std::string& fileName,
                                            const std::string& filter) {
    const std::wstring directory = WideFromShiftJis(initialDirectory);
    const std::wstring wideFilter = DialogFilter(filter);
    std::vector<wchar_t> chosen;
    if (RunDialog(owner, directory, WideFromShiftJis(fileName), wideFilter, chosen))
        return ShiftJisFromWide(chosen.data());
    // A preset the dialog refuses to show must not keep the user from browsing.
    if (CommDlgExtendedError() == FNERR_INVALIDFILENAME &&
        RunDialog(owner, directory, L"", wideFilter, chosen))
        return ShiftJisFromWide(chosen.data());
    return std::nullopt;
}
