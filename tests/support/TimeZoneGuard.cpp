#include "support/TimeZoneGuard.h"

#include <ctime>

CTimeZoneGuard::CTimeZoneGuard(const char* zone) : m_zone("TZ", zone) {
    tzset();
}

CTimeZoneGuard::~CTimeZoneGuard() {
    m_zone.Restore();
    tzset();
}
