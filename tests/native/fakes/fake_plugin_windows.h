#pragma once

#include "platform/plugin_windows.h"

#include <functional>
#include <string>
#include <vector>

// Records which window was opened for which host window; the modal results
// are set by the test. OnIndexDialog runs while the index dialog is "open".
class FakePluginWindows : public PluginWindows {
public:
    std::vector<std::string> Opened;
    SearchDialogEnd SearchResult = SearchDialogEnd::Cancel;
    std::function<void()> OnIndexDialog;

    void ShowIndexDialog(WindowHandle) override {
        Opened.push_back("index");
        if (OnIndexDialog)
            OnIndexDialog();
    }
    SearchDialogEnd ShowSearchDialog(WindowHandle) override {
        Opened.push_back("search");
        return SearchResult;
    }
    void ShowResultWindow(WindowHandle) override { Opened.push_back("result"); }
    void ShowSettingsDialog(WindowHandle) override { Opened.push_back("settings"); }
    void ShowAboutBox(WindowHandle) override { Opened.push_back("about"); }
};
