#include "metering/Nachberechnung.h"
#include "core/MemoryDirectory.h"
#include "log/ProtokollFile.h"
#include "metering/MeterStation.h"
#include "settings/MemorySettingsStore.h"
#include "support/LogBuilder.h"
#include "support/StationDriver.h"
#include "support/TariffBuilder.h"
#include "support/TimeZoneGuard.h"
#include "tariffs/TariffLimits.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Six weeks of the live meter, ticking as the desktop program does (the tick that sees the end
// charges nothing), across the end of summer time and two monthly resets of the discount counter;
// the tariff changes its unit length at 02:00, 08:00 and 20:00, has a minimum and a start charge,
// an initial period and a discount limit reached every month. Re-rating the log under the same
// tariff gives every connection's logged units and costs.
TEST(Nachberechnung, ReRatingTheLiveMetersLogGivesTheLoggedUnitsAndCosts) {
    const CTimeZoneGuard zone("Europe/Berlin");
    MeteringWorld world(CDateTime::FromDate(2026, 10, 10, 0, 0, 0));
    world.settings.Write(Setting::kAutoReset, 1);
    world.settings.Write(Setting::kResetTag, 15);
    CTariffBuilder(world.TariffPath())
        .WithOptions({.minimumCharge = true, .discount = true})
        .WithDiscount(40, 400)
        .WithZoneEveryDay({.first = 0, .last = 7, .seconds = 240, .price = 600, .minimumCharge = 1000})
        .WithZoneEveryDay({.first = 8, .last = 31, .seconds = 150, .price = 500, .discountSeconds = 300})
        .WithZoneEveryDay({.first = 32,
                           .last = 79,
                           .seconds = 60,
                           .price = 1200,
                           .startCharge = 2000,
                           .minimumCharge = 3000,
                           .initialPeriod = 30,
                           .noDiscount = true})
        .WithZoneEveryDay({.first = 80, .last = 95, .seconds = 90, .price = 900, .minimumCharge = 1800});
    StationDriver driver(world);
    const auto meter = [&](uint64_t seconds) {
        driver.station.CheckNewDay();
        driver.Start();
        driver.RunFor(seconds * 1000 - 500);
        world.clock.Advance(500);
        driver.station.CheckNewDay();
        ASSERT_TRUE(driver.station.EndConnection(false));
    };
    std::mt19937 random(20261207);
    const auto meterUntil = [&](const CDateTime& end) {
        while (world.clock.Now() < end) {
            world.clock.Advance(std::uniform_int_distribution<uint64_t>(60, 12 * 3600)(random) * 1000);
            // Whole minutes end on a unit boundary now and then: that unit is not charged.
            const uint64_t seconds = std::uniform_int_distribution<uint64_t>(1, 2400)(random);
            meter(seconds % 2 ? seconds : seconds / 60 * 60 + 60);
        }
    };
    meterUntil(CDateTime::FromDate(2026, 10, 24));
    world.clock.SetNow(CDateTime::FromDate(2026, 10, 25, 1, 50, 0));
    meter(2 * 3600); // through the hour that the end of summer time repeats
    meterUntil(CDateTime::FromDate(2026, 11, 20));

    const std::vector<LogEntry> logged = ReadLog(world.dir.Path());
    std::vector<CNachberechnung::Connection> connections;
    for (const LogEntry& entry : logged) {
        connections.push_back({entry.start, static_cast<uint32_t>(entry.duration.GetTotalSeconds())});
    }
    const std::vector<CNachberechnung::Rating> ratings =
        CNachberechnung(world.TariffPath(), CNachberechnung::CounterRules::FromSettings(world.settings))
            .Rate(connections);
    ASSERT_EQ(ratings.size(), logged.size());
    ASSERT_GT(logged.size(), 80u);
    for (size_t i = 0; i < logged.size(); ++i) {
        EXPECT_EQ(ratings[i].units, logged[i].units) << "connection " << i << " of " << logged[i].start.FormatIso();
        EXPECT_EQ(ratings[i].costs, logged[i].costs) << "connection " << i << " of " << logged[i].start.FormatIso();
    }
}

// The heartbeat comes at any fraction of a second: a connection ends seen at 12.7 s, say, the
// beat before it at 12.2 s having charged the unit due at 12 s. Connections of the live meter, with
// and without the lead time, ending at every tenth of a second up to 40 s, at four phases of the
// beat against the start: re-rating each logged time under the same tariff gives its units and costs.
TEST(Nachberechnung, ReRatingTheLiveMetersSubSecondEndsFindsNoDifference) {
    MeteringWorld world(CDateTime::FromDate(2026, 12, 7, 10, 0, 0));
    CTariffBuilder(world.TariffPath())
        .WithOptions({.minimumCharge = true})
        .WithZoneEveryDay({.seconds = 6, .price = 100, .startCharge = 200, .minimumCharge = 300, .initialPeriod = 9});
    CMemoryDirectory memory; // thousands of ends, each flushed to the disk, would take a minute
    memory.Put("Fernzahl.tff", *CMemoryDirectory::ReadFromDisk(world.TariffPath(), CTariffLimits::FileBytes()));
    CMemorySettingsStore settings(memory.Path());
    const Services services{world.clock, settings, world.strings, world.sound, "anna"};
    CMeterStation station(services);
    for (const int lead : {0, 10}) {
        for (const uint64_t phase : {0, 130, 270, 420}) {
            for (uint64_t end = 100; end <= 40000; end += 100) {
                world.clock.Advance(120000);
                station.StartConnection(lead, memory.Path() + "Fernzahl.tff", "ppp0", "T-Online", "Mobil");
                station.ChargeDueUnits(); // the beat that sees the start
                world.clock.Advance(phase + 500);
                for (uint64_t beat = phase + 500; beat < end; beat += 500) {
                    station.ChargeDueUnits();
                    world.clock.Advance(500);
                }
                ASSERT_TRUE(station.EndConnection(false)); // the beat that sees the end charges nothing
            }
        }
    }
    const std::vector<LogEntry> logged = ReadLog(memory.Path());
    std::vector<CNachberechnung::Connection> connections;
    for (const LogEntry& entry : logged) {
        connections.push_back({entry.start, static_cast<uint32_t>(entry.duration.GetTotalSeconds())});
    }
    const std::vector<CNachberechnung::Rating> ratings = CNachberechnung(world.TariffPath(), {}).Rate(connections);
    ASSERT_EQ(ratings.size(), 2u * 4 * 400);
    size_t differences = 0;
    for (size_t i = 0; i < logged.size(); ++i) {
        if (ratings[i].units != logged[i].units || ratings[i].costs != logged[i].costs) {
            ADD_FAILURE() << "connection " << i << " of " << logged[i].duration.GetTotalSeconds() << " s: logged "
                          << logged[i].units << " units, re-rated " << ratings[i].units;
            ASSERT_LT(++differences, 5u);
        }
    }
}

// Three one-minute units a connection at 0.12, at 0.06 while the discount lasts (10 units). The
// count carries across the connections in start order, whatever order they come in, and is cleared
// at the monthly reset, also in the midst of a connection.
TEST(Nachberechnung, TheDiscountCountCarriesInStartOrderAndIsClearedAtTheMonthlyReset) {
    MeteringWorld world(CDateTime::FromDate(2026, 12, 1));
    CTariffBuilder(world.TariffPath())
        .WithOptions({.discount = true})
        .WithDiscount(10, 600)
        .WithZoneEveryDay({.seconds = 60, .price = 1200, .discountSeconds = 60});
    const std::vector<CNachberechnung::Connection> connections = {
        {CDateTime::FromDate(2027, 1, 2, 12, 0, 0), 180},
        {CDateTime::FromDate(2026, 12, 31, 23, 59, 0), 180},
        {CDateTime::FromDate(2026, 12, 20, 12, 0, 0), 180},
        {CDateTime::FromDate(2026, 12, 10, 12, 0, 0), 180},
    };
    CNachberechnung::CounterRules rules{.discountCount = 8, .monthlyReset = true, .resetDay = 1};
    std::vector<CNachberechnung::Rating> ratings = CNachberechnung(world.TariffPath(), rules).Rate(connections);
    ASSERT_EQ(ratings.size(), 4u);
    EXPECT_EQ(ratings[3].costs, CMoney(600 + 600 + 1200)) << "the first in time takes the last two discounted units";
    EXPECT_EQ(ratings[2].costs, CMoney(3 * 1200));
    EXPECT_EQ(ratings[1].costs, CMoney(1200 + 600 + 600)) << "a new counting month from midnight";
    EXPECT_EQ(ratings[0].costs, CMoney(3 * 600));
    EXPECT_EQ(ratings[0].units, 3);

    rules.clearDiscount = false;
    ratings = CNachberechnung(world.TariffPath(), rules).Rate(connections);
    EXPECT_EQ(ratings[0].costs, CMoney(3 * 1200));
}

// The wall clock moves on an hour between the two connections: the second starts at its logged
// local time all the same, in the dearer morning zone.
TEST(Nachberechnung, AConnectionAfterAClockChangeStartsAtItsLoggedLocalTime) {
    const CTimeZoneGuard zone("Europe/Berlin");
    MeteringWorld world(CDateTime::FromDate(2027, 3, 1));
    CTariffBuilder(world.TariffPath())
        .WithZoneEveryDay({.first = 0, .last = 47, .seconds = 60, .price = 1200})
        .WithZoneEveryDay({.first = 48, .last = 95, .seconds = 60, .price = 600});
    const std::vector<CNachberechnung::Rating> ratings =
        CNachberechnung(world.TariffPath(), {})
            .Rate({{CDateTime::FromDate(2027, 3, 27, 12, 30, 0), 180},
                   {CDateTime::FromDate(2027, 3, 29, 11, 30, 0), 180}});
    ASSERT_EQ(ratings.size(), 2u);
    EXPECT_EQ(ratings[1].costs, CMoney(3 * 1200));
}

} // namespace
