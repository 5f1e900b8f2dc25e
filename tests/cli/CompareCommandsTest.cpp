#include "cli/CompareCommands.h"

#include "CliFixture.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/TariffBuilder.h"

#include <filesystem>

namespace {

// Logged at 0.12 a minute; the flat tariff charges 0.05.
struct CompareCommandsTest : CliFixture {
    void SetUp() override {
        CTariffBuilder(dir.File("Fernzahl.tff")).WithZoneEveryDay({.seconds = 60, .price = 1200});
        CTariffBuilder(dir.File("Flat.tff")).WithZoneEveryDay({.seconds = 60, .price = 500});
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 2400, "T-Online", 2));
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 11, 0, 0), 30, 1200, "Arcor", 1));
    }
};

TEST_F(CompareCommandsTest, CompareListsTheTariffsCheapestFirstAndRerateEachConnection) {
    ASSERT_EQ(Run(RunCompareCommand, {"--format", "csv"}), 0) << err.str();
    EXPECT_EQ(out, "tariff,units,costs,difference,saving\r\n"
                   "\"Flat\",3,0.15,-0.21,58.3\r\n"
                   "\"Fernzahl\",3,0.36,0.00,0.0\r\n");

    ASSERT_EQ(Run(RunRerateCommand, {"--tariff", "flat", "--connection", "Arcor", "--format", "json"}), 0) << err.str();
    EXPECT_EQ(
        out, "{\"start\":\"2026-12-07T11:00:00\",\"connection\":\"Arcor\",\"user\":\"anna\",\"device\":\"ppp0\","
             "\"duration\":30,\"loggedUnits\":1,\"loggedCosts\":0.12,\"units\":1,\"costs\":0.05,\"difference\":-0.07}\n"
             "{\"connections\":1,\"connection\":null,\"user\":null,\"device\":null,\"duration\":30,"
             "\"loggedUnits\":1,\"loggedCosts\":0.12,\"units\":1,\"costs\":0.05,\"difference\":-0.07}\n");
    // Each row names its connection, so a script can join it with the log's own listing.
    ASSERT_EQ(Run(RunRerateCommand, {"--tariff", "flat", "--format", "csv"}), 0) << err.str();
    EXPECT_EQ(out.substr(0, out.find("\r\n", out.find("\r\n") + 2)),
              "start,connection,user,device,duration,loggedUnits,loggedCosts,units,costs,difference\r\n"
              "\"2026-12-07T10:00:00\",\"T-Online\",\"anna\",\"ppp0\",90,2,0.24,2,0.10,-0.14");
    ASSERT_EQ(Run(RunRerateCommand, {"--tariff=flat", "--connection=Arcor"}), 0) << err.str();
    EXPECT_NE(out.find("Arcor"), std::string::npos) << out;
    // The default tariff has one name in every format: the title --tariff takes.
    ASSERT_EQ(Run(RunCompareCommand, {}), 0) << err.str();
    EXPECT_NE(out.find("\nFernzahl "), std::string::npos) << out;
    EXPECT_EQ(out.find("Default"), std::string::npos) << out;

    {
        // The locale's decimal comma for people, never for machines.
        const CLocaleGuard german{"de_DE.UTF-8"};
        ASSERT_EQ(Run(RunCompareCommand, {}), 0) << err.str();
        EXPECT_NE(out.find("58,3 %"), std::string::npos) << out;
        ASSERT_EQ(Run(RunCompareCommand, {"--format", "json"}), 0);
        EXPECT_NE(out.find("\"saving\":58.3,"), std::string::npos) << out;
    }

    EXPECT_EQ(Run(RunRerateCommand, {"--connection", "Arcor"}), 2) << "no tariff to re-rate under";
    EXPECT_EQ(Run(RunRerateCommand, {"--tariff", "flat", "--tariff", "Mobil"}), 2) << "a tariff filter is ambiguous";
    EXPECT_EQ(Run(RunRerateCommand, {"--tariff", "Mobil"}), 1) << "no such tariff file";
    EXPECT_EQ(Run(RunRerateCommand, {"--tariff", "flat", "--discount", "many"}), 2);
}

// Two tariffs that cost the same: neither is the cheapest.
TEST_F(CompareCommandsTest, ATieMarksNoTariffCheapest) {
    CTariffBuilder(dir.File("Twin.tff")).WithZoneEveryDay({.seconds = 60, .price = 500});
    ASSERT_EQ(Run(RunCompareCommand, {"--format", "json"}), 0) << err.str();
    EXPECT_EQ(out.find("\"cheapest\":true"), std::string::npos) << out;
    std::filesystem::remove(dir.File("Twin.tff"));
    ASSERT_EQ(Run(RunCompareCommand, {"--format", "json"}), 0) << err.str();
    EXPECT_NE(out.find("\"cheapest\":true"), std::string::npos) << out;
}

// An always-on link of two months is re-rated like any connection; a record of years is damaged.
TEST_F(CompareCommandsTest, RerateTakesAConnectionOfMonthsAndLeavesOutOneOfYears) {
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 9, 1, 0, 0, 0), 60 * 86400, 0, "Always-on", 0));
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2020, 1, 1, 0, 0, 0), 3 * 366 * 86400, 0, "Damaged", 0));
    ASSERT_EQ(Run(RunRerateCommand, {"--tariff", "flat", "--format", "json"}), 0) << err.str();
    EXPECT_NE(out.find("\"connection\":\"Always-on\",\"user\":\"anna\",\"device\":\"ppp0\",\"duration\":5184000,"
                       "\"loggedUnits\":0,\"loggedCosts\":0.00,\"units\":86400,\"costs\":4320.00,"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("Damaged"), std::string::npos) << out;
}

} // namespace
