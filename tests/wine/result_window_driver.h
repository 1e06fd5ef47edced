#pragma once

// Driving the plug-in's search dialog and result window in the substitute
// host from the test program, and reading what they show.
#include "ui_automation.h"

#include <windows.h>

#include <string>

const wchar_t kSearchCaption[] = L"tarnwick for Namazu [検索]";
const wchar_t kResultCaption[] = L"tarnwick for Namazu [検索結果]";

// The [Result] and [Command] sections of a tarnwick.ini for the real Namazu
// 2.0 through the bridge, with the command-line view button shown.
std::string BridgedNamazuSections(const std::string& moreMknmzOptions = "");

// The control the plug-in named name; a failure of the test when missing.
HWND Named(HWND window, const char* name);
std::string Text(HWND window, const char* name);
void Press(HWND window, const char* name);

// The result pane's text once a search has ended in it: the window is
// enabled and the text begins with begin. A text read while it changes
// comes back cut to the old length, so it is read until two reads agree.
std::string WaitForPane(HWND window, const std::string& begin, DWORD timeoutMs);

// Searches word again in the open result window and returns the new list.
// The pane first shows the command line, so that the new list is seen to
// arrive even when it reads as the old one.
std::string SearchAgain(HWND window, const std::string& word, DWORD timeoutMs);

// A RichEdit pane's text with one position per line break, as RichEdit counts.
std::wstring PaneCharacters(HWND pane);

size_t Count(const std::string& text, const std::string& part);

// Polls until done() holds; false after the timeout.
template <typename Done> bool WaitUntil(Done done, DWORD timeoutMs = ui::DefaultTimeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}
