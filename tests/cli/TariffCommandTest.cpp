#include "cli/TariffCommand.h"

#include "cli/SimulationCommands.h"

#include "CliFixture.h"
#include "core/DateTime.h"
#include "core/FileLayer.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "tariffs/TarifFile.h"
#include "tariffs/TariffLimits.h"
#include "tariffs/TariffZone.h"

#include <filesystem>

namespace {

// Under German: the text for people writes dates and amounts as the locale does, JSON in ISO and
// with a point.
struct TariffCommandTest : CliFixture {
    CLocaleGuard locale{"de_DE.UTF-8"};

    void SetUp() override {
        CTarifFile file(dir.File("Mobil.TFF"));
        ASSERT_TRUE(file.OpenRecordFile());
        auto add = [&](uint32_t kind) {
            file.AppendRecord();
            file.ClearData();
            file.SetKind(kind);
        };
        add(CTarifFile::kOptions);
        file.SetOption(CTarifFile::kDiscountScheme, true);
        file.WriteRecord();
        add(CTarifFile::kHoliday);
        file.SetHolidayDate(CDateTime::FromDate(2026, 12, 25).GetOleDate());
        file.WriteRecord();
        add(CTarifFile::kWorkingDays);
        file.SetFirstQuarter(32);
        file.SetLastQuarter(95);
        file.SetSecondsPerUnit(90);
        file.SetUnitPrice(CMoney(1200));
        file.SetNoDiscount(true);
        file.WriteRecord();
    }
};

TEST_F(TariffCommandTest, DumpsATariffNamedByItsTitle) {
    ASSERT_EQ(Run(RunTariffCommand, {"dump", "mobil"}), 0) << err.str();
    EXPECT_NE(out.find("discount scheme: yes"), std::string::npos) << out;
    EXPECT_NE(out.find("Discount: 400 units per period at 0,06 (no discount record"), std::string::npos);
    EXPECT_NE(out.find("25.12.2026"), std::string::npos);
    EXPECT_NE(out.find("08:00-23:59  90 s per unit at 0,12"), std::string::npos);
    EXPECT_NE(out.find("no discount in this zone"), std::string::npos);
}

TEST_F(TariffCommandTest, JsonForScripts) {
    ASSERT_EQ(Run(RunTariffCommand, {"dump", dir.File("Mobil.TFF"), "--json"}), 0);
    EXPECT_NE(out.find("\"discount\":true"), std::string::npos) << out;
    EXPECT_NE(out.find("\"holidays\":[\"2026-12-25\"]"), std::string::npos);
    EXPECT_NE(out.find("{\"kind\":64,\"firstQuarter\":32,\"lastQuarter\":95,\"from\":\"08:00\",\"to\":\"23:59\""),
              std::string::npos);
}

TEST_F(TariffCommandTest, HolidaysListsTheYearsPublicHolidaysAndAddsTheMissingOnes) {
    const auto line = [this](const std::string& start) {
        const size_t at = out.find(start);
        return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at) - at);
    };
    ASSERT_EQ(Run(RunTariffCommand, {"holidays", "Mobil", "--year", "2026", "--set", "de"}), 0) << err.str();
    EXPECT_TRUE(line("03.04.2026  Good Friday ").ends_with("  missing")) << out;
    EXPECT_TRUE(line("25.12.2026  Christmas Day ").ends_with("  in the tariff")) << out;
    ASSERT_EQ(Run(RunTariffCommand, {"holidays", "Mobil", "--set", "AT", "--year", "2026", "--add"}), 0);
    EXPECT_TRUE(line("04.06.2026  Corpus Christi ").ends_with("  added")) << out;
    EXPECT_TRUE(line("25.12.2026  Christmas Day ").ends_with("  in the tariff")) << out;
    ASSERT_EQ(Run(RunTariffCommand, {"dump", "Mobil", "--json"}), 0);
    EXPECT_NE(out.find(R"("holidays":["2026-12-25","2026-01-01","2026-01-06","2026-04-06",)"), std::string::npos)
        << out;
    size_t dates = 0;
    for (size_t at = out.find("\"2026-"); at != std::string::npos; at = out.find("\"2026-", at + 1)) {
        ++dates;
    }
    EXPECT_EQ(dates, 13u) << "each day once: " << out;
    EXPECT_EQ(Run(RunTariffCommand, {"holidays", "Mobil", "--year", "1582", "--set", "de"}), 2);
    EXPECT_EQ(Run(RunTariffCommand, {"holidays", "Mobil", "--year", "2026", "--set", "fr"}), 2);
    EXPECT_EQ(Run(RunTariffCommand, {"holidays", "Other", "--year", "2026", "--set", "de", "--add"}), 1);
    EXPECT_FALSE(FileExists(dir.File("Other.tff")));
    // The connection log is no tariff: nothing is written into it.
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "x"));
    const std::string log = ReadFile(dir.File("Fernzahl.log"));
    EXPECT_EQ(Run(RunTariffCommand, {"holidays", "Fernzahl.log", "--year", "2027", "--set", "de", "--add"}), 1);
    EXPECT_NE(err.str().find("is no tariff file"), std::string::npos) << err.str();
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.log")), log);
}

// The dump without the line that names the file.
std::string DumpedTariff(const std::string& json) {
    return json.substr(json.find(",\"hasOptions\""));
}

TEST_F(TariffCommandTest, ExportedAndImportedUnderAnotherNameATariffDumpsTheSame) {
    for (const std::string& original : {std::string(FERNZAHL_BIN_DIR "/Fernzahl-example.tff"), dir.File("Mobil.TFF")}) {
        ASSERT_EQ(Run(RunTariffCommand, {"export", original, "--output", dir.File("tariff.txt")}), 0) << err.str();
        ASSERT_EQ(Run(RunTariffCommand, {"import", dir.File("tariff.txt"), "Copy", "--replace"}), 0) << err.str();
        ASSERT_EQ(Run(RunTariffCommand, {"dump", original, "--json"}), 0);
        const std::string dumped = DumpedTariff(out);
        ASSERT_EQ(Run(RunTariffCommand, {"dump", "Copy", "--json"}), 0);
        EXPECT_EQ(DumpedTariff(out), dumped) << original;
    }
    // "-" and no --output are standard output.
    ASSERT_EQ(Run(RunTariffCommand, {"export", "mobil", "--output", "-"}), 0);
    EXPECT_EQ(out, ReadFile(dir.File("tariff.txt")));
    EXPECT_FALSE(FileExists("-"));
}

TEST_F(TariffCommandTest, ImportRefusesAFaultyTextAndAnExistingTariffAndLeavesNoHalfTariffOnAFullDisk) {
    WriteFile(dir.File("bad.txt"), "[options]\ndiscount = yes\n\n[weekend]\n08:00-17:59 90 0,12.5\n");
    EXPECT_EQ(Run(RunTariffCommand, {"import", dir.File("bad.txt"), "Bad"}), 1);
    EXPECT_NE(err.str().find(dir.File("bad.txt") + ":5: price is an amount"), std::string::npos) << err.str();
    EXPECT_FALSE(FileExists(dir.File("Bad.tff")));

    const std::string mobil = ReadFile(dir.File("Mobil.TFF"));
    WriteFile(dir.File("good.txt"), "[weekend]\n00:00-23:59 60 0.09\n");
    EXPECT_EQ(Run(RunTariffCommand, {"import", dir.File("good.txt"), "MOBIL"}), 1);
    EXPECT_NE(err.str().find("--replace"), std::string::npos) << err.str();
    EXPECT_EQ(ReadFile(dir.File("Mobil.TFF")), mobil);
    // Each operation of the import fails in turn, a temporary file of an earlier import lying
    // about: the tariff is the old one or the whole new one, never a part or a mix.
    ASSERT_EQ(Run(RunTariffCommand, {"import", dir.File("good.txt"), "Whole"}), 0) << err.str();
    const std::string whole = ReadFile(dir.File("Whole.tff"));
    unsigned failing = 1;
    for (;; ++failing) {
        WriteFile(dir.File("Mobil.TFF"), mobil);
        WriteFile(dir.File("Mobil.TFF.new"), mobil);
        CFileLayer::FailOperation(failing);
        const int code = Run(RunTariffCommand, {"import", dir.File("good.txt"), "mobil.tff", "--replace"});
        const bool failed = failing <= CFileLayer::CountOperations();
        CFileLayer::FailOperation(0);
        if (!failed) {
            EXPECT_EQ(code, 0) << err.str();
            break; // the operations of an import are done with
        }
        const std::string tariff = ReadFile(dir.File("Mobil.TFF"));
        EXPECT_TRUE(tariff == mobil || tariff == whole) << "a half tariff at operation " << failing;
        EXPECT_TRUE(code == 1 || (code == 0 && tariff == whole)) << "operation " << failing << ", exit " << code;
        EXPECT_TRUE(!FileExists(dir.File("Mobil.TFF.new")) || ReadFile(dir.File("Mobil.TFF.new")) == mobil)
            << "at most the earlier temporary file is left, untouched: " << failing;
    }
    EXPECT_GE(failing, 5u) << "a removal, writes, flushes and a rename";
    EXPECT_EQ(ReadFile(dir.File("Mobil.TFF")), whole);
    ASSERT_EQ(Run(RunTariffCommand, {"dump", "Mobil", "--json"}), 0);
    EXPECT_NE(out.find("\"from\":\"00:00\",\"to\":\"23:59\",\"secondsPerUnit\":60"), std::string::npos) << out;
    EXPECT_FALSE(FileExists(dir.File("mobil.tff"))) << "replaced under the name it had";

    EXPECT_EQ(Run(RunTariffCommand, {"import", dir.File("good.txt"), "../Elsewhere"}), 2);
    EXPECT_EQ(Run(RunTariffCommand, {"import", dir.File("missing.txt"), "Other"}), 1);
    EXPECT_EQ(Run(RunTariffCommand, {"import", dir.File("good.txt")}), 2);
    EXPECT_FALSE(FileExists(dir.File("Other.tff")));
}

// A name becomes a file name and a field of every logged connection: one that would break a line of
// the terminal's output, or pass the log's field, is refused and nothing is written.
TEST_F(TariffCommandTest, ImportTakesOnlyPlainFileNamesWithinTheLimitAsTariffNames) {
    WriteFile(dir.File("good.txt"), "[weekend]\n00:00-23:59 60 0.09\n");
    for (const std::string& name :
         {std::string("Line\nBreak"), std::string("Tab\tName"), std::string("Red\x1b[31m"), std::string("Del\x7f"),
          std::string("../Elsewhere"), std::string(".hidden"), std::string(CTariffLimits::kNameBytes + 1, 'n')}) {
        EXPECT_EQ(Run(RunTariffCommand, {"import", dir.File("good.txt"), name}), 2) << name;
        EXPECT_NE(err.str().find("is no tariff name: "), std::string::npos) << err.str();
        const bool control = name.find_first_of("\n\t\x1b\x7f") != std::string::npos;
        EXPECT_TRUE(!control || err.str().find(name) == std::string::npos) << "shown escaped: " << err.str();
    }
    EXPECT_NE(err.str().find("the limit of a tariff name's bytes, 124"), std::string::npos) << err.str();
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.Path()), {});
    EXPECT_EQ(entries, 2) << "Mobil.TFF and good.txt only";
    EXPECT_EQ(Run(RunTariffCommand, {"import", dir.File("good.txt"), std::string(CTariffLimits::kNameBytes, 'n')}), 0)
        << err.str();
}

// A text of so many lines.
std::string Lines(const std::string& heading, const std::string& line, size_t count) {
    std::string text = heading;
    for (size_t i = 0; i < count; ++i) {
        text += line;
    }
    return text;
}

TEST_F(TariffCommandTest, ImportRefusesATextPastTheLimitsAndNamesTheLimit) {
    const struct {
        std::string text;
        std::string refusal; // empty: taken
    } cases[] = {
        {Lines("[weekend]\n", "00:00-23:59 90 0.12\n", CTariffLimits::kZonesPerDayKind), ""},
        {Lines("[Sunday]\n08:00-08:14 90 0.12\n[weekend]\n", "00:00-23:59 90 0.12\n", CTariffLimits::kZonesPerDayKind),
         ""},
        {Lines("[weekend]\n", "00:00-23:59 90 0.12\n", CTariffLimits::kZonesPerDayKind + 1),
         ":258: more zones for weekend than the limit of zones per day kind, 256"},
        {Lines("[holiday dates]\n", "2026-12-25\n", CTariffLimits::kHolidays), ""},
        {Lines("[holiday dates]\n", "2026-12-25\n", CTariffLimits::kHolidays + 1),
         ":5002: more holidays than the limit of holidays, 5000"},
        {std::string(CTariffLimits::kTextBytes, '#'), ""},
        {std::string(CTariffLimits::kTextBytes + 1, '#'),
         " is longer than the limit of a tariff text's bytes, 2097152\nfernzahl-cli: no tariff was written"},
    };
    for (const auto& [text, refusal] : cases) {
        WriteFile(dir.File("text.txt"), text);
        const int code = Run(RunTariffCommand, {"import", dir.File("text.txt"), "Limited", "--replace"});
        if (refusal.empty()) {
            EXPECT_EQ(code, 0) << err.str();
            continue;
        }
        EXPECT_EQ(code, 1) << refusal;
        EXPECT_NE(err.str().find(dir.File("text.txt") + refusal), std::string::npos) << err.str();
    }
    ASSERT_EQ(Run(RunTariffCommand, {"export", "Limited"}), 0);
    EXPECT_EQ(out.find("[holiday dates]"), std::string::npos) << "the tariff taken last: a text of comments";
}

// A tariff file another program wrote, past the limits: every command that reads it says which
// limit, rather than taking the time and memory it would cost.
TEST_F(TariffCommandTest, CommandsRefuseATariffFilePastTheLimitsWhateverWroteIt) {
    const auto write = [this](const std::string& name, uint32_t kind, size_t count) {
        CTarifFile file(dir.File(name));
        ASSERT_TRUE(file.OpenRecordFile());
        for (size_t i = 0; i < count; ++i) {
            file.AppendRecord();
            file.ClearData();
            file.SetKind(kind);
            file.SetZone(TariffZone{});
            ASSERT_TRUE(file.WriteRecord());
        }
    };
    write("Zones.tff", CTarifFile::kFriday, CTariffLimits::kZonesPerDayKind + 1);
    write("Holidays.tff", CTarifFile::kHoliday, CTariffLimits::kHolidays + 1);
    write("Huge.tff", CTarifFile::kOptions, 1);
    std::filesystem::resize_file(dir.File("Huge.tff"), CTariffLimits::FileBytes() + 60);
    write("Within.tff", CTarifFile::kFriday, CTariffLimits::kZonesPerDayKind);
    const std::pair<const char*, const char*> files[] = {
        {"Zones", "holds 257 zones for Friday, past the limit of zones per day kind, 256; it is not read"},
        {"Holidays", "holds 5001 holidays, past the limit of holidays, 5000"},
        {"Huge", "bytes, more than the limit of records in a tariff file, 65536 (3932160 bytes)"},
    };
    const auto meter = [](const std::vector<std::string>& words, const CliContext& context) {
        return RunMeterCommand(words, context, false);
    };
    for (const auto& [name, refusal] : files) {
        EXPECT_EQ(Run(RunTariffCommand, {"dump", name}), 1);
        EXPECT_NE(err.str().find(refusal), std::string::npos) << err.str();
        EXPECT_EQ(Run(RunTariffCommand, {"export", name}), 1);
        EXPECT_NE(err.str().find(refusal), std::string::npos) << err.str();
        EXPECT_EQ(Run(RunTariffCommand, {"holidays", name, "--year", "2026", "--set", "de", "--add"}), 1);
        EXPECT_NE(err.str().find(refusal), std::string::npos) << err.str();
        EXPECT_EQ(Run(RunRateCommand, {"--tariff", name, "--at", "2026-12-04 10:00"}), 2) << "as for a missing tariff";
        EXPECT_NE(err.str().find(refusal), std::string::npos) << err.str();
        EXPECT_EQ(Run(meter, {"--tariff", name, "--start", "2026-12-04 10:00", "--seconds", "60"}), 2);
        EXPECT_NE(err.str().find(refusal), std::string::npos) << err.str();
    }
    EXPECT_EQ(Run(RunRateCommand, {"--tariff", "Within", "--at", "2026-12-04 10:00"}), 0) << err.str();
    std::filesystem::rename(dir.File("Zones.tff"), dir.File("Fernzahl.tff"));
    EXPECT_EQ(Run(RunRateCommand, {"--at", "2026-12-04 10:00"}), 2) << "the default tariff as well";
    EXPECT_NE(err.str().find(files[0].second), std::string::npos) << err.str();
}

TEST_F(TariffCommandTest, ExportRefusesAFileOfOtherRecordsAndTellsWhenTheOutputIsLost) {
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "x"));
    EXPECT_EQ(Run(RunTariffCommand, {"export", "Fernzahl.log"}), 1);
    EXPECT_NE(err.str().find("cannot read"), std::string::npos) << err.str();
    EXPECT_EQ(Run(RunTariffCommand, {"export", "Mobil", "--output", "/dev/full"}), 1);
    EXPECT_NE(err.str().find("could not be written"), std::string::npos) << err.str();
}

TEST_F(TariffCommandTest, UnknownTariffIsReportedAndNotCreated) {
    EXPECT_EQ(Run(RunTariffCommand, {"dump", "Other"}), 1);
    EXPECT_FALSE(FileExists(dir.File("Other.tff")));
    EXPECT_EQ(Run(RunTariffCommand, {"dump"}), 2);
}

} // namespace
