#pragma once

#include "core/DateTime.h"
#include "core/Money.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class SettingsStore;

// Meters logged connections again under a tariff file: each is replayed through the live meter
// (CMeterStation) on a simulated clock, so the unit schedule, the minimum charge, the initial
// period and the discount come out as the meter would have charged them. The discount counter
// carries across the connections in start order and, when wanted, is cleared at each monthly
// reset date as the counters clear it.
class CNachberechnung {
public:
    struct Connection {
        CDateTime start;
        uint32_t seconds = 0;
    };
    struct Rating {
        int32_t units = 0;
        CMoney costs;
    };
    // How the counters would have run: the user's counter settings and a discount count to begin with.
    struct CounterRules {
        uint32_t discountCount = 0;
        bool monthlyReset = false; // "AutoReset"
        uint32_t resetDay = 1;     // "ResetTag"
        bool clearDiscount = true; // "ResetRabatt"
        static CounterRules FromSettings(SettingsStore& settings);
    };
    // Told how many connections are done; false cancels.
    using Progress = std::function<bool(size_t done)>;

    // Reads the tariff file at once.
    CNachberechnung(const std::string& tariffFile, CounterRules rules);
    bool IsReadable() const { return m_tariff.has_value(); }

    // One rating per connection, in the order given; empty when cancelled or when the tariff file
    // could not be read. The meter's files (the tariff, the counters, the log) stay in memory.
    std::vector<Rating> Rate(const std::vector<Connection>& connections, const Progress& progress = {}) const;

private:
    std::optional<std::vector<uint8_t>> m_tariff;
    CounterRules m_rules;
};
