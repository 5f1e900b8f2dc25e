#include "log/ProtokollFile.h"
#include "support/StationDriver.h"
#include "support/TariffBuilder.h"
#include "support/TimeZoneGuard.h"

#include <gtest/gtest.h>

#include <ctime>
#include <random>

namespace {

struct LogTotals {
    int32_t connections = 0;
    int64_t units = 0;
    int64_t costs = 0;
    int64_t seconds = 0;
};

LogTotals TotalsSince(const std::string& directory, const CDateTime& since) {
    LogTotals totals;
    CProtokollFile log(directory);
    log.OpenRecordFile();
    for (bool more = log.FirstValid(); more; more = log.NextValid()) {
        const LogEntry& e = log.Entry();
        if (e.start >= since) {
            ++totals.connections;
            totals.units += e.units;
            totals.costs += e.costs.GetValue();
            totals.seconds += e.duration.GetTotalSeconds();
        }
    }
    return totals;
}

bool HasSummerTime() {
    std::tm july{};
    july.tm_year = 2026 - 1900;
    july.tm_mon = 6;
    july.tm_mday = 1;
    july.tm_hour = 12;
    july.tm_isdst = -1;
    return std::mktime(&july) != -1 && july.tm_isdst > 0;
}

// Random connections over 400 days of simulated time, with the automatic resets of the counters:
// after every connection the total counter is the sum of the log, and each other counter holds
// exactly the connections logged since its reset (and their sums, unless a reset fell inside one).
TEST(SimulatedYear, CountersAgreeWithTheLog) {
    // A zone with summer time, so that the year has a short and a long day.
    const CTimeZoneGuard zone("Europe/Berlin");
    ASSERT_TRUE(HasSummerTime()) << "no zone data for Europe/Berlin (tzdata)";
    MeteringWorld world(CDateTime::FromDate(2026, 1, 1, 0, 0, 0), 0xF0000000u);
    world.settings.Write(Setting::kAutoReset, 1);
    world.settings.Write(Setting::kResetTag, 15);
    CTariffBuilder(world.TariffPath())
        .WithOptions({.minimumCharge = true, .discount = true})
        .WithDiscount(25, 400)
        .WithZoneEveryDay({.first = 0, .last = 31, .seconds = 240, .price = 600, .minimumCharge = 1000})
        .WithZoneEveryDay({.first = 32,
                           .last = 95,
                           .seconds = 60,
                           .price = 1200,
                           .startCharge = 2000,
                           .minimumCharge = 3000,
                           .initialPeriod = 30,
                           .noDiscount = true});
    StationDriver driver(world);
    CMeterStation& station = driver.station;
    std::mt19937 random(20261207);
    const CDateTime end = CDateTime::FromDate(2027, 2, 5);
    bool spanned[4] = {};
    int connections = 0;

    while (world.clock.Now() < end) {
        world.clock.Advance(std::uniform_int_distribution<uint64_t>(60, 16 * 3600)(random) * 1000);
        CDateTime before[4];
        for (int c = 0; c < 4; ++c) {
            before[c] = station.GetCounter(CMeterStation::Counter(c)).GetResetDate();
        }
        station.CheckNewDay();
        // A counter reset between two connections holds whole connections again.
        for (int c = 0; c < 4; ++c) {
            spanned[c] = spanned[c] && before[c] == station.GetCounter(CMeterStation::Counter(c)).GetResetDate();
        }
        driver.Start("line " + std::to_string(connections % 3));
        const uint64_t ticks = std::uniform_int_distribution<uint64_t>(1, 2 * 3600)(random);
        for (uint64_t t = 0; t < ticks; ++t) {
            CDateTime before[4];
            for (int c = 0; c < 4; ++c) {
                before[c] = station.GetCounter(CMeterStation::Counter(c)).GetResetDate();
            }
            driver.RunFor(500);
            for (int c = 0; c < 4; ++c) {
                spanned[c] = spanned[c] || before[c] != station.GetCounter(CMeterStation::Counter(c)).GetResetDate();
            }
        }
        ASSERT_TRUE(station.EndConnection());
        ++connections;

        for (int c = 0; c < 4; ++c) {
            const CSummenZaehler& counter = station.GetCounter(CMeterStation::Counter(c));
            const LogTotals log =
                TotalsSince(world.dir.Path(), c == CMeterStation::kTotal ? CDateTime(-1e6) : counter.GetResetDate());
            ASSERT_EQ(counter.GetConnections(), log.connections) << "counter " << c << " after " << connections;
            if (!spanned[c]) {
                ASSERT_EQ(counter.GetUnits(), log.units) << "counter " << c << " after " << connections;
                ASSERT_EQ(counter.GetCosts().GetValue(), log.costs) << "counter " << c;
                ASSERT_EQ(counter.GetTotalDuration().GetTotalSeconds(), log.seconds) << "counter " << c;
            }
        }
    }
    EXPECT_GT(connections, 500);
}

} // namespace
