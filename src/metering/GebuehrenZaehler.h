#pragma once

#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>
#include <optional>
#include <string>

class CStringTable;
class CTarif;
class Clock;
class InitialPeriodSource;
struct LocaleFacts;

// Counts the units and costs of a connection with the minimum-charge rules: the minimum charge is
// due at the start, units inside the initial period are free, later units are paid from the credit
// (the minimum charge less the start charge) until it is used up.
class CGebuehrenZaehler {
public:
    CGebuehrenZaehler(CTarif& tariff, const Clock& clock) : m_tariff(tariff), m_clock(clock) {}
    virtual ~CGebuehrenZaehler() = default;

    void SetMeter(const InitialPeriodSource* meter) { m_meter = meter; }
    void Start(uint64_t startTick);
    void Stop();
    // Goes on with a connection that an earlier meter timed from startTick: adds the units and costs
    // it had reached, and takes what was left of its minimum charge and when its last unit began.
    void Continue(uint64_t startTick, int32_t units, CMoney costs, CMoney credit, std::optional<uint64_t> lastUnitTick);
    // Charges the unit that began at beganTick (now, or a little before when the beat was late), at
    // the tariff's present price.
    void AddUnit(uint64_t beganTick);

    CMoney GetCosts() const { return m_costs; }
    int32_t GetUnits() const { return m_units; }
    CTimeSpan GetDuration() const { return m_duration; }
    bool IsCounting() const { return m_running; }
    uint64_t GetStartTick() const { return m_startTick; }
    CMoney GetCredit() const { return m_credit; }
    std::optional<uint64_t> GetLastUnitTick() const { return m_lastUnitTick; }
    // Whole seconds since the start: what the next unit waits for.
    uint64_t GetElapsedSeconds() const;
    // The time the connection is logged and counted with: the whole seconds since the start, but
    // at least into the second in which the last unit began. The connection had reached that
    // second, or the unit would not have been charged; and re-rating a logged time charges a unit
    // only when the time reaches past the unit's beginning.
    uint64_t GetMeteredSeconds() const;

    // "time   units   costs": elapsed while counting, the stored duration afterwards.
    std::string FormatCounter(const CStringTable& strings, const LocaleFacts& facts) const;
    // "time · costs" (or costs first), always the time since the start.
    std::string FormatShort(bool costsFirst, const CStringTable& strings, const LocaleFacts& facts) const;

protected:
    // Times from startTick on; no unit counted yet.
    void BeginTiming(uint64_t startTick);
    // Minimum charge due at the start; the credit keeps what units may still use of it.
    void ChargeMinimum();

    CTarif& m_tariff;
    const Clock& m_clock;
    const InitialPeriodSource* m_meter = nullptr;
    uint64_t m_startTick = 0;
    std::optional<uint64_t> m_lastUnitTick; // when the last unit charged began
    int32_t m_units = 0;
    CTimeSpan m_duration;
    bool m_running = false;
    CMoney m_costs;
    CMoney m_credit;
};
