#include "cli/CountersCommand.h"

#include "CliFixture.h"
#include "cli/BudgetCommand.h"
#include "cli/SettingsCommand.h"
#include "core/FileLayer.h"
#include "metering/ZaehlerFile.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "support/EnvironmentGuard.h"
#include "support/LocaleGuard.h"
#include "support/Process.h"

#include <filesystem>
#include <unistd.h>

namespace {

struct CountersCommandTest : CliFixture {
    void Store(uint8_t number, int32_t units) {
        CZaehlerFile file(dir.Path());
        ASSERT_TRUE(file.OpenRecordFile());
        file.AppendRecord();
        file.recordNumber = number;
        file.units = units;
        file.connections = 2;
        file.duration = CTimeSpan::FromSeconds(3725);
        file.costs = CMoney(12000);
        file.resetDate = CDateTime::FromDate(2026, 12, 1);
        file.WriteRecord();
    }
};

// A counter not stored yet is at zero and has not been reset.
TEST_F(CountersCommandTest, ShowsEveryCounterAndThoseNotStoredYetAtZero) {
    Store(CZaehlerFile::kDaily, 10);
    Store(CZaehlerFile::kDiscount, 7);
    CLocaleGuard locale("en_US.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    ASSERT_EQ(Run(RunCountersCommand, {}), 0) << err.str();
    // The text's dates as log list writes them (the locale's, midnight as the date alone); JSON's in ISO.
    EXPECT_NE(out.find("daily     since 12/01/2026  2 connections  01:02:05  10 units"), std::string::npos) << out;
    EXPECT_NE(out.find("weekly    not reset yet  0 connections  00:00:00  0 units  0.00"), std::string::npos) << out;
    EXPECT_NE(out.find("discount  7 units"), std::string::npos);
    ASSERT_EQ(Run(RunCountersCommand, {"--json"}), 0);
    EXPECT_EQ(out,
              "[{\"counter\":\"daily\",\"since\":\"2026-12-01T00:00:00\",\"connections\":2,\"duration\":3725,"
              "\"units\":10,\"costs\":1.20},"
              "{\"counter\":\"weekly\",\"since\":null,\"connections\":0,\"duration\":0,\"units\":0,\"costs\":0.00},"
              "{\"counter\":\"monthly\",\"since\":null,\"connections\":0,\"duration\":0,\"units\":0,\"costs\":0.00},"
              "{\"counter\":\"total\",\"since\":null,\"connections\":0,\"duration\":0,\"units\":0,\"costs\":0.00},"
              "{\"counter\":\"discount\",\"count\":7},"
              "{\"counter\":\"budget\",\"limit\":null,\"spent\":null,\"remaining\":null,\"projection\":null}]\n");
}

TEST_F(CountersCommandTest, BudgetExitsWithWhereTheMonthStands) {
    EXPECT_EQ(Run(RunBudgetCommand, {}), 0) << "no budget, and nothing counted yet";
    EXPECT_EQ(out, "No monthly budget is set.\n");
    Store(CZaehlerFile::kMonthly, 10); // 1.20 spent
    const std::pair<const char*, int> limits[] = {{"1.50", 0}, {"1.49", 1}, {"1.19", 3}};
    for (const auto& [limit, code] : limits) {
        ASSERT_EQ(Run(RunSettingsCommand, {"set", "Budget", "Limit", limit}), 0) << err.str();
        EXPECT_EQ(Run(RunBudgetCommand, {}), code) << limit << "\n" << out;
    }
    EXPECT_EQ(Run(RunBudgetCommand, {"--json"}), 3);
    EXPECT_EQ(out.rfind("{\"limit\":1.19,\"spent\":1.20,\"remaining\":-0.01,\"projection\":", 0), 0u) << out;
    ASSERT_EQ(Run(RunCountersCommand, {"--json"}), 0);
    EXPECT_NE(out.find("{\"counter\":\"budget\",\"limit\":1.19,\"spent\":1.20,"), std::string::npos) << out;
    EXPECT_EQ(Run(RunBudgetCommand, {"--xml"}), 2);
    for (const char* wrong : {"ten", "100000.01", "-1"}) {
        EXPECT_EQ(Run(RunSettingsCommand, {"set", "Budget", "Limit", wrong}), 2) << wrong;
    }
    ASSERT_EQ(Run(RunSettingsCommand, {"get", "Budget", "Limit"}), 0);
    EXPECT_EQ(out, "1.19\n");
}

TEST_F(CountersCommandTest, CounterFileThatCannotBeReadIsAnError) {
    std::filesystem::create_directory(dir.File("Fernzahl.ctr"));
    EXPECT_EQ(Run(RunCountersCommand, {}), 1);
    EXPECT_EQ(Run(RunBudgetCommand, {}), 4);
    EXPECT_EQ(Run(RunCountersCommand, {"--xml"}), 2);
}

// A damaged file would read as "nothing spent", and a budget check would never fire.
TEST_F(CountersCommandTest, DamagedCounterFileIsFourForBudgetAndOneForCounters) {
    Store(CZaehlerFile::kMonthly, 10);
    const std::string whole = ReadFile(dir.File("Fernzahl.ctr"));
    const std::string damages[] = {whole.substr(0, 30), whole + whole, whole + std::string(49, '\x07')};
    for (const std::string& damaged : damages) {
        WriteFile(dir.File("Fernzahl.ctr"), damaged);
        EXPECT_EQ(Run(RunBudgetCommand, {}), 4) << damaged.size();
        EXPECT_NE(err.str().find("damaged"), std::string::npos) << err.str();
        EXPECT_EQ(Run(RunCountersCommand, {"--json"}), 1) << damaged.size();
    }
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.ctr")), whole + std::string(49, '\x07')) << "nothing written";
    WriteFile(dir.File("Fernzahl.ctr"), whole);
    EXPECT_EQ(Run(RunBudgetCommand, {}), 0);
}

// A mistyped --data-dir is no folder that metered nothing: no zeros, and a failure.
TEST_F(CountersCommandTest, AFolderThatDoesNotExistHasNoCounters) {
    const ProcessResult result =
        RunProcess({BinaryPath("fernzahl-cli"), "--data-dir", dir.File("mistyped"), "counters"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("there is no data folder " + dir.File("mistyped")), std::string::npos) << result.err;
    EXPECT_FALSE(FileExists(dir.File("mistyped")));
}

// The four counters and the discount counter stored, the lock files in a runtime folder of the test.
struct CounterResetTest : CountersCommandTest {
    CTempDir runtime;
    CEnvironmentGuard runtimeDirectory{"XDG_RUNTIME_DIR", runtime.Path()};

    void SetUp() override {
        std::filesystem::remove(dir.File("Fernzahl.ctr"));
        for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kDiscount; ++number) {
            Store(number, 10 + number);
        }
    }
    CounterState Stored(uint8_t number) {
        CZaehlerFile file(dir.Path());
        EXPECT_TRUE(file.OpenForReading());
        EXPECT_TRUE(file.FindFirst(0, number)) << int(number);
        const CounterState state = file.State();
        file.Close();
        return state;
    }
};

TEST_F(CounterResetTest, EachPeriodIsResetAloneAndTheOthersAreLeftAsTheyWere) {
    const char* periods[] = {"daily", "weekly", "monthly", "total"};
    for (uint8_t reset = CZaehlerFile::kDaily; reset <= CZaehlerFile::kTotal; ++reset) {
        SetUp();
        std::vector<CounterState> before;
        for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kDiscount; ++number) {
            before.push_back(Stored(number));
        }
        ASSERT_EQ(Run(RunCountersCommand, {"reset", periods[reset]}), 0) << err.str();
        const CDateTime now = CSystemClock().Now();
        for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kTotal; ++number) {
            const CounterState state = Stored(number);
            if (number != reset) {
                EXPECT_EQ(state, before[number]) << periods[reset] << " reset " << int(number);
                continue;
            }
            EXPECT_EQ(state.units, 0) << periods[reset];
            EXPECT_EQ(state.connections, 0);
            EXPECT_EQ(state.costs, CMoney(0));
            EXPECT_EQ(state.duration.GetTotalSeconds(), 0);
            // The weekly counter's period begins on the week's Monday.
            EXPECT_TRUE(number == CZaehlerFile::kWeekly ? state.resetDate <= now : state.resetDate.IsSameDay(now))
                << state.resetDate.FormatIso();
        }
        // The discount counter goes with the monthly counter, as the settings say by default.
        EXPECT_EQ(Stored(CZaehlerFile::kDiscount).units, reset == CZaehlerFile::kMonthly ? 0 : 14) << periods[reset];
        EXPECT_EQ(out, "The " + std::string(periods[reset]) + " counter is reset" +
                           (reset == CZaehlerFile::kMonthly ? ", and with it the discount counter" : "") + ".\n");
    }
    ASSERT_EQ(Run(RunSettingsCommand, {"set", "Zähler", "ResetRabatt", "0"}), 0) << err.str();
    SetUp();
    ASSERT_EQ(Run(RunCountersCommand, {"reset", "monthly"}), 0) << err.str();
    EXPECT_EQ(Stored(CZaehlerFile::kMonthly).units, 0);
    EXPECT_EQ(Stored(CZaehlerFile::kDiscount).units, 14);
}

// A meter keeps its counters in memory and would save them over the reset.
TEST_F(CounterResetTest, IsRefusedWhileAMeterHoldsTheFolderNamingIt) {
    const std::string whole = ReadFile(dir.File("Fernzahl.ctr"));
    CSingleInstance meter;
    ASSERT_EQ(meter.Acquire(dir.Path()), CSingleInstance::Result::Acquired);
    EXPECT_EQ(Run(RunCountersCommand, {"reset", "daily"}), 4);
    EXPECT_NE(err.str().find(" is held by " + std::filesystem::read_symlink("/proc/self/exe").string() + " (process " +
                             std::to_string(getpid()) + ")"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.ctr")), whole);
}

TEST_F(CounterResetTest, WrongPeriodDamagedFileAndFailedWriteResetNothing) {
    EXPECT_EQ(Run(RunCountersCommand, {"reset", "discount"}), 2);
    EXPECT_EQ(Run(RunCountersCommand, {"reset"}), 2);
    EXPECT_EQ(Run(RunCountersCommand, {"reset", "daily", "weekly"}), 2);
    // A full disk at any write: reset and said so, or told that the file could not be written.
    const std::string whole = ReadFile(dir.File("Fernzahl.ctr"));
    bool refused = false;
    for (int operation = 1; operation <= 12; ++operation) {
        WriteFile(dir.File("Fernzahl.ctr"), whole);
        CFileLayer::FailOperation(operation, ENOSPC);
        const int code = Run(RunCountersCommand, {"reset", "monthly"});
        CFileLayer::FailOperation(0);
        if (code == 0) {
            EXPECT_EQ(Stored(CZaehlerFile::kMonthly).units, 0) << operation;
            EXPECT_EQ(Stored(CZaehlerFile::kDiscount).units, 0) << operation;
            continue;
        }
        refused = true;
        EXPECT_EQ(code, 1) << operation;
        EXPECT_NE(err.str().find(" could not be written"), std::string::npos) << err.str();
    }
    EXPECT_TRUE(refused);
    WriteFile(dir.File("Fernzahl.ctr"), whole + whole.substr(0, 30));
    EXPECT_EQ(Run(RunCountersCommand, {"reset", "total"}), 1);
    EXPECT_NE(err.str().find("damaged"), std::string::npos) << err.str();
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.ctr")), whole + whole.substr(0, 30));
}

} // namespace
