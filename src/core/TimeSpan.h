#pragma once

#include "core/ValueStatus.h"

#include <cstdint>

// A length of time as a number of days (one second is 1/86400) with a status.
class CTimeSpan {
public:
    constexpr CTimeSpan() = default;
    constexpr explicit CTimeSpan(double days, ValueStatus status = ValueStatus::Valid)
        : m_days(days), m_status(status) {}

    static constexpr CTimeSpan FromSeconds(int64_t seconds) {
        return CTimeSpan(static_cast<double>(seconds) / 86400.0);
    }
    static CTimeSpan FromFileParts(int32_t status, double days) { return CTimeSpan(days, StatusFromFile(status)); }

    constexpr double GetDays() const { return m_days; }
    constexpr ValueStatus GetStatus() const { return m_status; }
    constexpr bool IsValid() const { return m_status == ValueStatus::Valid; }
    // Whole seconds, rounded to the nearest second to absorb the error of the day fraction.
    int64_t GetTotalSeconds() const;

    CTimeSpan operator+(const CTimeSpan& other) const;
    CTimeSpan operator-(const CTimeSpan& other) const;
    CTimeSpan& operator+=(const CTimeSpan& other) { return *this = *this + other; }

    constexpr bool operator<(const CTimeSpan& o) const { return m_days < o.m_days; }
    constexpr bool operator>(const CTimeSpan& o) const { return m_days > o.m_days; }
    constexpr bool operator==(const CTimeSpan& o) const = default;

private:
    double m_days = 0.0;
    ValueStatus m_status = ValueStatus::Valid;
};
