#pragma once

#include "platform/user_interface.h"

#include <string>
#include <vector>

// Records every box the code shows; confirmations answer ConfirmAnswer.
class FakeUserInterface : public UserInterface {
public:
    struct Box {
        std::string Kind; // "error", "warning", "message", "information" or
                          // "confirm"
        WindowHandle Owner;
        std::string Caption;
        std::string Text;
    };
    std::vector<Box> Boxes;
    bool ConfirmAnswer = true;

    void ShowError(WindowHandle owner, const std::string& caption,
                   const std::string& text) override {
        Boxes.push_back({"error", owner, caption, text});
    }
    void ShowWarning(WindowHandle owner, const std::string& caption,
                     const std::string& text) override {
        Boxes.push_back({"warning", owner, caption, text});
    }
    void ShowMessage(const std::string& text) override {
        Boxes.push_back({"message", nullptr, "", text});
    }
    void ShowInformation(WindowHandle owner, const std::string& caption,
                         const std::string& text) override {
        Boxes.push_back({"information", owner, caption, text});
    }
    bool Confirm(WindowHandle owner, const std::string& caption, const std::string& text) override {
        Boxes.push_back({"confirm", owner, caption, text});
        return ConfirmAnswer;
    }
};
