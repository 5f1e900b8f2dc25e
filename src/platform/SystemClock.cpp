#include "platform/SystemClock.h"

#include <ctime>

uint64_t CSystemClock::GetTickCount() const {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
}

CDateTime CSystemClock::Now() const {
    return CDateTime::FromMoment(std::time(nullptr));
}
