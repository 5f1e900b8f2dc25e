#include "core/TimeRules.h"
#include "core/SimulatedClock.h"

#include <gtest/gtest.h>

namespace {

TEST(ElapsedSeconds, DropsTheRemainderAndGoesOnPastThirtyTwoBits) {
    EXPECT_EQ(ElapsedSeconds(90999, 1000), 89u);
    EXPECT_EQ(ElapsedSeconds(1000, 1000), 0u);
    // Started 5 s before 2^32 ms, now 7.5 s after it: no wrap to a few seconds.
    EXPECT_EQ(ElapsedSeconds(0x100000000u + 7500u, 0xFFFFFFFFu - 4999u), 12u);
    // A year and more than 49.7 days.
    EXPECT_EQ(ElapsedSeconds(1000 + 36'000'000'000ull, 1000), 36'000'000u);
    // A lead time of 10 s three seconds after the boot.
    EXPECT_EQ(ElapsedSeconds(3000, uint64_t{0} - 10000), 13u);
}

TEST(QuarterHourIndex, CoversTheDayFromZeroTo95) {
    EXPECT_EQ(QuarterHourIndex(0, 0), 0);
    EXPECT_EQ(QuarterHourIndex(0, 14), 0);
    EXPECT_EQ(QuarterHourIndex(8, 15), 33);
    EXPECT_EQ(QuarterHourIndex(7, 59), 31);
    EXPECT_EQ(QuarterHourIndex(23, 59), 95);
}

TEST(SimulatedClock, MovesTickAndLocalTimeTogetherPastThirtyTwoBits) {
    CSimulatedClock clock(CDateTime::FromDate(2026, 12, 31, 23, 59, 58), 0xFFFFF000u);
    clock.Advance(1500);
    EXPECT_EQ(clock.Now(), CDateTime::FromDate(2026, 12, 31, 23, 59, 59));
    clock.Advance(2000);
    EXPECT_EQ(clock.Now().ToLocalTime(), (LocalTime{2027, 1, 1, 0, 0, 1}));
    EXPECT_EQ(clock.GetTickCount(), 0xFFFFF000ull + 3500u);
    EXPECT_EQ(ElapsedSeconds(clock.GetTickCount(), 0xFFFFF000u), 3u);
}

} // namespace
