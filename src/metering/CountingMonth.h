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

private:
    CDateTime m_begin;
    CDateTime m_end;
};
