#include "core/DateTime.h"

#include <array>
#include <cmath>
#include <ctime>

namespace {

constexpr int64_t kOleEpochFromUnixEpoch = 25569; // days from 1899-12-30 to 1970-01-01
constexpr double kFirstDay = -657434.0;           // 1 January 100
constexpr double kLastDay = 2958465.0;            // 31 December 9999

// Days since 1970-01-01 of a proleptic Gregorian date (after H. Hinnant's civil calendar algorithms).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool NamesTimeZone(const char* format) {
    for (const char* p = format; *p; ++p) {
        if (*p == '%' && p[1] != '\0') {
            ++p;
            if (*p == 'E' || *p == 'O') {
                ++p;
            }
            if (*p == 'c' || *p == 'Z' || *p == 'z' || *p == '+' || *p == 's') {
                return true;
            }
        }
    }
    return false;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

int CDateTime::DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool CDateTime::IsValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

CDateTime CDateTime::FromLocalTime(const LocalTime& t) {
    if (!IsValidDate(t.year, t.month, t.day) || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 ||
        t.second < 0 || t.second > 59) {
        return CDateTime(0.0, ValueStatus::Invalid);
    }
    const int64_t day = DaysFromCivil(t.year, t.month, t.day) + kOleEpochFromUnixEpoch;
    const double fraction = (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
    return CDateTime(day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction);
}

double CDateTime::Linear() const {
    if (m_date >= 0.0) {
        return m_date; // from 30 December 1899 on, OLE dates already run with time
    }
    const double day = std::trunc(m_date);
    return day + std::fabs(m_date - day);
}

CDateTime CDateTime::FromLinear(double linear, ValueStatus status) {
    if (status != ValueStatus::Valid) {
        return CDateTime(0.0, status);
    }
    // Whole milliseconds: a time reached by arithmetic gets the same bits as the same time built
    // from its calendar fields, so equal moments compare equal.
    double day = std::floor(linear);
    int64_t ms = std::llround((linear - day) * 86400000.0);
    if (ms >= 86400000) {
        day += 1;
        ms -= 86400000;
    }
    const double fraction = static_cast<double>(ms) / 86400000.0;
    return CDateTime(day >= 0 ? day + fraction : day - fraction);
}

CDateTime::DayAndSecond CDateTime::SplitDayAndSecond() const {
    const double linear = Linear();
    // A value from a damaged file that names no day of the years 100 to 9999 reads as the epoch.
    if (!(linear >= kFirstDay && linear < kLastDay + 1)) {
        return {0, 0};
    }
    DayAndSecond split{static_cast<int64_t>(std::floor(linear)), 0};
    // The fraction is never negative, so adding a half and cutting rounds to the nearest second.
    split.second = static_cast<int>((linear - static_cast<double>(split.day)) * 86400.0 + 0.5);
    if (split.second >= 86400) {
        ++split.day;
        split.second -= 86400;
    }
    return split;
}

LocalTime CDateTime::ToLocalTime() const {
    const DayAndSecond split = SplitDayAndSecond();
    LocalTime t;
    CivilFromDays(split.day - kOleEpochFromUnixEpoch, t.year, t.month, t.day);
    t.hour = split.second / 3600;
    t.minute = split.second / 60 % 60;
    t.second = split.second % 60;
    return t;
}

int32_t CDateTime::GetDayNumber() const {
    return m_date > kFirstDay - 1 && m_date < kLastDay + 1 ? static_cast<int32_t>(std::trunc(m_date)) : 0;
}

int CDateTime::GetDayOfWeek() const {
    const LocalTime t = ToLocalTime();
    const int64_t day = DaysFromCivil(t.year, t.month, t.day) + kOleEpochFromUnixEpoch;
    const int64_t r = ((day % 7) + 7) % 7; // day 0, 30 December 1899, was a Saturday
    return r == 0 ? 7 : static_cast<int>(r);
}

int CDateTime::GetDayOfYear() const {
    const LocalTime t = ToLocalTime();
    return static_cast<int>(DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(t.year, 1, 1)) + 1;
}

CDateTime CDateTime::FromMoment(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    // A leap second shows as the last second of its minute.
    return FromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                    local.tm_sec > 59 ? 59 : local.tm_sec);
}

std::tm CDateTime::ToTm() const {
    const LocalTime t = ToLocalTime();
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    return tm;
}

std::time_t CDateTime::ToMoment() const {
    std::tm tm = ToTm();
    return std::mktime(&tm);
}

std::string CDateTime::Format(const char* format) const {
    std::tm tm = ToTm();
    std::tm zone = tm;
    // Only a format that names the time zone needs the (slow) zone look-up.
    if (NamesTimeZone(format) && std::mktime(&zone) != static_cast<std::time_t>(-1)) {
        tm.tm_isdst = zone.tm_isdst; // lets "%c" name the zone in force at that moment
        tm.tm_gmtoff = zone.tm_gmtoff;
        tm.tm_zone = zone.tm_zone;
    }
    tm.tm_wday = GetDayOfWeek() - 1;
    tm.tm_yday = GetDayOfYear() - 1;
    char buffer[256];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &tm);
    return std::string(buffer, length);
}

CDateTime CDateTime::operator+(const CTimeSpan& span) const {
    return FromLinear(Linear() + span.GetDays(), CombineStatus(m_status, span.GetStatus()));
}

CDateTime CDateTime::operator-(const CTimeSpan& span) const {
    return FromLinear(Linear() - span.GetDays(), CombineStatus(m_status, span.GetStatus()));
}

CTimeSpan CDateTime::operator-(const CDateTime& other) const {
    const ValueStatus status = CombineStatus(m_status, other.m_status);
    return status == ValueStatus::Valid ? CTimeSpan(Linear() - other.Linear()) : CTimeSpan(0.0, status);
}
