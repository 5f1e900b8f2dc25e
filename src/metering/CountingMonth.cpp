#include "metering/CountingMonth.h"

#include "settings/SettingsStore.h"

#include <algorithm>

namespace {

// The beginning of the counting month that starts in a calendar month (0 and 13 name the months
// either side of the year).
CDateTime MonthStart(int year, int month, int resetDay) {
    if (month > 12) {
        return MonthStart(year + 1, month - 12, resetDay);
    }
    if (month < 1) {
        return MonthStart(year - 1, month + 12, resetDay);
    }
    if (CDateTime::IsValidDate(year, month, resetDay)) {
        return CDateTime::FromDate(year, month, resetDay);
    }
    return month == 12 ? CDateTime::FromDate(year + 1, 1, 1) : CDateTime::FromDate(year, month + 1, 1);
}

} // namespace

CCountingMonth::CCountingMonth(const CDateTime& moment, int resetDay) {
    const LocalTime t = moment.ToLocalTime();
    const CDateTime start = MonthStart(t.year, t.month, resetDay);
    if (start <= moment) {
        m_begin = start;
        m_end = MonthStart(t.year, t.month + 1, resetDay);
    } else {
        m_begin = MonthStart(t.year, t.month - 1, resetDay);
        m_end = start;
    }
}

CCountingMonth CCountingMonth::Holding(const CDateTime& moment, SettingsStore& settings) {
    return CCountingMonth(moment, static_cast<int>(settings.Read(Setting::kResetTag)));
}

bool CCountingMonth::IsOver(const CDateTime& resetDate, const CDateTime& now, SettingsStore& settings) {
    return settings.Read(Setting::kAutoReset) == 1 && Holding(resetDate, settings).End() <= now;
}

double CCountingMonth::ElapsedShare(const CDateTime& moment) const {
    const double length = static_cast<double>((m_end - m_begin).GetTotalSeconds());
    const double elapsed = static_cast<double>((moment - m_begin).GetTotalSeconds());
    return std::clamp(elapsed / length, 0.0, 1.0);
}
