#pragma once

#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>
#include <string>

// One group of the summary: what the log rows with the same key add up to.
struct ZusammenfassungGruppe {
    std::string label;
    uint32_t count = 0;
    CTimeSpan duration;
    int64_t units = 0;
    CMoney costs;
    // The mode's key: day number, text id, hour, day of the month, weekday (1 = Monday) or month.
    int64_t key = 0;
};
