#pragma once

#include "core/Money.h"

#include <array>
#include <cstdint>
#include <string>

// What status knows of the folder's meter, whichever way it learnt it: the figures of the meter on
// the session bus, or only that one runs and what its checkpoint says, or that none runs.
struct MeterStatus {
    enum class State { Stopped, Idle, Connected };

    State state = State::Stopped;
    bool live = false; // the figures come from the meter itself, not from the files it wrote
    std::string connection;
    std::string device;
    std::string user;
    std::string tariff;
    std::string started;    // local date and time, as the locale writes them
    std::string startedIso; // ISO 8601 with the offset from UTC, for JSON
    uint64_t seconds = 0;
    uint64_t units = 0;
    CMoney costs;
    uint64_t secondsToNextUnit = 0;
    std::array<CMoney, 4> counters{}; // daily, weekly, monthly, total
    std::string dataFolder;
};
