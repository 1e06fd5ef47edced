#pragma once

#include "platform/message_pump.h"

#include <windows.h>

#include <functional>

class Win32MessagePump : public MessagePump {
public:
    void Sleep(unsigned milliseconds) override;
    void ProcessPendingMessages() override;
};

// Returns once object is signalled (a process has ended), dispatching window
// messages as they arrive, so the host stays responsive however long that
// takes. Wakes at least every rhythmMs. A WM_QUIT met meanwhile is posted
// again on return, for the loop that owns the thread.
void WaitWhilePumping(HANDLE object, unsigned rhythmMs);
// The same, but returns false without waiting further as soon as stop, asked
// after each round, holds.
bool WaitWhilePumpingUnless(HANDLE object, unsigned rhythmMs, const std::function<bool()>& stop);
