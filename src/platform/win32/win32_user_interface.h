#pragma once

#include "platform/user_interface.h"

// Message boxes through MessageBoxW, so Japanese shows whatever the system locale.
class Win32UserInterface : public UserInterface {
public:
    void ShowError(WindowHandle owner, const std::string& caption,
                   const std::string& text) override;
    void ShowWarning(WindowHandle owner, const std::string& caption,
                     const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowInformation(WindowHandle owner, const std::string& caption,
                         const std::string& text) override;
    bool Confirm(WindowHandle owner, const std::string& caption, const std::string& text) override;
};
