#pragma once

#include "core/DateTime.h"

class SettingsStore;

// The month the monthly counter counts: it begins at midnight on the reset day; in a month that
// lacks that day it begins on the 1st of the next month.
class CCountingMonth {
public:
    // The counting month that holds the moment.
    CCountingMonth(const CDateTime& moment, int resetDay);
    // The same, with the reset day of the settings.
    static CCountingMonth Holding(const CDateTime& moment, SettingsStore& settings);
    // Whether a monthly counter last reset at resetDate is due for its automatic reset at now.
    static bool IsOver(const CDateTime& resetDate, const CDateTime& now, SettingsStore& settings);

    CDateTime Begin() const { return m_begin; }
    // Midnight of the next counting month's first day.
    CDateTime End() const { return m_end; }
    // Midnight of the month's last day.
    CDateTime LastDay() const { return m_end - CTimeSpan::FromSeconds(86400); }
    // How much of the month has passed at the moment: 0 at its beginning, 1 at its end.
    double ElapsedShare(const CDateTime& moment) const;

private:
    CDateTime m_begin;
    CDateTime m_end;
};
