#pragma once

#include "log/LogEntry.h"
#include "metering/CounterState.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The state of a running connection as the next start needs it, should the program end without
// logging it: the log record as it stands, each totals counter as it would be saved now, and what
// the counter file held of it then (kept as what the connection adds to it, written only where that
// is not the whole connection). A counter file that still holds the latter takes the former whole
// (so storing it twice changes nothing), one that holds the former has counted the connection, and
// one that moved on meanwhile gets the difference added. The discount counter needs no entry: it is saved at every
// discounted unit.
struct CCheckpoint {
    static constexpr const char* kFileName = "Fernzahl.run";

    LogEntry record;
    std::array<CounterState, 4> counters; // daily, weekly, monthly, total
    std::array<CounterState, 4> saved;    // the same counters as their file held them (to the second)

    // A small INI text, readable by people.
    std::string ToText() const;
    // Nothing for a text that is not a whole checkpoint of this version (damaged, or another file).
    static std::optional<CCheckpoint> Parse(std::string_view text);
    // Whether its connection had ended by now, as every connection that was metered has; one that
    // ends later comes from a damaged or foreign file.
    bool EndsBy(const CDateTime& now) const;
};
