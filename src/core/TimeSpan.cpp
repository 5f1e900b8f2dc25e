#include "core/TimeSpan.h"

#include <cmath>

int64_t CTimeSpan::GetTotalSeconds() const {
    return std::llround(m_days * 86400.0);
}

CTimeSpan CTimeSpan::operator+(const CTimeSpan& other) const {
    const ValueStatus status = CombineStatus(m_status, other.m_status);
    return status == ValueStatus::Valid ? CTimeSpan(m_days + other.m_days) : CTimeSpan(0.0, status);
}

CTimeSpan CTimeSpan::operator-(const CTimeSpan& other) const {
    const ValueStatus status = CombineStatus(m_status, other.m_status);
    return status == ValueStatus::Valid ? CTimeSpan(m_days - other.m_days) : CTimeSpan(0.0, status);
}
