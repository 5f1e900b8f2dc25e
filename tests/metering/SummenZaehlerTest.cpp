#include "metering/SummenZaehler.h"

#include "support/StationDriver.h"
#include "support/TariffBuilder.h"

#include <gtest/gtest.h>

namespace {

using Mode = CSummenZaehler::ResetMode;

struct SummenZaehlerTest : ::testing::Test {
    MeteringWorld world{CDateTime::FromDate(2026, 3, 10, 12, 0, 0)};
    CTarif tarif{world.clock, world.dir.Path()};

    void GoTo(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
        world.clock = CSimulatedClock(CDateTime::FromDate(year, month, day, hour, minute, second), 1000);
    }
};

TEST_F(SummenZaehlerTest, NewCounterIsCreatedResetAndSaved) {
    CSummenZaehler counter(CZaehlerFile::kTotal, Mode::Never, tarif, world.services);
    EXPECT_EQ(counter.GetResetDate(), CDateTime::FromDate(2026, 3, 10, 12, 0, 0));
    CZaehlerFile file(world.dir.Path());
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_TRUE(file.FindFirst(0, CZaehlerFile::kTotal));
}

TEST_F(SummenZaehlerTest, MonthlyResetOnTheChosenDay) {
    world.settings.Write(Setting::kAutoReset, 1);
    world.settings.Write(Setting::kResetTag, 15);
    CSummenZaehler counter(CZaehlerFile::kMonthly, Mode::Monthly, tarif, world.services); // reset 10 March
    GoTo(2026, 3, 14, 23, 59, 59);
    EXPECT_FALSE(counter.AutoReset());
    GoTo(2026, 3, 15);
    EXPECT_TRUE(counter.AutoReset());
    GoTo(2026, 4, 14, 23, 59, 59);
    EXPECT_FALSE(counter.AutoReset());
    GoTo(2026, 4, 15, 8, 0, 0);
    EXPECT_TRUE(counter.AutoReset());
}

TEST_F(SummenZaehlerTest, MonthlyResetOnADayTheMonthLacksMovesToTheFirst) {
    world.settings.Write(Setting::kAutoReset, 1);
    world.settings.Write(Setting::kResetTag, 31);
    GoTo(2026, 1, 31, 9, 0, 0);
    CSummenZaehler counter(CZaehlerFile::kMonthly, Mode::Monthly, tarif, world.services);
    GoTo(2026, 2, 28, 23, 0, 0);
    EXPECT_FALSE(counter.AutoReset());
    GoTo(2026, 3, 1, 0, 0, 1);
    EXPECT_TRUE(counter.AutoReset());
    GoTo(2026, 3, 30);
    EXPECT_FALSE(counter.AutoReset());
    GoTo(2026, 3, 31);
    EXPECT_TRUE(counter.AutoReset());
}

TEST_F(SummenZaehlerTest, MonthlyResetOnlyByTheUserWithoutAutoReset) {
    CSummenZaehler counter(CZaehlerFile::kMonthly, Mode::Monthly, tarif, world.services);
    GoTo(2027, 6, 1);
    EXPECT_FALSE(counter.AutoReset());
}

TEST_F(SummenZaehlerTest, MonthlyResetClearsTheDiscountCounterWhenWanted) {
    world.settings.Write(Setting::kAutoReset, 1);
    CSummenZaehler counter(CZaehlerFile::kMonthly, Mode::Monthly, tarif, world.services);
    CRabattZaehler discount(world.dir.Path());
    discount.SetCount(17);
    discount.Save();
    GoTo(2026, 4, 1);
    EXPECT_TRUE(counter.AutoReset());
    EXPECT_EQ(CRabattZaehler(world.dir.Path()).GetCount(), 0u);
    discount.SetCount(5);
    discount.Save();
    world.settings.Write(Setting::kResetRabatt, 0);
    GoTo(2026, 5, 1);
    EXPECT_TRUE(counter.AutoReset());
    EXPECT_EQ(CRabattZaehler(world.dir.Path()).GetCount(), 5u);
}

TEST_F(SummenZaehlerTest, WeekBeginsOnMondayAndOnFirstJanuary) {
    GoTo(2026, 12, 30, 10, 0, 0); // a Wednesday
    CSummenZaehler counter(CZaehlerFile::kWeekly, Mode::Weekly, tarif, world.services);
    EXPECT_EQ(counter.GetResetDate(), CDateTime::FromDate(2026, 12, 28, 10, 0, 0)); // its Monday
    GoTo(2026, 12, 31, 23, 0, 0);
    EXPECT_FALSE(counter.AutoReset());
    GoTo(2027, 1, 1, 0, 0, 0); // a Friday: New Year starts a week
    EXPECT_TRUE(counter.AutoReset());
    EXPECT_EQ(counter.GetResetDate(), CDateTime::FromDate(2027, 1, 1));
    for (int day : {2, 3}) {
        GoTo(2027, 1, day, 12, 0, 0);
        EXPECT_FALSE(counter.AutoReset()) << day;
    }
    GoTo(2027, 1, 4, 0, 0, 0); // Monday
    EXPECT_TRUE(counter.AutoReset());
    GoTo(2028, 1, 4, 0, 0, 0); // the same week day of the year, a year later
    EXPECT_TRUE(counter.AutoReset());
}

TEST_F(SummenZaehlerTest, DailyCounterReadsBackAfterARestart) {
    {
        CSummenZaehler counter(CZaehlerFile::kDaily, Mode::Daily, tarif, world.services);
        counter.StartConnection(world.clock.GetTickCount());
        world.clock.Advance(3725000);
        counter.EndConnection();
    }
    CSummenZaehler again(CZaehlerFile::kDaily, Mode::Daily, tarif, world.services);
    EXPECT_EQ(again.GetConnections(), 1);
    EXPECT_EQ(again.GetTotalDuration().GetTotalSeconds(), 3725);
    GoTo(2026, 3, 11);
    CSummenZaehler nextDay(CZaehlerFile::kDaily, Mode::Daily, tarif, world.services);
    EXPECT_EQ(nextDay.GetConnections(), 0);
}

struct CountersInStationTest : ::testing::Test {
    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 23, 50, 0)}; // a Monday
    void SetUp() override { CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1000}); }
    const CSummenZaehler& Counter(StationDriver& d, CMeterStation::Counter c) { return d.station.GetCounter(c); }
};

TEST_F(CountersInStationTest, MidnightResetsTheDailyCounterButNotTheMeterRun) {
    StationDriver driver(world);
    driver.Start();
    driver.RunFor(20 * 60 * 1000); // until 00:10
    EXPECT_EQ(driver.Units(), 21);
    const CSummenZaehler& daily = Counter(driver, CMeterStation::kDaily);
    EXPECT_EQ(daily.GetConnections(), 0);
    EXPECT_EQ(daily.GetResetDate(), CDateTime::FromDate(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(daily.GetUnits(), 11); // the units that began after midnight
    driver.station.EndConnection();
    // The 21st unit began at 00:10:00, so the connection counts that second as the log does.
    EXPECT_EQ(daily.GetTotalDuration().GetTotalSeconds(), 601);
    const CSummenZaehler& weekly = Counter(driver, CMeterStation::kWeekly);
    EXPECT_EQ(weekly.GetConnections(), 1);
    EXPECT_EQ(weekly.GetUnits(), 21);
    EXPECT_EQ(weekly.GetTotalDuration().GetTotalSeconds(), 1201);
    EXPECT_EQ(driver.station.Meter().GetLastLogged().duration.GetTotalSeconds(), 1201);
}

TEST_F(CountersInStationTest, ResetOnlyAtStartKeepsTheDayCounterOverMidnight) {
    world.settings.Write(Setting::kNurBeimStart, 1);
    {
        StationDriver driver(world);
        driver.RunFor(20 * 60 * 1000);
        EXPECT_EQ(Counter(driver, CMeterStation::kDaily).GetResetDate(), CDateTime::FromDate(2026, 12, 7, 23, 50, 0));
    }
    StationDriver restarted(world); // the checks at start reset it
    EXPECT_EQ(Counter(restarted, CMeterStation::kDaily).GetResetDate(), CDateTime::FromDate(2026, 12, 8, 0, 10, 0));
}

TEST_F(CountersInStationTest, EveryConnectionAddsAtLeastTheMinimumCharge) {
    CTariffBuilder(world.TariffPath())
        .WithOptions({.minimumCharge = true})
        .WithZoneEveryDay(
            {.seconds = 10, .price = 1000, .startCharge = 5000, .minimumCharge = 13000, .initialPeriod = 60});
    world.clock = CSimulatedClock(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 1000);
    StationDriver driver(world);
    for (int i = 0; i < 2; ++i) {
        driver.Start();
        driver.RunFor(30000);
        driver.station.EndConnection();
    }
    EXPECT_EQ(Counter(driver, CMeterStation::kTotal).GetCosts(), CMoney(26000));
    driver.Start();
    driver.RunFor(150000); // units at 60 ... 150 s: eight from the credit of 0.80, then two at 0.10
    driver.station.EndConnection();
    EXPECT_EQ(Counter(driver, CMeterStation::kTotal).GetCosts(), CMoney(26000 + 15000));
    EXPECT_EQ(Counter(driver, CMeterStation::kTotal).GetUnits(), 10);
}

} // namespace
