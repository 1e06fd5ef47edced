#pragma once

// Helpers for tests that start a Windows program and work its windows from
// outside, the way a person would: find a window by caption, read what its
// controls say, press a button, pick a menu command, close it.

#include <windows.h>

#include <richedit.h>

#include <optional>
#include <string>
#include <vector>

namespace ui {

const DWORD DefaultTimeoutMs = 20000;

// The directory of the running test program, ending in a backslash.
std::wstring ProgramDirectory();

// A program started with its standard output and error captured in a
// temporary file. The destructor ends the program if it still runs.
class ChildProcess {
public:
    ChildProcess(const std::wstring& program, const std::wstring& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // The exit code, or nothing if the program still runs after the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = DefaultTimeoutMs);
    // Everything the program has written so far.
    std::string Output() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    std::wstring outputFile_;
};

// A visible top-level window of the process with exactly this caption, once
// it appears; null after the timeout.
HWND WaitForWindow(DWORD processId, const std::wstring& caption,
                   DWORD timeoutMs = DefaultTimeoutMs);
// True once the window is gone; false if it is still there after the timeout.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = DefaultTimeoutMs);

std::wstring WindowText(HWND window);
// The texts of all controls inside the window, in creation order. A
// message box's text is among them.
std::vector<std::wstring> ControlTexts(HWND top);
// The control the plug-in named `name` (its "TarnwickName" property), or null.
HWND FindControlByName(HWND top, const std::string& name);

// Presses an enabled button as a click would; false if there is none.
bool PressButton(HWND top, const std::wstring& caption);
bool PressButtonById(HWND top, int id);
// Chooses the menu command with this id, as picking the item would.
void PickMenuCommand(HWND top, int commandId);
// The same, waiting for it, while Shift is held down. The key state is set
// in the window's own input state, shared for the moment, so that no
// keyboard event has to arrive in time. False when that cannot be shared.
bool PickMenuCommandWithShift(HWND top, int commandId);
// Sends a message to a window of another thread while Shift is held down,
// the same way. False when the key state cannot be shared.
bool SendWithShift(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The character format of one character of a RichEdit window in any
// process, by selecting the character; nothing when it cannot be read.
std::optional<CHARFORMAT2W> CharacterFormat(HWND richEdit, int character);
// Asks the window to close, as its close box would.
void CloseWindow(HWND window);

} // namespace ui
