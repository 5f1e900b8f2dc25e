#pragma once

#include "core/LocalTime.h"
#include "core/TimeSpan.h"
#include "core/ValueStatus.h"

#include <cstdint>
#include <ctime>
#include <string>

// A local date and time as an OLE Automation date: days since 30 December 1899, the fraction being
// the time of day. Before that day the encoding counts the day backwards but the time forwards
// (-1.25 is 29 December 1899, 06:00), so arithmetic goes through a linear day count.
class CDateTime {
public:
    constexpr CDateTime() = default;
    constexpr explicit CDateTime(double oleDate, ValueStatus status = ValueStatus::Valid)
        : m_date(oleDate), m_status(status) {}

    // Invalid status when the fields name no real date and time (years 100 to 9999).
    static CDateTime FromLocalTime(const LocalTime& time);
    static CDateTime FromDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
        return FromLocalTime({year, month, day, hour, minute, second});
    }
    static CDateTime FromFileParts(int32_t status, double oleDate) {
        return CDateTime(oleDate, StatusFromFile(status));
    }
    // The local date and time of a moment, in whole seconds, by the time zone's rules.
    static CDateTime FromMoment(std::time_t moment);
    static bool IsValidDate(int year, int month, int day);
    static int DaysInMonth(int year, int month);

    constexpr double GetOleDate() const { return m_date; }
    constexpr ValueStatus GetStatus() const { return m_status; }
    constexpr bool IsValid() const { return m_status == ValueStatus::Valid; }

    // The fields, rounded to the nearest second.
    LocalTime ToLocalTime() const;
    // The moment this local time names, by the time zone's rules; a time that a change to summer time
    // skipped or that the change back repeats is taken as the C library's mktime takes it.
    std::time_t ToMoment() const;
    // The day (0 = 30 December 1899, counted on through the epoch) and the second of that day.
    struct DayAndSecond {
        int64_t day;
        int second;
    };
    DayAndSecond SplitDayAndSecond() const;
    // Integer part of the OLE date: the day number that holiday records store.
    int32_t GetDayNumber() const;
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const;
    // 1 = Monday ... 7 = Sunday, as weeks are counted here.
    int GetWeekdayFromMonday() const { return GetDayOfWeek() == 1 ? 7 : GetDayOfWeek() - 1; }
    // 1 = 1 January.
    int GetDayOfYear() const;
    // Whether both moments fall on the same calendar day.
    bool IsSameDay(const CDateTime& other) const { return SplitDayAndSecond().day == other.SplitDayAndSecond().day; }

    // strftime with the C library's locale ("%c", "%x").
    std::string Format(const char* format) const;
    // "2026-12-07T10:00:00", for machines; empty for a value that is not valid.
    std::string FormatIso() const { return IsValid() ? Format("%Y-%m-%dT%H:%M:%S") : std::string(); }

    CDateTime operator+(const CTimeSpan& span) const;
    CDateTime operator-(const CTimeSpan& span) const;
    CTimeSpan operator-(const CDateTime& other) const;

    bool operator<(const CDateTime& o) const { return Linear() < o.Linear(); }
    bool operator>(const CDateTime& o) const { return Linear() > o.Linear(); }
    bool operator<=(const CDateTime& o) const { return Linear() <= o.Linear(); }
    bool operator>=(const CDateTime& o) const { return Linear() >= o.Linear(); }
    constexpr bool operator==(const CDateTime& o) const = default;

    // A number that orders moments as time runs, also before 1899 where OLE dates count backwards
    // within the day.
    double Linear() const;

private:
    // The fields for the C library, the daylight saving time left for it to find.
    std::tm ToTm() const;
    static CDateTime FromLinear(double linear, ValueStatus status);

    double m_date = 0.0;
    ValueStatus m_status = ValueStatus::Valid;
};
