#pragma once

#include "core/DateTime.h"

#include <cstdint>

// Everything that reads a clock goes through this, so tests and the simulator can run days in milliseconds.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start, in 64 bits: an always-on link outlasts the 49.7 days
    // of a 32-bit count, and its time must not start again near zero.
    virtual uint64_t GetTickCount() const = 0;
    // The present local date and time, in whole seconds.
    virtual CDateTime Now() const = 0;
};
