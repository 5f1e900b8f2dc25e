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

    // What a later meter needs to go on with the connection when it finds the same link still up:
    // the link, the tariff file, the name as detected (empty on the modem line) and the state of the
    // count. Ticks are of the boot the link is up in; a link of another boot is never the same.
    struct Run {
        std::string link;
        std::string tariffFile;
        std::string name;
        uint64_t startTick = 0;
        uint32_t unitEnd = 0;  // the second since the start at which the next unit is due
        int32_t lastUnit = -1; // the second since the start at which the last unit began; -1: none yet
        CMoney credit;         // what is left of the minimum charge
        uint32_t initialPeriod = 0;
        bool operator==(const Run&) const = default;
    };

    LogEntry record;
    std::array<CounterState, 4> counters; // daily, weekly, monthly, total
    std::array<CounterState, 4> saved;    // the same counters as their file held them (to the second)
    // Nothing for a connection on no link that could be found again, and in an older checkpoint.
    std::optional<Run> run;

    // A small INI text, readable by people.
    std::string ToText() const;
    // Nothing for a text that is not a whole checkpoint of this version (damaged, or another file).
    static std::optional<CCheckpoint> Parse(std::string_view text);
    // Whether its connection had ended by now, as every connection that was metered has; one that
    // ends later comes from a damaged or foreign file.
    bool EndsBy(const CDateTime& now) const;
};
