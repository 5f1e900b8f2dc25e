#include "metering/Budget.h"

#include "metering/CounterState.h"
#include "settings/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

CounterState Monthly(int64_t costs, const CDateTime& resetDate = CDateTime()) {
    CounterState monthly;
    monthly.costs = CMoney(costs);
    monthly.resetDate = resetDate;
    return monthly;
}

TEST(Budget, ProjectionOnTheFirstTheFifteenthAndTheLastDayOfAMonthFromThe15th) {
    // The counting month runs from 15 March to 14 April: 31 days.
    const auto at = [](int month, int day, int hour, int64_t spent) {
        const CDateTime now = CDateTime::FromDate(2026, month, day, hour);
        return CBudget(CMoney(100'0000), 80, CMoney(spent), CCountingMonth(now, 15), now);
    };
    const CBudget firstDay = at(3, 15, 12, 1'0000);
    EXPECT_EQ(firstDay.Month().Begin(), CDateTime::FromDate(2026, 3, 15));
    EXPECT_EQ(firstDay.Month().End(), CDateTime::FromDate(2026, 4, 15));
    EXPECT_EQ(firstDay.Projection(), CMoney(62'0000));
    EXPECT_EQ(at(3, 15, 0, 0).Projection(), CMoney(0)) << "no time of the month has passed";
    EXPECT_EQ(at(3, 18, 0, 1'0000).Projection(), CMoney(10'3300)) << "to the hundredth";
    EXPECT_EQ(at(3, 29, 0, 14'0000).Projection(), CMoney(31'0000)) << "the month's 15th day";
    const CBudget calendarFirst = at(4, 1, 0, 17'0000);
    EXPECT_EQ(calendarFirst.Month().Begin(), CDateTime::FromDate(2026, 3, 15));
    EXPECT_EQ(calendarFirst.Projection(), CMoney(31'0000));
    const CBudget lastDay = at(4, 14, 12, 30'5000);
    EXPECT_EQ(lastDay.Month().LastDay(), CDateTime::FromDate(2026, 4, 14));
    EXPECT_EQ(lastDay.Projection(), CMoney(31'0000));
    EXPECT_EQ(lastDay.Remaining(), CMoney(69'5000));
}

struct BudgetWarnings : ::testing::Test {
    CTempDir dir;
    CMemorySettingsStore settings{dir.Path()};

    // The warnings due at midnight of that day with the monthly counter at that sum; each from a
    // budget read afresh, as after a restart of the program.
    uint32_t Due(int month, int day, int64_t spent) {
        const CDateTime now = CDateTime::FromDate(2026, month, day);
        return CBudget::Read(settings, Monthly(spent), now).TakeWarnings(settings);
    }
};

TEST_F(BudgetWarnings, EachFiresOncePerCountingMonthAndAgainInTheNext) {
    settings.Write(Setting::kResetTag, 15);
    EXPECT_EQ(Due(3, 20, 50'0000), 0u) << "no budget while the limit is 0";
    settings.Write(Setting::kBudgetLimit, 10'0000);
    EXPECT_EQ(Due(3, 17, 1'0000), 0u) << "two days are too few for the projection";
    EXPECT_EQ(Due(3, 18, 1'0000), CBudget::kProjection); // 1.00 in 3 of 31 days heads for 10.33
    EXPECT_EQ(Due(3, 18, 1'0000), 0u);
    EXPECT_EQ(Due(3, 20, 8'0100), CBudget::kShare);
    EXPECT_EQ(Due(4, 14, 10'0100), CBudget::kLimit);
    EXPECT_EQ(Due(4, 14, 12'0000), 0u);
    EXPECT_EQ(Due(4, 15, 10'0100), CBudget::kShare | CBudget::kLimit);
    EXPECT_EQ(Due(4, 18, 10'0100), CBudget::kProjection);
    EXPECT_EQ(Due(4, 18, 10'0100), 0u);
}

TEST_F(BudgetWarnings, MonthlyCounterDueForItsResetHasSpentNothingOfTheNewMonth) {
    settings.Write(Setting::kAutoReset, 1);
    const CDateTime now = CDateTime::FromDate(2026, 4, 2);
    const CounterState lastMonth = Monthly(5'0000, CDateTime::FromDate(2026, 3, 1));
    EXPECT_EQ(CBudget::Read(settings, lastMonth, now).Spent(), CMoney(0));
    const CounterState thisMonth = Monthly(5'0000, CDateTime::FromDate(2026, 4, 1));
    EXPECT_EQ(CBudget::Read(settings, thisMonth, now).Spent(), CMoney(5'0000));
}

} // namespace
