#pragma once

#include "core/Clock.h"

// A clock that only moves when told to: tick count and local time advance together.
class CSimulatedClock : public Clock {
public:
    CSimulatedClock(const CDateTime& start, uint32_t startTick) : m_start(start), m_startTick(startTick) {}

    uint32_t GetTickCount() const override { return m_startTick + static_cast<uint32_t>(m_elapsedMs); }
    CDateTime Now() const override {
        return m_start + CTimeSpan::FromSeconds(static_cast<int64_t>(m_elapsedMs / 1000));
    }

    void Advance(uint64_t milliseconds) { m_elapsedMs += milliseconds; }
    uint64_t GetElapsedMilliseconds() const { return m_elapsedMs; }

private:
    CDateTime m_start;
    uint32_t m_startTick;
    uint64_t m_elapsedMs = 0;
};
