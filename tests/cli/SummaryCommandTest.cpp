#include "cli/SummaryCommand.h"

#include "CliFixture.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"

namespace {

struct SummaryCommandTest : CliFixture {
    CLocaleGuard locale{"de_DE.UTF-8"};

    void SetUp() override {
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "T-Online"));
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 11, 0, 0), 30, 800, "Arcor"));
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 8, 9, 30, 0), 3725, 26000, "T-Online"));
    }
};

TEST_F(SummaryCommandTest, GroupsTheFilteredRowsInTheOrderAsked) {
    ASSERT_EQ(Run(RunSummaryCommand, {"--by", "name", "--sort", "costs", "--descending", "--format", "csv"}), 0)
        << err.str();
    EXPECT_EQ(out, "label,count,duration,units,costs\r\n\"T-Online\",2,3815,6,2.72\r\n\"Arcor\",1,30,3,0.08\r\n");
    ASSERT_EQ(Run(RunSummaryCommand, {"--by", "weekday", "--to", "2026-12-07 23:59:59", "--format", "json"}), 0);
    EXPECT_EQ(out.substr(0, out.find('\n')), R"({"label":"Monday","count":2,"duration":120,"units":6,"costs":0.20})");
    ASSERT_EQ(Run(RunSummaryCommand, {"--by", "day"}), 0);
    EXPECT_EQ(out, "            Connections  Duration  Units  Costs\n"
                   "07.12.2026            2  00:02:00      6   0,20\n"
                   "08.12.2026            1  01:02:05      3   2,60\n");
    EXPECT_EQ(Run(RunSummaryCommand, {"--by", "year"}), 2);
    EXPECT_EQ(Run(RunSummaryCommand, {"--by", "day", "--sort", "start"}), 2);
}

// Scripts read the same bytes whatever the desktop's language: ISO days, English weekdays and months.
TEST_F(SummaryCommandTest, CsvAndJsonAreTheSameBytesUnderEveryLocale) {
    for (const char* by : {"day", "weekday", "month", "hour"}) {
        for (const char* format : {"csv", "json"}) {
            std::string outputs[2];
            for (int language = 0; language < 2; ++language) {
                CLocaleGuard locale(language == 0 ? "en_US.UTF-8" : "de_DE.UTF-8");
                ASSERT_TRUE(locale.IsActive());
                ASSERT_EQ(Run(RunSummaryCommand, {"--by=" + std::string(by), "--format=" + std::string(format)}), 0)
                    << err.str();
                outputs[language] = out;
            }
            EXPECT_EQ(outputs[0], outputs[1]) << by << " " << format;
        }
    }
    ASSERT_EQ(Run(RunSummaryCommand, {"--by", "day", "--format", "csv"}), 0);
    EXPECT_NE(out.find("\"2026-12-07\",2,"), std::string::npos) << out;
    ASSERT_EQ(Run(RunSummaryCommand, {"--by", "month", "--format", "csv"}), 0);
    EXPECT_NE(out.find("\"December\",3,"), std::string::npos) << out;
    EXPECT_EQ(Run(RunSummaryCommand, {"--by", "month", "--descending=yes"}), 2) << "a switch takes no value";
}

// Each of the summary's own sort names, both ways; the log's names stay the log's.
TEST_F(SummaryCommandTest, SortsByEachOfItsColumns) {
    // Arcor: 1 connection, 30 s, 3 units, 0.08; T-Online: 2, 3815 s, 6 units, 2.72.
    const std::vector<std::string> ascending = {"\"Arcor\"", "\"T-Online\""};
    const std::vector<std::string> descending = {ascending.rbegin(), ascending.rend()};
    for (const char* column : {"label", "count", "duration", "units", "costs"}) {
        ASSERT_EQ(Run(RunSummaryCommand, {"--by", "name", "--sort", column, "--format", "csv"}), 0) << err.str();
        EXPECT_EQ(FirstFields(out), ascending) << column;
        ASSERT_EQ(Run(RunSummaryCommand, {"--by", "name", "--sort", column, "--descending", "--format", "csv"}), 0);
        EXPECT_EQ(FirstFields(out), descending) << column;
    }
    for (const char* column : {"start", "connection", "user", "device", "tariff"}) {
        EXPECT_EQ(Run(RunSummaryCommand, {"--by", "name", "--sort", column}), 2) << column;
    }
}

} // namespace
