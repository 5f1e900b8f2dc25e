#include "metering/SummenZaehler.h"

#include "core/Clock.h"
#include "core/StringTable.h"
#include "metering/CountingMonth.h"
#include "settings/Formatting.h"
#include "settings/SettingsStore.h"
#include "tariffs/RabattZaehler.h"

#include <algorithm>

namespace {

// Weeks begin on Monday and on 1 January. The year is part of the key, so that a counter left
// alone for a year never finds its old week again.
int64_t WeekKey(const CDateTime& date) {
    return static_cast<int64_t>(date.ToLocalTime().year) * 1000 + date.GetDayOfYear() - date.GetWeekdayFromMonday();
}

} // namespace

CSummenZaehler::CSummenZaehler(uint8_t recordNumber, ResetMode mode, CTarif& tariff, const Services& services)
    : CGebuehrenZaehler(tariff, services.clock), m_services(services), m_recordNumber(recordNumber), m_mode(mode),
      m_file(services.settings.GetProgramDirectory()) {
    const bool found = m_file.OpenRecordFile() && m_file.FindFirst(0, recordNumber);
    m_file.Close();
    if (!found) {
        Reset();
        return;
    }
    m_saved = m_file.State();
    Assign(m_saved);
    AutoReset();
}

void CSummenZaehler::Assign(const CounterState& state) {
    m_duration = state.duration;
    m_units = state.units;
    m_connections = state.connections;
    m_costs = state.costs;
    m_resetDate = state.resetDate;
}

CounterState CSummenZaehler::Current() const {
    return {m_duration, m_units, m_connections, m_costs, m_resetDate};
}

bool CSummenZaehler::Save() {
    const CounterState state = Current();
    if (m_held || !m_file.WriteCounter(m_recordNumber, state)) {
        return false;
    }
    m_saved = state;
    return true;
}

void CSummenZaehler::TakeOver(const CounterState& state) {
    Assign(state);
    if (!AutoReset()) {
        Save();
    }
}

bool CSummenZaehler::Add(const CounterFigures& figures) {
    Assign(Current().Plus(figures));
    return Save();
}

CounterState CSummenZaehler::GetStateAtEnd() const {
    return {GetTotalDuration(), m_units, m_connections, m_costs, m_resetDate};
}

void CSummenZaehler::Reset() {
    m_duration = CTimeSpan();
    BeginTiming(m_clock.GetTickCount()); // a connection in progress is counted from now on
    m_units = 0;
    m_connections = 0;
    const CDateTime now = m_clock.Now();
    if (m_mode == ResetMode::Weekly) {
        // The Monday of this week, but not before 1 January: the week of New Year begins on 1 January,
        // and a reset date in the old year would make every following day look like a new week.
        const int daysBack = std::min(now.GetWeekdayFromMonday() - 1, now.GetDayOfYear() - 1);
        m_resetDate = now - CTimeSpan::FromSeconds(static_cast<int64_t>(daysBack) * 86400);
    } else {
        m_resetDate = now;
    }
    m_costs = CMoney(0);
    Save();
}

void CSummenZaehler::StartConnection(uint64_t startTick) {
    BeginTiming(startTick);
    m_running = true;
    ChargeMinimum();
    ++m_connections;
}

void CSummenZaehler::ContinueConnection(uint64_t startTick, const CounterFigures& added, CMoney credit,
                                        std::optional<uint64_t> lastUnitTick) {
    Continue(startTick, added.units, added.costs, credit, lastUnitTick);
    m_connections += added.connections;
}

bool CSummenZaehler::EndConnection() {
    m_running = false;
    m_duration += CTimeSpan::FromSeconds(GetMeteredSeconds());
    return Save();
}

bool CSummenZaehler::AutoReset() {
    const CDateTime now = m_clock.Now();
    // A clock set back (or a simulation of an earlier day) never moves a period back to it.
    if (now < m_resetDate) {
        return false;
    }
    bool over = false;
    switch (m_mode) {
    case ResetMode::Daily:
        over = !now.IsSameDay(m_resetDate);
        break;
    case ResetMode::Weekly:
        over = WeekKey(now) != WeekKey(m_resetDate);
        break;
    case ResetMode::Monthly:
        over = CCountingMonth::IsOver(m_resetDate, now, m_services.settings);
        break;
    case ResetMode::Never:
        break;
    }
    if (!over) {
        return false;
    }
    ResetPeriod();
    return true;
}

bool CSummenZaehler::ResetPeriod() {
    Reset();
    if (m_mode != ResetMode::Monthly || m_services.settings.Read(Setting::kResetRabatt) == 0) {
        return false;
    }
    // A new month is a new counting period of the discount too, when the user wants it so.
    CRabattZaehler discount(m_services.settings.GetProgramDirectory());
    discount.SetCount(0);
    discount.Save();
    return true;
}

CTimeSpan CSummenZaehler::GetTotalDuration() const {
    const uint64_t running = m_running ? GetMeteredSeconds() : 0;
    return m_duration + CTimeSpan::FromSeconds(running);
}

std::string CSummenZaehler::FormatTotals() const {
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    return m_services.strings.Format(
        172, {m_resetDate.Format("%x"), FormatDuration(GetTotalDuration().GetDays(), facts),
              std::to_string(m_connections), std::to_string(m_units), FormatAmount(m_costs, facts)});
}
