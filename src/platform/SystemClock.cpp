#include "platform/SystemClock.h"

#include <ctime>

uint32_t CSystemClock::GetTickCount() const {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

CDateTime CSystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CDateTime::FromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                               local.tm_sec > 59 ? 59 : local.tm_sec);
}
