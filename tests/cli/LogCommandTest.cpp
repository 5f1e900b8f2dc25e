#include "cli/LogCommand.h"

#include "cli/BudgetCommand.h"
#include "cli/CompareCommands.h"
#include "cli/CountersCommand.h"
#include "cli/SummaryCommand.h"

#include "CliFixture.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/Process.h"
#include "support/TariffBuilder.h"

#include <filesystem>

namespace {

struct LogCommandTest : CliFixture {
    CLocaleGuard locale{"de_DE.UTF-8"};

    void SetUp() override {
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "T-Online"));
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 11, 0, 0), 5, 0, "gone"), true);
        AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 8, 9, 30, 0), 3725, -5, "Say \"hi\", Grüße"));
    }
};

TEST_F(LogCommandTest, TextExportGoesToStandardOutputOrAFile) {
    ASSERT_EQ(Run(RunLogCommand, {"export"}), 0) << err.str();
    EXPECT_EQ(out, "Start;Duration;Units;Costs;Connection;User;Device;Tariff\r\n"
                   "07.12.2026 10:00:00;00:01:30;3;0,12;T-Online;anna;ppp0;Mobil\r\n"
                   "08.12.2026 09:30:00;01:02:05;3;0,00;Say \"hi\", Grüße;anna;ppp0;Mobil\r\n");
    const std::string expected = out;
    ASSERT_EQ(Run(RunLogCommand, {"export", "--output", dir.File("out.txt")}), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(ReadFile(dir.File("out.txt")), expected);
    // "--output /dev/stdout" with the output sent on to a file by the shell: added where the
    // shell's output stands, nothing before it replaced.
    WriteFile(dir.File("kept.txt"), "KEPT\n");
    const ProcessResult appended =
        RunProcess({"/bin/sh", "-c", "\"$0\" --data-dir \"$1\" log export --output /dev/stdout >> \"$1/kept.txt\"",
                    BinaryPath("fernzahl-cli"), dir.Path()});
    EXPECT_EQ(appended.exitCode, 0) << appended.err;
    EXPECT_EQ(ReadFile(dir.File("kept.txt")).rfind("KEPT\nStart;Duration;", 0), 0u) << ReadFile(dir.File("kept.txt"));
}

TEST_F(LogCommandTest, CsvQuotesTextsAndUsesPlainNumbers) {
    ASSERT_EQ(Run(RunLogCommand, {"export", "--format", "csv"}), 0);
    EXPECT_EQ(out, "record,start,duration,units,costs,connection,user,device,tariff\r\n"
                   "0,2026-12-07T10:00:00,90,3,0.12,\"T-Online\",\"anna\",\"ppp0\",\"Mobil\"\r\n"
                   "2,2026-12-08T09:30:00,3725,3,-0.0005,\"Say \"\"hi\"\", Grüße\",\"anna\",\"ppp0\",\"Mobil\"\r\n");
}

TEST_F(LogCommandTest, JsonGivesOneObjectPerRecord) {
    ASSERT_EQ(Run(RunLogCommand, {"export", "--format", "json"}), 0);
    EXPECT_EQ(out,
              "{\"record\":0,\"start\":\"2026-12-07T10:00:00\",\"duration\":90,\"units\":3,\"costs\":0.12,"
              "\"connection\":\"T-Online\",\"user\":\"anna\",\"device\":\"ppp0\",\"tariff\":\"Mobil\"}\n"
              "{\"record\":2,\"start\":\"2026-12-08T09:30:00\",\"duration\":3725,\"units\":3,\"costs\":-0.0005,"
              "\"connection\":\"Say \\\"hi\\\", Grüße\",\"user\":\"anna\",\"device\":\"ppp0\",\"tariff\":\"Mobil\"}\n");
}

TEST_F(LogCommandTest, ListAlignsTheValidRecords) {
    ASSERT_EQ(Run(RunLogCommand, {"list"}), 0);
    std::istringstream lines(out);
    std::string header, first, second, extra;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(header.find("Start"), first.find("07.12.2026"));
    EXPECT_EQ(header.find("Connection"), first.find("T-Online"));
    EXPECT_NE(second.find("-0,0005"), std::string::npos);
}

TEST_F(LogCommandTest, FilterSortAndTotalsAsTheLogViewHasThem) {
    ASSERT_EQ(Run(RunLogCommand, {"list", "--format", "csv", "--sort", "duration", "--descending", "--totals"}), 0);
    EXPECT_EQ(out, "record,start,duration,units,costs,connection,user,device,tariff\r\n"
                   "2,2026-12-08T09:30:00,3725,3,-0.0005,\"Say \"\"hi\"\", Grüße\",\"anna\",\"ppp0\",\"Mobil\"\r\n"
                   "0,2026-12-07T10:00:00,90,3,0.12,\"T-Online\",\"anna\",\"ppp0\",\"Mobil\"\r\n"
                   "total,,3815,6,0.1195,,,,\r\n");
    ASSERT_EQ(Run(RunLogCommand, {"export", "--format", "json", "--to", "07.12.2026 10:00:00", "--user", "anna"}), 0);
    EXPECT_EQ(out.find("\"record\":2"), std::string::npos);
    EXPECT_NE(out.find("\"record\":0"), std::string::npos);
    ASSERT_EQ(Run(RunLogCommand, {"list", "--format", "json", "--connection", "nobody"}), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Run(RunLogCommand, {"list", "--from", "yesterday"}), 2);
    EXPECT_NE(err.str().find("--from \"yesterday\" is not a date and time"), std::string::npos);
    EXPECT_EQ(Run(RunLogCommand, {"export", "--sort", "units"}), 2) << "an export keeps the log's order";
    // The summary's sort names are not the list's.
    for (const char* column : {"label", "count"}) {
        EXPECT_EQ(Run(RunLogCommand, {"list", "--sort", column}), 2) << column;
    }
}

using LogList = CliFixture;

// Durations are written whole, in the text export, the list and its totals alike.
TEST_F(LogList, SeventyThousandHoursAreWrittenSo) {
    CLocaleGuard locale{"de_DE.UTF-8"};
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2018, 12, 7, 10, 0, 0), 70000 * 3600ll, 1200, "always on"));
    ASSERT_EQ(Run(RunLogCommand, {"export"}), 0) << err.str();
    EXPECT_NE(out.find("07.12.2018 10:00:00;70000:00:00;3;0,12;always on"), std::string::npos) << out;
    ASSERT_EQ(Run(RunLogCommand, {"list", "--totals"}), 0) << err.str();
    const size_t row = out.find("70000:00:00");
    ASSERT_NE(row, std::string::npos) << out;
    EXPECT_NE(out.find("70000:00:00", row + 1), std::string::npos) << "the total: " << out;
}

// Four records, each column ordering them in a way of its own, so that a column sorted by another's
// values shows.
TEST_F(LogList, SortsByEachOfItsColumnsBothWays) {
    const auto add = [this](int day, int64_t seconds, int32_t units, int64_t costs, const std::string& connection,
                            const std::string& user, const std::string& device, const std::string& tariff) {
        LogEntry entry = SampleEntry(CDateTime::FromDate(2026, 12, day, 10, 0, 0), seconds, costs, connection, units);
        entry.userName = user;
        entry.deviceName = device;
        entry.tariffName = tariff;
        AppendToLog(dir.Path(), entry);
    };
    add(6, 300, 4, 100, "B-net", "carl", "ppp1", "Zuhause");
    add(8, 100, 3, 300, "A-net", "dora", "ppp3", "Arbeit");
    add(5, 400, 2, 200, "D-net", "anna", "ppp2", "Mobil");
    add(7, 200, 1, 400, "C-net", "bert", "ppp0", "Nacht");
    const std::vector<std::pair<const char*, std::vector<std::string>>> orders = {
        {"start", {"2", "0", "3", "1"}},  {"duration", {"1", "3", "0", "2"}},   {"units", {"3", "2", "1", "0"}},
        {"costs", {"0", "2", "1", "3"}},  {"connection", {"1", "0", "3", "2"}}, {"user", {"2", "3", "0", "1"}},
        {"device", {"3", "0", "2", "1"}}, {"tariff", {"1", "2", "3", "0"}}};
    for (const auto& [column, ascending] : orders) {
        ASSERT_EQ(Run(RunLogCommand, {"list", "--sort", column, "--format", "csv"}), 0) << column << err.str();
        EXPECT_EQ(FirstFields(out), ascending) << column;
        ASSERT_EQ(Run(RunLogCommand, {"list", "--sort", column, "--descending", "--format", "csv"}), 0);
        EXPECT_EQ(FirstFields(out), std::vector<std::string>(ascending.rbegin(), ascending.rend())) << column;
    }
}

// A fresh folder is an empty one: every reading command shows no connections and succeeds, and
// creates nothing. A log that is there and cannot be read stays an error.
TEST(LogCommand, FreshFolderIsAnEmptyLogAndNothingIsCreated) {
    struct Fixture : CliFixture {
        void TestBody() override {}
    } f;
    CTariffBuilder(f.dir.File("Plain.tff")).WithZoneEveryDay({.seconds = 60, .price = 1200});
    using Command = int (*)(const std::vector<std::string>&, const CliContext&);
    const std::vector<std::pair<Command, std::vector<std::string>>> reads = {
        {RunLogCommand, {"list"}},
        {RunLogCommand, {"list", "--format", "csv", "--totals"}},
        {RunLogCommand, {"export"}},
        {RunLogCommand, {"export", "--format", "json"}},
        {RunSummaryCommand, {"--by", "day"}},
        {RunCompareCommand, {}},
        {RunRerateCommand, {"--tariff", "Plain"}},
        {RunCountersCommand, {}},
        {RunBudgetCommand, {}}};
    for (const auto& [command, words] : reads) {
        EXPECT_EQ(f.Run(command, words), 0) << words[0] << ": " << f.err.str();
        EXPECT_EQ(f.out.find("T-Online"), std::string::npos);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.Path()), {}), 1) << "a read created a file";
    ASSERT_EQ(f.Run(RunCountersCommand, {}), 0);
    EXPECT_NE(f.out.find("total     not reset yet  0 connections"), std::string::npos) << f.out;
    std::filesystem::create_directory(f.dir.File("Fernzahl.log"));
    EXPECT_EQ(f.Run(RunLogCommand, {"list"}), 1);
    EXPECT_NE(f.err.str().find("cannot read the log"), std::string::npos);
    EXPECT_EQ(f.Run(RunLogCommand, {"export", "--format", "xml"}), 2);
    EXPECT_EQ(f.Run(RunLogCommand, {"export", "--output"}), 2);
}

// A log written under both languages: the names a record stores for "none" are one name, matched by
// either language's words, shown in the language of the output: English for the terminal, the
// window's for the text export and the printouts.
TEST(LogCommand, EitherLanguagesPlaceholderIsOneNameInTheTerminalAndTheWindowsLanguageInTheTextExport) {
    struct Fixture : CliFixture {
        void TestBody() override {}
    } f;
    CLocaleGuard locale("de_DE.UTF-8");
    for (const auto& [tariff, user] :
         {std::pair{"(Default tariff)", "(unknown user)"}, std::pair{"(Standardtarif)", "(unbekannter Benutzer)"}}) {
        LogEntry entry = SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "T-Online");
        entry.tariffName = tariff;
        entry.userName = user;
        AppendToLog(f.dir.Path(), entry);
    }
    const std::string cli = BinaryPath("fernzahl-cli");
    const ProcessResult listed =
        RunProcess({cli, "--data-dir", f.dir.Path(), "log", "list", "--format", "csv", "--tariff", "(Standardtarif)"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.out,
              "record,start,duration,units,costs,connection,user,device,tariff\r\n"
              "0,2026-12-07T10:00:00,90,3,0.12,\"T-Online\",\"(unknown user)\",\"ppp0\",\"(Default tariff)\"\r\n"
              "1,2026-12-07T10:00:00,90,3,0.12,\"T-Online\",\"(unknown user)\",\"ppp0\",\"(Default tariff)\"\r\n");
    const ProcessResult summed =
        RunProcess({cli, "--data-dir", f.dir.Path(), "summary", "--by", "user", "--format", "csv"});
    EXPECT_EQ(summed.out, "label,count,duration,units,costs\r\n\"(unknown user)\",2,180,6,0.24\r\n") << summed.err;
    // The window set to German: the text export is the window's, headings and names.
    WriteFile(f.dir.File("fernzahl.ini"), "[Allgemein]\nSprache=2\n");
    const ProcessResult exported =
        RunProcess({cli, "--data-dir", f.dir.Path(), "log", "export", "--user", "(unknown user)"},
                   {.set = {{"LC_ALL", "de_DE.UTF-8"}}});
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out,
              "Beginn;Dauer;Einheiten;Kosten;Verbindung;Benutzer;Gerät;Tarif\r\n"
              "07.12.2026 10:00:00;00:01:30;3;0,12;T-Online;(unbekannter Benutzer);ppp0;(Standardtarif)\r\n"
              "07.12.2026 10:00:00;00:01:30;3;0,12;T-Online;(unbekannter Benutzer);ppp0;(Standardtarif)\r\n");
}

} // namespace
