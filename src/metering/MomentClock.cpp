#include "metering/MomentClock.h"

#include "core/TimeSpan.h"

#include <algorithm>

uint64_t CMomentClock::GetTickCount() const {
    const uint64_t now = m_clock.GetTickCount();
    return m_heldAt ? std::min(*m_heldAt, now) : now;
}

CDateTime CMomentClock::Now() const {
    const CDateTime now = m_clock.Now();
    if (!m_heldAt) {
        return now;
    }
    const uint64_t before = m_clock.GetTickCount() - GetTickCount();
    return now - CTimeSpan::FromSeconds(static_cast<int64_t>(before / 1000));
}
