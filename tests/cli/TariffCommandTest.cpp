#include "cli/TariffCommand.h"

#include "CliFixture.h"
#include "core/DateTime.h"
#include "tariffs/TarifFile.h"

namespace {

struct TariffCommandTest : CliFixture {
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
    EXPECT_NE(out.find("Discount: 400 units per period at 0.06 (no discount record"), std::string::npos);
    EXPECT_NE(out.find("2026-12-25"), std::string::npos);
    EXPECT_NE(out.find("08:00-23:59  90 s per unit at 0.12"), std::string::npos);
    EXPECT_NE(out.find("no discount in this zone"), std::string::npos);
}

TEST_F(TariffCommandTest, JsonForScripts) {
    ASSERT_EQ(Run(RunTariffCommand, {"dump", dir.File("Mobil.TFF"), "--json"}), 0);
    EXPECT_NE(out.find("\"discount\":true"), std::string::npos) << out;
    EXPECT_NE(out.find("\"holidays\":[\"2026-12-25\"]"), std::string::npos);
    EXPECT_NE(out.find("{\"kind\":64,\"firstQuarter\":32,\"lastQuarter\":95,\"from\":\"08:00\",\"to\":\"23:59\""),
              std::string::npos);
}

TEST_F(TariffCommandTest, UnknownTariffIsReportedAndNotCreated) {
    EXPECT_EQ(Run(RunTariffCommand, {"dump", "Other"}), 1);
    EXPECT_FALSE(FileExists(dir.File("Other.tff")));
    EXPECT_EQ(Run(RunTariffCommand, {"dump"}), 2);
}

} // namespace
