#include "platform/failure_shield.h"

const char kUnexpectedFailure[] = "予期しないエラーが発生しました。";

void ShowFailure(UserInterface& ui, const char* text) noexcept {
    try {
        ui.ShowMessage(text);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}
