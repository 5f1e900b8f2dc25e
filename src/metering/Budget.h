#pragma once

#include "core/Money.h"
#include "metering/CountingMonth.h"

#include <cstdint>
#include <string>

class CStringTable;
class SettingsStore;
struct CounterState;

// The monthly budget at one moment: its limit, what the monthly counter has spent of it in this
// counting month, what remains, and where the month is heading (the costs so far divided by the
// share of the month that has passed). Off while the limit is 0.
class CBudget {
public:
    // The thresholds, as bits of the record of warnings given.
    enum Threshold : uint32_t { kShare = 1, kLimit = 2, kProjection = 4 };
    // Before this many days of the month have passed, the projection says too little to warn.
    static constexpr int kProjectionDays = 3;

    CBudget(CMoney limit, uint32_t sharePercent, CMoney spent, const CCountingMonth& month, const CDateTime& now);
    // From the settings and the monthly counter as it stands at now. A counter that still holds a
    // past month, its automatic reset due, has spent nothing of this one.
    static CBudget Read(SettingsStore& settings, const CounterState& monthly, const CDateTime& now);

    bool IsSet() const { return m_limit > CMoney(0); }
    CMoney Limit() const { return m_limit; }
    CMoney Spent() const { return m_spent; }
    // Negative once the limit is passed.
    CMoney Remaining() const { return m_limit - m_spent; }
    // The month's projected total to the hundredth; the costs so far while no time of the month
    // has passed.
    CMoney Projection() const;
    const CCountingMonth& Month() const { return m_month; }
    // The thresholds passed now: the costs above the warning share or the limit, the projection
    // above the limit once kProjectionDays of the month have passed. None while the budget is off.
    uint32_t Passed() const;
    // The thresholds passed and not yet warned of in this counting month; from now on they count as
    // warned, kept in the settings so that a restart does not warn again.
    uint32_t TakeWarnings(SettingsStore& settings) const;

    // The main window's line under the monthly counter.
    std::string FormatRemaining(const CStringTable& strings) const;
    // The warning of the gravest of the thresholds.
    std::string FormatWarning(uint32_t thresholds, const CStringTable& strings) const;

private:
    uint32_t MonthKey() const;

    CMoney m_limit;
    uint32_t m_sharePercent;
    CMoney m_spent;
    CCountingMonth m_month;
    CDateTime m_now;
};
