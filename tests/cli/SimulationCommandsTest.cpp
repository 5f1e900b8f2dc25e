#include "cli/SimulationCommands.h"

#include "CliFixture.h"
#include "log/ProtokollFile.h"
#include "metering/ZaehlerFile.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "support/EnvironmentGuard.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/TariffBuilder.h"

#include <filesystem>
#include <unistd.h>

namespace {

struct SimulationCommandsTest : CliFixture {
    static int MeterOnly(const std::vector<std::string>& words, const CliContext& context) {
        return RunMeterCommand(words, context, false);
    }
    static int MeterLogged(const std::vector<std::string>& words, const CliContext& context) {
        return RunMeterCommand(words, context, true);
    }
    size_t FilesInDataDirectory() {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
    }
};

TEST_F(SimulationCommandsTest, MeterReproducesTheUnitsOfAPlainTariff) {
    CTariffBuilder(dir.File("Plain.tff")).WithZoneEveryDay({.seconds = 90, .price = 1200});
    const size_t files = FilesInDataDirectory();
    ASSERT_EQ(Run(MeterOnly, {"--tariff", "plain", "--start", "2026-12-07 10:00:00", "--seconds", "90"}), 0)
        << err.str();
    EXPECT_EQ(out, "Units: 1\nCosts: 0.12\n");
    ASSERT_EQ(Run(MeterOnly, {"--tariff", "Plain", "--start", "2026-12-07 10:00:00", "--seconds", "91", "--json"}), 0);
    EXPECT_EQ(out, "{\"seconds\":91,\"units\":2,\"costs\":0.24}\n");
    EXPECT_EQ(FilesInDataDirectory(), files); // nothing was written
}

TEST_F(SimulationCommandsTest, MeterTracesTheMinimumChargeScheme) {
    CTariffBuilder(dir.File("Min.tff"))
        .WithOptions({.minimumCharge = true})
        .WithZoneEveryDay(
            {.seconds = 10, .price = 1000, .startCharge = 5000, .minimumCharge = 13000, .initialPeriod = 60});
    ASSERT_EQ(Run(MeterOnly,
                  {"--tariff", dir.File("Min.tff"), "--start", "2026-12-07 10:00:00", "--seconds", "141", "--trace"}),
              0);
    EXPECT_NE(out.find("      60 s        0.10      10 s       1          1.30\n"), std::string::npos) << out;
    EXPECT_NE(out.find("     130 s        0.10      10 s       8          1.30\n"), std::string::npos);
    EXPECT_NE(out.find("     140 s        0.10      10 s       9          1.40\n"), std::string::npos);
    EXPECT_NE(out.find("Units: 9\nCosts: 1.40\n"), std::string::npos);
    // The text is for people: the locale's numbers, as every table of the terminal; JSON keeps the point.
    const CLocaleGuard german("de_DE.UTF-8");
    ASSERT_EQ(Run(MeterOnly,
                  {"--tariff", dir.File("Min.tff"), "--start", "2026-12-07 10:00:00", "--seconds", "141", "--trace"}),
              0);
    EXPECT_NE(out.find("     140 s        0,10      10 s       9          1,40\nUnits: 9\nCosts: 1,40\n"),
              std::string::npos)
        << out;
    ASSERT_EQ(Run(MeterOnly,
                  {"--tariff", dir.File("Min.tff"), "--start", "2026-12-07 10:00:00", "--seconds", "141", "--json"}),
              0);
    EXPECT_EQ(out, "{\"seconds\":141,\"units\":9,\"costs\":1.40}\n");
}

TEST_F(SimulationCommandsTest, MeterStartsFromTheGivenDiscountCount) {
    CTariffBuilder(dir.File("Rabatt.tff"))
        .WithOptions({.discount = true})
        .WithDiscount(5, 600)
        .WithZoneEveryDay({.seconds = 60, .price = 1200, .discountSeconds = 60});
    ASSERT_EQ(Run(MeterOnly, {"--tariff", "rabatt", "--start", "2026-12-07 10:00:00", "--seconds", "240",
                              "--discount-count", "3"}),
              0);
    EXPECT_EQ(out, "Units: 4\nCosts: 0.36\n"); // two units at 0.06, then two at 0.12
}

TEST_F(SimulationCommandsTest, MeterWithTheDataDirectoryLogsAndCountsTheConnection) {
    CTariffBuilder(dir.File("Plain.tff")).WithZoneEveryDay({.seconds = 90, .price = 1200});
    ASSERT_EQ(Run(MeterLogged, {"--tariff", "Plain", "--start", "2026-12-07 10:00:00", "--seconds", "100"}), 0);
    CProtokollFile log(dir.Path());
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.Entry().duration.GetTotalSeconds(), 100);
    EXPECT_EQ(log.Entry().tariffName, "Plain");
    EXPECT_EQ(log.Entry().costs, CMoney(2400));
    EXPECT_TRUE(FileExists(dir.File("Fernzahl.ctr")));
}

// The desktop program holds the folder (here under another name for it): its counters in memory
// would be saved over this run's.
TEST_F(SimulationCommandsTest, MeterNeverWritesBesideARunningMeter) {
    CTariffBuilder(dir.File("Plain.tff")).WithZoneEveryDay({.seconds = 90, .price = 1200});
    const std::vector<std::string> meter = {"--tariff", "Plain", "--start", "2026-12-07 10:00:00", "--seconds", "100"};
    CTempDir runtime;
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.Path());
    std::filesystem::create_directory_symlink(dir.Path(), runtime.File("link"));
    CSingleInstance desktop;
    ASSERT_EQ(desktop.Acquire(runtime.File("link")), CSingleInstance::Result::Acquired);
    EXPECT_EQ(Run(MeterLogged, meter), 1);
    // Said is who holds it, not that it meters: an idle window holds the folder too.
    EXPECT_NE(err.str().find(" is held by " + std::filesystem::read_symlink("/proc/self/exe").string() + " (process " +
                             std::to_string(getpid()) + ")"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(FileExists(dir.File("Fernzahl.log")));
}

// A simulation is no connection of the folder: its counters follow the real clock. One on an
// earlier day, or running past midnight, adds to today's counters and dates none of them; one in
// the future is refused. No checkpoint is ever left.
TEST_F(SimulationCommandsTest, MeterCountsOnTheRealClockAndRefusesTheFuture) {
    CTariffBuilder(dir.File("Plain.tff")).WithZoneEveryDay({.seconds = 90, .price = 1200});
    ASSERT_EQ(Run(MeterLogged, {"--tariff", "Plain", "--seconds", "100"}), 0) << err.str();
    const std::string lateYesterday = (CSystemClock().Now() - CTimeSpan::FromSeconds(86400)).Format("%Y-%m-%d 23:59");
    ASSERT_EQ(Run(MeterLogged, {"--tariff", "Plain", "--start", lateYesterday, "--seconds", "7200"}), 0);
    CZaehlerFile counters(dir.Path());
    ASSERT_TRUE(counters.OpenRecordFile());
    for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kTotal; ++number) {
        ASSERT_TRUE(counters.FindFirst(0, number));
        EXPECT_EQ(counters.connections, 2) << int(number);
        EXPECT_EQ(counters.costs, CMoney(2400 + 80 * 1200)) << int(number);
        EXPECT_FALSE(counters.resetDate > CSystemClock().Now()) << int(number);
    }
    ASSERT_TRUE(counters.FindFirst(0, CZaehlerFile::kDaily));
    EXPECT_TRUE(counters.resetDate.IsSameDay(CSystemClock().Now()));
    counters.Close();
    EXPECT_FALSE(FileExists(dir.File("Fernzahl.run")));

    const std::string tomorrow = (CSystemClock().Now() + CTimeSpan::FromSeconds(86400)).Format("%Y-%m-%d %H:%M");
    EXPECT_EQ(Run(MeterLogged, {"--tariff", "Plain", "--start", tomorrow, "--seconds", "60"}), 2);
    EXPECT_NE(err.str().find("--start lies in the future"), std::string::npos) << err.str();
    EXPECT_EQ(ReadLog(dir.Path()).size(), 2u);
    // Without the data folder nothing is counted, so any time may be asked about.
    EXPECT_EQ(Run(MeterOnly, {"--tariff", "Plain", "--start", tomorrow, "--seconds", "60"}), 0) << err.str();
}

// Past 2^32 milliseconds (49.7 days) the units go on and the log gets the whole time; only a
// connection whose units no record could hold is refused.
TEST_F(SimulationCommandsTest, MeterTimesMoreThanThirtyTwoBitsOfMillisecondsAndRefusesWhatNoRecordHolds) {
    CTariffBuilder(dir.File("Plain.tff")).WithZoneEveryDay({.seconds = 90, .price = 1200});
    const std::vector<std::string> start = {"--tariff", "Plain", "--start", "2024-08-01 00:00:00", "--json"};
    std::vector<std::string> sixtyDays = start;
    sixtyDays.insert(sixtyDays.end(), {"--seconds", "5184001"});
    ASSERT_EQ(Run(MeterLogged, sixtyDays), 0) << err.str();
    EXPECT_EQ(out, "{\"seconds\":5184001,\"units\":57601,\"costs\":6912.12}\n");
    const std::vector<LogEntry> logged = ReadLog(dir.Path());
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].duration.GetTotalSeconds(), 5184001);
    EXPECT_EQ(logged[0].units, 57601);
    std::vector<std::string> tooLong = start;
    tooLong.insert(tooLong.end(), {"--seconds", "2147483647"});
    EXPECT_EQ(Run(MeterLogged, tooLong), 2);
    EXPECT_NE(err.str().find("--seconds may be at most 2147483646"), std::string::npos) << err.str();
    EXPECT_EQ(ReadLog(dir.Path()).size(), 1u);
}

TEST_F(SimulationCommandsTest, RateShowsTheZoneAndDiscountOfTheMoment) {
    CTariffBuilder(dir.File("Tag.tff"))
        .WithOptions({.discount = true})
        .WithZone({.first = 32, .last = 79, .seconds = 90, .price = 1200, .discountSeconds = 60});
    ASSERT_EQ(Run(RunRateCommand, {"--tariff", "Tag", "--at", "2026-12-07 10:00", "--discount-count", "7"}), 0);
    EXPECT_NE(out.find("Day kind:         working days (64)"), std::string::npos) << out;
    EXPECT_NE(out.find("Zone:             08:00-19:59"), std::string::npos);
    EXPECT_NE(out.find("Discount:         active, 7 of 400 units counted, 0.06 per unit of 60 s"), std::string::npos);
    ASSERT_EQ(Run(RunRateCommand, {"--tariff", "Tag", "--at", "2026-12-12 10:00", "--json"}), 0);
    EXPECT_NE(out.find("\"dayKind\":65,\"zone\":false"), std::string::npos) << out;
}

TEST_F(SimulationCommandsTest, WithoutTariffAndTimeTheDefaultTariffIsUsedNow) {
    // No Fernzahl.tff: the built-in rate of 0.12 per 90 s, and no empty tariff file left behind.
    ASSERT_EQ(Run(MeterOnly, {"--seconds", "91"}), 0) << err.str();
    EXPECT_EQ(out, "Units: 2\nCosts: 0.24\n");
    ASSERT_EQ(Run(RunRateCommand, {}), 0) << err.str();
    EXPECT_NE(out.find("Fernzahl.tff (missing: the built-in rate)"), std::string::npos) << out;
    EXPECT_FALSE(FileExists(dir.File("Fernzahl.tff")));

    CTariffBuilder(dir.File("FERNZAHL.TFF")).WithZoneEveryDay({.seconds = 60, .price = 600});
    ASSERT_EQ(Run(MeterOnly, {"--seconds", "61", "--json"}), 0);
    EXPECT_EQ(out, "{\"seconds\":61,\"units\":2,\"costs\":0.12}\n");
    // Midnight may pass while it runs: the day before or the day after.
    const std::string dayBefore = CSystemClock().Now().Format("%Y-%m-%d");
    ASSERT_EQ(Run(RunRateCommand, {"--json"}), 0);
    const std::string dayAfter = CSystemClock().Now().Format("%Y-%m-%d");
    EXPECT_TRUE(out.find("\"at\":\"" + dayBefore) != std::string::npos ||
                out.find("\"at\":\"" + dayAfter) != std::string::npos)
        << out;
}

TEST_F(SimulationCommandsTest, WrongInputIsRefusedClearly) {
    CTariffBuilder(dir.File("Plain.tff")).WithZoneEveryDay({});
    EXPECT_EQ(Run(RunRateCommand, {"--tariff", "Nope", "--at", "2026-12-07 10:00"}), 2);
    EXPECT_NE(err.str().find("no tariff file Nope"), std::string::npos);
    EXPECT_EQ(Run(RunRateCommand, {"--tariff", "Plain", "--at", "2026-02-30 10:00"}), 2);
    EXPECT_NE(err.str().find("--at \"2026-02-30 10:00\" is no date and time; expected \"YYYY-MM-DD HH:MM[:SS]\""),
              std::string::npos)
        << err.str();
    EXPECT_EQ(Run(MeterOnly, {"--tariff", "Plain", "--start", "2026-12-07 10:00:00", "--seconds", "-5"}), 2);
    EXPECT_EQ(Run(MeterOnly, {"--tariff", "Plain", "--start", "2026-12-07 10:00:00"}), 2);
    EXPECT_EQ(Run(MeterOnly, {"--tariff", "Plain", "--bogus"}), 2);
}

} // namespace
