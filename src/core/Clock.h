#pragma once

#include "core/DateTime.h"

#include <cstdint>

// Everything that reads a clock goes through this, so tests and the simulator can run days in milliseconds.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start, wrapping after 2^32 ms (49.7 days).
    virtual uint32_t GetTickCount() const = 0;
    // The present local date and time, in whole seconds.
    virtual CDateTime Now() const = 0;
};
