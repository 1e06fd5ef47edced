#include "platform/win32/win32_user_interface.h"

#include "text/win32/text_encoding.h"

#include <windows.h>

namespace {

// The caption of the plain box, which names no failure of its own.
const char kPlainCaption[] = "tarnwick for Namazu";

int Show(WindowHandle owner, const std::string& caption, const std::string& text, UINT style) {
    return MessageBoxW(static_cast<HWND>(owner), WideFromShiftJis(text).c_str(),
                       WideFromShiftJis(caption).c_str(), style | MB_TASKMODAL);
}

} // namespace

void Win32UserInterface::ShowError(WindowHandle owner, const std::string& caption,
                                   const std::string& text) {
    Show(owner, caption, text, MB_OK | MB_ICONERROR);
}

void Win32UserInterface::ShowWarning(WindowHandle owner, const std::string& caption,
                                     const std::string& text) {
    Show(owner, caption, text, MB_OK | MB_ICONWARNING);
}

void Win32UserInterface::ShowMessage(const std::string& text) {
    Show(GetActiveWindow(), kPlainCaption, text, MB_OK);
}

void Win32UserInterface::ShowInformation(WindowHandle owner, const std::string& caption,
                                         const std::string& text) {
    Show(owner, caption, text, MB_OK | MB_ICONINFORMATION);
}

bool Win32UserInterface::Confirm(WindowHandle owner, const std::string& caption,
                                 const std::string& text) {
    return Show(owner, caption, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
