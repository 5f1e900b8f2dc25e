#pragma once

#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>
#include <string>

class CStringTable;
struct LocaleFacts;

// What the shown rows of the log add up to.
struct LogTotals {
    size_t count = 0;
    CTimeSpan duration;
    int64_t units = 0;
    CMoney costs;

    // The totals line under the log view: connections, total hours, units, costs.
    std::string Format(const CStringTable& strings, const LocaleFacts& facts) const;
};
