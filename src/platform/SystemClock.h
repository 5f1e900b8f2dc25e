#pragma once

#include "core/Clock.h"

// The machine's clocks: the tick count from CLOCK_BOOTTIME (it keeps counting during suspend, so a
// connection that spans a suspend is metered for its whole length), local time from the C library.
class CSystemClock : public Clock {
public:
    uint64_t GetTickCount() const override;
    CDateTime Now() const override;
};
