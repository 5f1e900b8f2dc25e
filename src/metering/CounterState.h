#pragma once

#include "core/DateTime.h"
#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>

// What the counter file keeps of one totals counter.
struct CounterState {
    CTimeSpan duration;
    int32_t units = 0;
    int32_t connections = 0;
    CMoney costs;
    CDateTime resetDate;

    bool operator==(const CounterState&) const = default;
};
