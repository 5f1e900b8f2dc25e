#include "metering/GebuehrenZaehler.h"

#include "core/Clock.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "core/TimeRules.h"
#include "settings/Formatting.h"
#include "tariffs/InitialPeriodSource.h"
#include "tariffs/Tarif.h"

#include <algorithm>

void CGebuehrenZaehler::Start(uint64_t startTick) {
    BeginTiming(startTick);
    m_running = true;
    m_costs = CMoney(0);
    ChargeMinimum();
    m_units = 0;
}

void CGebuehrenZaehler::BeginTiming(uint64_t startTick) {
    m_startTick = startTick;
    m_lastUnitTick.reset();
}

void CGebuehrenZaehler::ChargeMinimum() {
    m_credit = m_tariff.GetMinimumCharge();
    m_costs += m_credit;
    m_credit -= m_tariff.GetStartCharge();
    // A start charge above the minimum charge: the start charge is due instead.
    if (m_credit < CMoney(0)) {
        m_costs -= m_credit;
    }
}

void CGebuehrenZaehler::Continue(uint64_t startTick, int32_t units, CMoney costs, CMoney credit,
                                 std::optional<uint64_t> lastUnitTick) {
    BeginTiming(startTick);
    // A unit that began before this counter's start (a reset while it ran) is none of its own.
    if (lastUnitTick && *lastUnitTick >= startTick) {
        m_lastUnitTick = lastUnitTick;
    }
    m_running = true;
    m_units += units;
    m_costs += costs;
    m_credit = credit;
}

void CGebuehrenZaehler::Stop() {
    m_running = false;
    m_duration = CTimeSpan::FromSeconds(GetMeteredSeconds());
}

void CGebuehrenZaehler::AddUnit(uint64_t beganTick) {
    m_lastUnitTick = beganTick;
    if (m_meter == nullptr || m_meter->IsInInitialPeriod()) {
        return;
    }
    if (m_credit > CMoney(0)) {
        m_credit -= m_tariff.GetUnitPrice();
        if (m_credit < CMoney(0)) {
            m_costs -= m_credit; // only the part the credit did not cover
        }
    } else {
        m_costs += m_tariff.GetUnitPrice();
    }
    ++m_units;
}

uint64_t CGebuehrenZaehler::GetElapsedSeconds() const {
    return ElapsedSeconds(m_clock.GetTickCount(), m_startTick);
}

uint64_t CGebuehrenZaehler::GetMeteredSeconds() const {
    const uint64_t elapsed = GetElapsedSeconds();
    // Signed: a unit that began before this counter's reset lies before its start.
    const int64_t unitBegan = m_lastUnitTick ? static_cast<int64_t>(*m_lastUnitTick - m_startTick) : -1;
    return unitBegan < 0 ? elapsed : std::max(elapsed, static_cast<uint64_t>(unitBegan) / 1000 + 1);
}

std::string CGebuehrenZaehler::FormatCounter(const CStringTable& strings, const LocaleFacts& facts) const {
    const double days = m_running ? CTimeSpan::FromSeconds(GetElapsedSeconds()).GetDays() : m_duration.GetDays();
    return strings.Format(Str::kCounterTotals,
                          {FormatDuration(days, facts), std::to_string(m_units), FormatAmount(m_costs, facts)});
}

std::string CGebuehrenZaehler::FormatShort(bool costsFirst, const CStringTable& strings,
                                           const LocaleFacts& facts) const {
    const std::string time = FormatDuration(CTimeSpan::FromSeconds(GetElapsedSeconds()).GetDays(), facts);
    const std::string costs = FormatAmount(m_costs, facts);
    return costsFirst ? strings.Format(Str::kShortText, {costs, time}) : strings.Format(Str::kShortText, {time, costs});
}
