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
    int SearchResult = 2;
    int ResultWindowResult = 2;
    std::function<void()> OnIndexDialog;

    void ShowIndexDialog(WindowHandle) override {
        Opened.push_back("index");
        if (OnIndexDialog)
            OnIndexDialog();
    }
    int ShowSearchDialog(WindowHandle) override {
        Opened.push_back("search");
        return SearchResult;
    }
    int ShowResultWindow(WindowHandle) override {
        Opened.push_back("result");
        return ResultWindowResult;
    }
    void ShowSettingsDialog(WindowHandle) override { Opened.push_back("settings"); }
    void ShowAboutBox(WindowHandle) override { Opened.push_back("about"); }
};
