#pragma once

#include "platform/user_interface.h"

#include <string>
#include <vector>

// Message boxes a Windows-side test must not wait on: their texts are kept.
class RecordingUserInterface : public UserInterface {
public:
    std::vector<std::string> Messages;

    void ShowError(WindowHandle, const std::string&, const std::string& text) override {
        Messages.push_back(text);
    }
    void ShowWarning(WindowHandle, const std::string&, const std::string& text) override {
        Messages.push_back(text);
    }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowInformation(WindowHandle, const std::string&, const std::string& text) override {
        Messages.push_back(text);
    }
    bool Confirm(WindowHandle, const std::string&, const std::string& text) override {
        Messages.push_back(text);
        return true;
    }
};
