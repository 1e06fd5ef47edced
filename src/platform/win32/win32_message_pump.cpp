#include "platform/win32/win32_message_pump.h"

#include <optional>

namespace {

// Dispatches the queued messages up to a WM_QUIT, which is taken off the
// queue and whose exit code is returned.
std::optional<int> DispatchQueuedMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return static_cast<int>(message.wParam);
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return std::nullopt;
}

} // namespace

void Win32MessagePump::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

void Win32MessagePump::ProcessPendingMessages() {
    // The loop that owns the thread must see a WM_QUIT too.
    if (const std::optional<int> quit = DispatchQueuedMessages())
        PostQuitMessage(*quit);
}

void WaitWhilePumping(HANDLE object, unsigned rhythmMs) {
    WaitWhilePumpingUnless(object, rhythmMs, nullptr);
}

bool WaitWhilePumpingUnless(HANDLE object, unsigned rhythmMs, const std::function<bool()>& stop) {
    std::optional<int> quit;
    bool ended = false;
    for (;;) {
        const DWORD woken =
            MsgWaitForMultipleObjectsEx(1, &object, rhythmMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) {
            ended = true;
            break;
        }
        if (const std::optional<int> seen = DispatchQueuedMessages())
            quit = seen;
        if (stop && stop())
            break;
    }
    if (quit)
        PostQuitMessage(*quit);
    return ended;
}
