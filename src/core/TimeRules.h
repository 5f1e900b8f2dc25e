#pragma once

#include <cstdint>

// Whole seconds between two tick counts. A start set back before the tick's own start (a lead time
// longer than the machine has been up) wraps the unsigned subtraction back into place.
constexpr uint64_t ElapsedSeconds(uint64_t nowTick, uint64_t startTick) {
    return (nowTick - startTick) / 1000;
}

// The longest connection the meter can count, 68 years: a record holds its units in 32 bits, and
// they come at most one a second after the first.
constexpr uint64_t kLongestMeteredSeconds = INT32_MAX - 1;

// The quarter-hour of the day that tariff zones are made of: 0 (00:00-00:14) to 95 (23:45-23:59).
constexpr int QuarterHourIndex(int hour, int minute) {
    return hour * 4 + minute / 15;
}
