#pragma once

#include "core/Clock.h"

#include <optional>

// The clock a meter station charges by: the clock it is given, or, while a unit is charged that fell
// due before now (a late beat, the time a stopped meter missed), that clock as it read at the unit's
// beginning, so that each unit is charged at the rate and in the period of its own moment.
class CMomentClock : public Clock {
public:
    explicit CMomentClock(const Clock& clock) : m_clock(clock) {}

    uint64_t GetTickCount() const override;
    CDateTime Now() const override;
    // Reads as at that tick, no later than now, until Release.
    void HoldAt(uint64_t tick) { m_heldAt = tick; }
    void Release() { m_heldAt.reset(); }

private:
    const Clock& m_clock;
    std::optional<uint64_t> m_heldAt;
};
