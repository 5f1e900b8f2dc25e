#pragma once

#include <cstdint>

// Whole seconds between two tick counts; the unsigned subtraction survives one wrap of the counter.
constexpr uint32_t ElapsedSeconds(uint32_t nowTick, uint32_t startTick) {
    return (nowTick - startTick) / 1000;
}

// The quarter-hour of the day that tariff zones are made of: 0 (00:00-00:14) to 95 (23:45-23:59).
constexpr int QuarterHourIndex(int hour, int minute) {
    return hour * 4 + minute / 15;
}
