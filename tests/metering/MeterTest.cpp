#include "log/ProtokollFile.h"
#include "metering/DescriptionPrompt.h"
#include "support/LogBuilder.h"
#include "support/StationDriver.h"
#include "support/TariffBuilder.h"

#include "settings/Formatting.h"
#include "support/LocaleGuard.h"
#include "support/TimeZoneGuard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

using Zone = CTariffBuilder::Zone;

struct MeterTest : ::testing::Test {
    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)}; // a Monday
    std::unique_ptr<StationDriver> driver;

    void UseTariff(const CTariffBuilder::Options& options, const Zone& zone) {
        CTariffBuilder(world.TariffPath()).WithOptions(options).WithZoneEveryDay(zone);
        driver = std::make_unique<StationDriver>(world);
    }
    CZaehlwerk& Meter() { return driver->station.Meter(); }
    LogEntry LastLogEntry() {
        CProtokollFile log(world.dir.Path());
        log.OpenRecordFile();
        log.GoToRecord(log.GetRecordCount() - 1);
        return log.Entry();
    }
};

TEST_F(MeterTest, FirstUnitOnTheFirstTickThenOneEveryUnitLength) {
    UseTariff({}, {.seconds = 90, .price = 1200});
    driver->Start();
    EXPECT_EQ(driver->Units(), 1);
    EXPECT_EQ(driver->Costs(), 1200);
    driver->RunFor(89500);
    EXPECT_EQ(driver->Units(), 1);
    driver->RunFor(500); // 90 s
    EXPECT_EQ(driver->Units(), 2);
    EXPECT_EQ(driver->Costs(), 2400);
}

TEST_F(MeterTest, MinimumChargeSchemeUsesTheCreditBeforeCharging) {
    UseTariff({.minimumCharge = true},
              {.seconds = 10, .price = 1000, .startCharge = 5000, .minimumCharge = 13000, .initialPeriod = 60});
    driver->Start();
    EXPECT_EQ(driver->Units(), 0);
    EXPECT_EQ(driver->Costs(), 13000);
    driver->RunFor(59500);
    EXPECT_EQ(driver->Units(), 0);
    driver->RunFor(500); // 60 s: the first unit, paid from the credit of 0.80
    EXPECT_EQ(driver->Units(), 1);
    driver->RunFor(70000); // 130 s: the eighth unit uses up the credit
    EXPECT_EQ(driver->Units(), 8);
    EXPECT_EQ(driver->Costs(), 13000);
    driver->RunFor(10000); // 140 s
    EXPECT_EQ(driver->Units(), 9);
    EXPECT_EQ(driver->Costs(), 14000);
}

TEST_F(MeterTest, StartChargeAboveTheMinimumChargeIsDueAndUnitsCostFully) {
    UseTariff({.minimumCharge = true}, {.seconds = 10, .price = 1000, .startCharge = 20000, .minimumCharge = 13000});
    driver->Start();
    EXPECT_EQ(driver->Units(), 1);
    EXPECT_EQ(driver->Costs(), 21000);
    driver->RunFor(10000);
    EXPECT_EQ(driver->Costs(), 22000);
}

TEST_F(MeterTest, CreditSmallerThanAUnitPaysPartOfIt) {
    UseTariff({.minimumCharge = true}, {.seconds = 10, .price = 1200, .startCharge = 5000, .minimumCharge = 5500});
    driver->Start(); // credit 0.05 against 0.12: 0.07 is charged
    EXPECT_EQ(driver->Costs(), 5500 + 700);
    driver->RunFor(10000);
    EXPECT_EQ(driver->Costs(), 5500 + 700 + 1200);
}

TEST_F(MeterTest, LateTimerCatchesUpEveryDueUnitAtOnce) {
    UseTariff({}, {.seconds = 90, .price = 1200});
    driver->Start();
    world.clock.Advance(200000);
    EXPECT_EQ(driver->station.ChargeDueUnits(), 2); // the units at 90 and 180 s
    EXPECT_EQ(driver->Units(), 3);
    EXPECT_EQ(Meter().GetUnitEnd(), 270u);
}

TEST_F(MeterTest, ZoneChangeInsideAUnitAppliesFromTheNextUnit) {
    world.clock = CSimulatedClock(CDateTime::FromDate(2026, 12, 7, 7, 58, 0), 1000);
    CTariffBuilder(world.TariffPath())
        .WithZone({.first = 0, .last = 31, .seconds = 240, .price = 600})
        .WithZone({.first = 32, .last = 95, .seconds = 60, .price = 1200});
    driver = std::make_unique<StationDriver>(world);
    driver->Start(); // 07:58: a unit of 240 s at 0.06 that runs over 08:00
    EXPECT_EQ(driver->Costs(), 600);
    driver->RunFor(239500);
    EXPECT_EQ(driver->Units(), 1);
    driver->RunFor(500); // 08:02, the first unit of the day zone
    EXPECT_EQ(driver->Costs(), 1800);
    EXPECT_EQ(Meter().GetUnitEnd(), 300u);
}

// The clocks go forward from 02:00 to 03:00 on 29 March 2026: a call from 01:50 reaches the day zone
// of 03:00 after twelve minutes, as the wall clock shows it.
TEST_F(MeterTest, RatesFollowTheWallClockAcrossTheChangeToSummerTime) {
    const CTimeZoneGuard zone("Europe/Berlin");
    world.clock = CSimulatedClock(CDateTime::FromDate(2026, 3, 29, 1, 50, 0), 1000);
    CTariffBuilder(world.TariffPath())
        .WithZoneEveryDay({.first = 0, .last = 11, .seconds = 240, .price = 600})
        .WithZoneEveryDay({.first = 12, .last = 95, .seconds = 60, .price = 1200});
    driver = std::make_unique<StationDriver>(world);
    driver->Start();
    driver->RunFor(1490000);
    EXPECT_EQ(driver->Units(), 16); // three night units, then one a minute from 03:02
    EXPECT_EQ(driver->Costs(), 17400);
}

// An always-on link outlasts 2^32 milliseconds (49.7 days): its time must not start again near
// zero, its units must go on, and its record and counters must get the whole time. The tick itself
// also passes 2^32 half a minute into the connection.
TEST_F(MeterTest, UnitsGoOnAndTheTimeIsWholePastThirtyTwoBitsOfMilliseconds) {
    world.clock = CSimulatedClock(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 0xFFFFFFFFu - 30000);
    CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 3600, .price = 100});
    driver = std::make_unique<StationDriver>(world);
    driver->Start();
    constexpr uint64_t kHours = 60 * 24; // 5,184,000 s
    for (uint64_t hour = 1; hour <= kHours; ++hour) {
        world.clock.Advance(3600 * 1000);
        driver->station.CheckNewDay();
        ASSERT_EQ(driver->station.ChargeDueUnits(), 1) << "hour " << hour;
    }
    world.clock.Advance(1800 * 1000);
    EXPECT_EQ(Meter().GetElapsedSeconds(), kHours * 3600 + 1800);
    ASSERT_TRUE(driver->station.EndConnection());
    const LogEntry e = LastLogEntry();
    EXPECT_EQ(e.duration.GetTotalSeconds(), static_cast<int64_t>(kHours * 3600 + 1800));
    EXPECT_EQ(e.units, static_cast<int32_t>(kHours + 1));
    EXPECT_EQ(e.costs, CMoney(static_cast<int64_t>(kHours + 1) * 100));
    const CSummenZaehler& total = driver->station.GetCounter(CMeterStation::kTotal);
    EXPECT_EQ(total.GetTotalDuration().GetTotalSeconds(), e.duration.GetTotalSeconds());
    EXPECT_EQ(total.GetUnits(), e.units);
}

// Units of seven minutes: none begins at 25:00:00, which would make the logged time 25:00:01.
TEST_F(MeterTest, ConnectionOfTwentyFiveHoursShowsTwentyFiveHoursInEveryText) {
    UseTariff({}, {.seconds = 420, .price = 1200});
    driver->Start();
    world.clock.Advance(25 * 3600 * 1000ull);
    driver->station.ChargeDueUnits();
    EXPECT_NE(Meter().GetShortText().find("25:00:00"), std::string::npos) << Meter().GetShortText();
    EXPECT_NE(Meter().GetConnectionText().find("25:00:00"), std::string::npos);
    driver->station.EndConnection();
    EXPECT_NE(Meter().GetConnection().FormatCounter(world.strings, LocaleFacts{}).find("25:00:00"), std::string::npos);
}

TEST_F(MeterTest, TextsFollowTheRunAndCostsFirst) {
    UseTariff({}, {.seconds = 90, .price = 1200});
    EXPECT_EQ(Meter().GetShortText(), world.strings.Get(174));
    EXPECT_EQ(Meter().GetConnectionText(), world.strings.Get(177));
    driver->Start();
    driver->RunFor(65000);
    EXPECT_EQ(Meter().GetShortText(), world.strings.Format(170, {"00:01:05", FormatAmount(CMoney(1200))}));
    world.settings.Write(Setting::kKostenZuerst, 1);
    Meter().ReadSettings();
    EXPECT_EQ(Meter().GetShortText(), world.strings.Format(170, {FormatAmount(CMoney(1200)), "00:01:05"}));
    const std::string text = Meter().GetConnectionText();
    for (const char* part : {"T-Online", "Mobil", "ppp0", "anna"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

// The start reads as every other moment of the window does, in the locale's date and time; the
// C library's "%c" would write "Mo 07 Dez 2026 10:00:00 CET".
TEST_F(MeterTest, TheStartIsWrittenAsTheWindowWritesItsOtherMoments) {
    UseTariff({}, {.seconds = 90, .price = 1200});
    driver->Start("T-Online", 0);
    for (const auto& [locale, start] :
         {std::pair{"de_DE.UTF-8", "07.12.2026 10:00:00"}, std::pair{"en_US.UTF-8", "12/07/2026 10:00:00 AM"}}) {
        CLocaleGuard guard(locale);
        ASSERT_TRUE(guard.IsActive()) << locale;
        const std::string text = Meter().GetConnectionText();
        EXPECT_NE(text.find(start), std::string::npos) << text;
    }
}

// The second unit began at 90 s, and the connection was seen in that second: it is logged with 91 s,
// in whole seconds, so that its time holds the units it was charged.
TEST_F(MeterTest, EndLogsTheConnectionWithWholeSecondsAndTheLeadTime) {
    UseTariff({}, {.seconds = 90, .price = 1200});
    driver->Start("T-Online", 10);
    world.clock.Advance(80400); // 90.4 s since the connection is taken to have started
    driver->station.ChargeDueUnits();
    world.clock.Advance(500);
    ASSERT_TRUE(driver->station.EndConnection());
    const LogEntry e = LastLogEntry();
    EXPECT_EQ(e.duration.GetTotalSeconds(), 91);
    EXPECT_EQ(e.start, CDateTime::FromDate(2026, 12, 7, 9, 59, 50));
    EXPECT_EQ(e.units, 2);
    EXPECT_EQ(e.costs, CMoney(2400));
    EXPECT_EQ(e.connectionName, "T-Online");
    EXPECT_EQ(e.userName, "anna");
    EXPECT_EQ(e.tariffName, "Mobil");
    EXPECT_EQ(e.deviceName, "ppp0");
    EXPECT_FALSE(Meter().IsRunning());
    EXPECT_EQ(Meter().GetShortText(), world.strings.Get(174));
}

// The lead time sets a start back to before the detection; never to before the end of the
// connection logged last, which would charge the same time twice.
TEST_F(MeterTest, TheLeadTimeNeverSetsAStartBeforeTheLastConnectionsEnd) {
    UseTariff({}, {.seconds = 60, .price = 100});
    const auto connect = [&](uint64_t gapMs, uint64_t lengthMs) {
        world.clock.Advance(gapMs);
        driver->Start("T-Online", 10);
        driver->RunFor(lengthMs);
        EXPECT_TRUE(driver->station.EndConnection());
        return LastLogEntry();
    };
    const LogEntry first = connect(0, 45000);
    EXPECT_EQ(first.duration.GetTotalSeconds(), 55);
    const LogEntry second = connect(3000, 45000); // detected 3 s after the first one ended
    EXPECT_EQ(second.start, first.start + first.duration);
    EXPECT_EQ(second.duration.GetTotalSeconds(), 48);
    const LogEntry back = connect(0, 1000); // at once: no lead time at all
    EXPECT_EQ(back.start, second.start + second.duration);
    EXPECT_EQ(back.duration.GetTotalSeconds(), 1);
    const LogEntry later = connect(60000, 45000); // after a minute: the whole lead time
    EXPECT_EQ(later.start, back.start + back.duration + CTimeSpan::FromSeconds(50));
    EXPECT_EQ(later.duration.GetTotalSeconds(), 55);
}

TEST_F(MeterTest, NamelessConnectionWithoutPromptIsLoggedWithTheDefaultName) {
    UseTariff({}, {});
    world.settings.Write(Setting::kBeschrAbfragen, 0);
    driver->Start("");
    ASSERT_TRUE(driver->station.EndConnection());
    EXPECT_EQ(LastLogEntry().connectionName, world.strings.Get(455));
}

// Answers the prompt after checking what the log already holds, and may start another connection
// meanwhile, as a heartbeat running inside the prompt's own loop would.
class CScriptedPrompt : public DescriptionPrompt {
public:
    std::function<std::string()> answer;
    std::string AskDescription() override { return answer(); }
};

TEST_F(MeterTest, RecordIsWrittenBeforeThePromptAndTheAnswerLandsInIt) {
    UseTariff({}, {});
    CScriptedPrompt prompt;
    Meter().SetDescriptionPrompt(&prompt);
    prompt.answer = [&] {
        EXPECT_EQ(LastLogEntry().connectionName, world.strings.Get(455)); // a crash now loses nothing
        return std::string("Urlaub");
    };
    driver->Start("");
    ASSERT_TRUE(driver->station.EndConnection());
    EXPECT_EQ(LastLogEntry().connectionName, "Urlaub");
    EXPECT_EQ(Meter().GetConnection().connectionName, "Urlaub");
    CProtokollFile log(world.dir.Path());
    log.OpenRecordFile();
    EXPECT_EQ(log.GetRecordCount(), 1u);
}

TEST_F(MeterTest, ConnectionStartedWhileThePromptIsOpenKeepsItsName) {
    UseTariff({}, {});
    CScriptedPrompt prompt;
    Meter().SetDescriptionPrompt(&prompt);
    prompt.answer = [&] {
        driver->Start("Arcor");
        return std::string("Urlaub");
    };
    driver->Start("");
    driver->station.EndConnection();
    EXPECT_EQ(LastLogEntry().connectionName, "Urlaub");
    EXPECT_TRUE(Meter().IsRunning());
    EXPECT_EQ(Meter().GetConnection().connectionName, "Arcor");
}

TEST_F(MeterTest, DescriptionOfAConnectionDeletedMeanwhileNeverLandsInAnother) {
    UseTariff({}, {});
    CScriptedPrompt prompt;
    Meter().SetDescriptionPrompt(&prompt);
    prompt.answer = [&] {
        // The whole log deleted from the log view, and another connection logged in its place.
        std::filesystem::remove(world.dir.File("Fernzahl.log"));
        AppendToLog(world.dir.Path(), SampleEntry(CDateTime::FromDate(2026, 1, 1), 60, 100, "Arcor"));
        return std::string("Urlaub");
    };
    driver->Start("");
    EXPECT_TRUE(driver->station.EndConnection());
    EXPECT_EQ(LastLogEntry().connectionName, "Arcor");
}

TEST_F(MeterTest, EmptyAnswerLeavesTheDefaultName) {
    UseTariff({}, {});
    CScriptedPrompt prompt;
    prompt.answer = [] { return std::string(); };
    Meter().SetDescriptionPrompt(&prompt);
    driver->Start("");
    driver->station.EndConnection();
    EXPECT_EQ(LastLogEntry().connectionName, world.strings.Get(455));
}

TEST_F(MeterTest, LogThatCannotBeWrittenIsReported) {
    UseTariff({}, {});
    std::filesystem::create_directory(world.dir.File("Fernzahl.log"));
    driver->Start();
    EXPECT_FALSE(driver->station.EndConnection());
}

} // namespace
