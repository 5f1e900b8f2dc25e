#pragma once

#include "log/LogEntry.h"
#include "metering/CounterState.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The state of a running connection as the next start needs it, should the program end without
// logging it: the log record as it stands and each totals counter as it would be saved now. The
// counters are kept whole, not as changes, so that storing them a second time changes nothing. The
// discount counter needs no entry: it is saved at every discounted unit.
struct CCheckpoint {
    static constexpr const char* kFileName = "Fernzahl.run";

    LogEntry record;
    std::array<CounterState, 4> counters; // daily, weekly, monthly, total

    // A small INI text, readable by people.
    std::string ToText() const;
    // Nothing for a text that is not a whole checkpoint of this version (damaged, or another file).
    static std::optional<CCheckpoint> Parse(std::string_view text);
};
