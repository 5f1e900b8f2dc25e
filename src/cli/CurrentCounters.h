#pragma once

#include "cli/MeterStatus.h"
#include "metering/CounterState.h"

#include <array>
#include <optional>
#include <string>

// The daily, weekly, monthly and total counters as they stand now, the running connection in them:
// as stored, with the connection of the checkpoint counted once, and brought up to the meter's
// own figures when the folder's meter answers on the session bus (the checkpoint is up to 30
// seconds behind it).
struct CCurrentCounters {
    std::array<std::optional<CounterState>, 4> counters; // nothing for a counter never stored
    bool running = false;                                // a connection runs (or ran unlogged)

    // Nothing when the counter file cannot be read. meter: what the folder's meter answered, if it did.
    static std::optional<CCurrentCounters> Read(const std::string& dataDirectory,
                                                const std::optional<MeterStatus>& meter);
    // The same, asking the folder's meter on the session bus.
    static std::optional<CCurrentCounters> Read(const std::string& dataDirectory);
};
