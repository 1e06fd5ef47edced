#pragma once

#include "platform/user_interface.h"

#include <exception>

// Shows a failure in the plain box. Showing may fail in turn (no memory for
// the text, no box to be had); that failure is swallowed.
void ShowFailure(UserInterface& ui, const char* text) noexcept;

// Shown for a failure that carries no message.
extern const char kUnexpectedFailure[];

// No C++ exception of any kind may cross into the host or into user32: a
// failure that reaches an entry point, a menu command or a window procedure
// is shown in the plain box, and the caller gets the fallback result.
template <typename Work, typename Result>
Result Shielded(UserInterface& ui, Work work, Result onFailure) noexcept {
    try {
        return work();
    } catch (const std::exception& error) {
        ShowFailure(ui, error.what());
    } catch (...) {
        ShowFailure(ui, kUnexpectedFailure);
    }
    return onFailure;
}

template <typename Work> void Shielded(UserInterface& ui, Work work) noexcept {
    try {
        work();
    } catch (const std::exception& error) {
        ShowFailure(ui, error.what());
    } catch (...) {
        ShowFailure(ui, kUnexpectedFailure);
    }
}
