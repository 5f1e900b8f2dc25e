#pragma once

#include <optional>
#include <string>

// Puts the C library into a time zone for one test ("Europe/Berlin") and restores the previous one.
class CTimeZoneGuard {
public:
    explicit CTimeZoneGuard(const char* zone);
    ~CTimeZoneGuard();
    CTimeZoneGuard(const CTimeZoneGuard&) = delete;
    CTimeZoneGuard& operator=(const CTimeZoneGuard&) = delete;

private:
    std::optional<std::string> m_previous;
};
