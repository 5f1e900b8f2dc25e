#pragma once

#include "core/Clock.h"

#include <ctime>
#include <optional>

// A clock that only moves when told to: tick count and local time advance together. Local time
// follows the time zone's rules, as a wall clock does: the elapsed seconds are added to the start
// as a moment, so a simulated call crosses a change to or from summer time as a real one does.
class CSimulatedClock : public Clock {
public:
    CSimulatedClock(const CDateTime& start, uint64_t startTick) : m_start(start.ToMoment()), m_startTick(startTick) {}

    uint64_t GetTickCount() const override { return m_startTick + m_elapsedMs; }
    CDateTime Now() const override {
        // The zone conversion is the dearest part of a simulated tick; a second is converted once.
        const std::time_t moment = m_start + static_cast<std::time_t>(m_elapsedMs / 1000);
        if (moment != m_convertedMoment) {
            m_convertedMoment = moment;
            m_converted = CDateTime::FromMoment(moment);
        }
        return m_converted;
    }

    void Advance(uint64_t milliseconds) { m_elapsedMs += milliseconds; }
    // Sets the wall clock, forwards or back, as a user does; the tick count runs on undisturbed.
    void SetNow(const CDateTime& moment) {
        const std::time_t now = m_start + static_cast<std::time_t>(m_elapsedMs / 1000);
        // Mostly the zone's offset stays, and the local difference is the real one; that spares
        // mktime, which looks at the zone file every time.
        std::time_t target = now + static_cast<std::time_t>((moment - Now()).GetTotalSeconds());
        if (CDateTime::FromMoment(target) != moment) {
            target = moment.ToMoment();
        }
        m_start = target - static_cast<std::time_t>(m_elapsedMs / 1000);
    }
    uint64_t GetElapsedMilliseconds() const { return m_elapsedMs; }

private:
    std::time_t m_start;
    uint64_t m_startTick;
    uint64_t m_elapsedMs = 0;
    mutable std::optional<std::time_t> m_convertedMoment;
    mutable CDateTime m_converted;
};
