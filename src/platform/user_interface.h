#pragma once

#include "platform/handles.h"

#include <string>

// Modal message boxes. Texts and captions are Shift-JIS.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Error icon and an OK button; owner may be null.
    virtual void ShowError(WindowHandle owner, const std::string& caption,
                           const std::string& text) = 0;
    // Warning icon and an OK button.
    virtual void ShowWarning(WindowHandle owner, const std::string& caption,
                             const std::string& text) = 0;
    // The plug-in's plain box (one OK button, no icon) for failures.
    virtual void ShowMessage(const std::string& text) = 0;
    // Information icon and an OK button.
    virtual void ShowInformation(WindowHandle owner, const std::string& caption,
                                 const std::string& text) = 0;
    // Yes/No box with the question icon; true for Yes.
    virtual bool Confirm(WindowHandle owner, const std::string& caption,
                         const std::string& text) = 0;
};
