#pragma once

#include "platform/message_pump.h"

class Win32MessagePump : public MessagePump {
public:
    void Sleep(unsigned milliseconds) override;
    void ProcessPendingMessages() override;
};
