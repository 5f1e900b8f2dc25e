#pragma once

#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>
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
    // Charges the unit that begins now, at the tariff's present price.
    void AddUnit();

    CMoney GetCosts() const { return m_costs; }
    int32_t GetUnits() const { return m_units; }
    CTimeSpan GetDuration() const { return m_duration; }
    bool IsCounting() const { return m_running; }
    uint64_t GetElapsedSeconds() const;

    // "time   units   costs": elapsed while counting, the stored duration afterwards.
    std::string FormatCounter(const CStringTable& strings, const LocaleFacts& facts) const;
    // "time · costs" (or costs first), always the time since the start.
    std::string FormatShort(bool costsFirst, const CStringTable& strings, const LocaleFacts& facts) const;

protected:
    // Minimum charge due at the start; the credit keeps what units may still use of it.
    void ChargeMinimum();

    CTarif& m_tariff;
    const Clock& m_clock;
    const InitialPeriodSource* m_meter = nullptr;
    uint64_t m_startTick = 0;
    int32_t m_units = 0;
    CTimeSpan m_duration;
    bool m_running = false;
    CMoney m_costs;
    CMoney m_credit;
};
