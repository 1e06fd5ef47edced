#pragma once

// How the user-interface thread waits for a console program: it sleeps in
// short steps and handles pending window messages in between.
class MessagePump {
public:
    virtual ~MessagePump() = default;

    virtual void Sleep(unsigned milliseconds) = 0;
    // Dispatches every message already queued, then returns.
    virtual void ProcessPendingMessages() = 0;
};
