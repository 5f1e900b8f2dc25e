#pragma once

#include "support/EnvironmentGuard.h"

// Puts the C library into a time zone for one test ("Europe/Berlin") and restores the previous one.
class CTimeZoneGuard {
public:
    explicit CTimeZoneGuard(const char* zone);
    ~CTimeZoneGuard();
    CTimeZoneGuard(const CTimeZoneGuard&) = delete;
    CTimeZoneGuard& operator=(const CTimeZoneGuard&) = delete;

private:
    CEnvironmentGuard m_zone;
};
