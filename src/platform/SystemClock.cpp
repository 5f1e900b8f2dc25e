#include "platform/SystemClock.h"

#include <ctime>

uint32_t CSystemClock::GetTickCount() const {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

CDateTime CSystemClock::Now() const {
    return CDateTime::FromMoment(std::time(nullptr));
}
