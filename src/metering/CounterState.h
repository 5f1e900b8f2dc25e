#pragma once

#include "core/DateTime.h"
#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>

struct LogEntry;

// What one connection adds to a totals counter: its time, units, costs, and whether it began in
// the counter's period (a connection running over a reset counts in the new period from then on).
struct CounterFigures {
    CTimeSpan duration;
    int32_t units = 0;
    int32_t connections = 0;
    CMoney costs;

    // A whole connection, as its log record has it.
    static CounterFigures Of(const LogEntry& record);
    // The same figures, the durations to the second (a difference of two sums of days may differ
    // from the whole in the last bits).
    bool Matches(const CounterFigures& other) const;
};

// What the counter file keeps of one totals counter.
struct CounterState {
    CTimeSpan duration;
    int32_t units = 0;
    int32_t connections = 0;
    CMoney costs;
    CDateTime resetDate;

    bool operator==(const CounterState&) const = default;
    // The counter with a connection added; its period (the reset date) stays.
    CounterState Plus(const CounterFigures& figures) const;
    // The counter without them.
    CounterState Less(const CounterFigures& figures) const;
    // What was added to earlier to make this state (both of one period).
    CounterFigures Since(const CounterState& earlier) const;
    // The same state, the durations to the second.
    bool Matches(const CounterState& other) const;
};
