#include "catalogue/win32/win32_message_pump.h"

#include <windows.h>

void Win32MessagePump::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

void Win32MessagePump::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The loop that owns the thread must see it too.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
