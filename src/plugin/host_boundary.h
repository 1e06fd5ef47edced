#pragma once

#include "platform/user_interface.h"

#include <exception>

// No C++ exception may cross into the host: a failure that reaches an entry
// point or a menu command is shown in the plain box, and the host gets the
// fallback result.
template <typename Work, typename Result>
Result Shielded(UserInterface& ui, Work work, Result onFailure) {
    try {
        return work();
    } catch (const std::exception& error) {
        ui.ShowMessage(error.what());
    }
    return onFailure;
}

template <typename Work> void Shielded(UserInterface& ui, Work work) {
    try {
        work();
    } catch (const std::exception& error) {
        ui.ShowMessage(error.what());
    }
}
