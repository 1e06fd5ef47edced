#pragma once

#include "platform/clock.h"

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
};
