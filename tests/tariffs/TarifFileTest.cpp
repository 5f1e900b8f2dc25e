#include "tariffs/TarifFile.h"

#include "core/DateTime.h"
#include "support/HexBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

struct TarifFileTest : ::testing::Test {
    CTempDir dir;
    std::string path = dir.File("Fernzahl.tff");
};

TEST_F(TarifFileTest, ZoneRecordHasTheLayoutOfTheFormat) {
    CTarifFile file(path);
    ASSERT_TRUE(file.OpenRecordFile());
    ASSERT_TRUE(file.AppendRecord());
    file.ClearData();
    file.SetKind(CTarifFile::kWorkingDays);
    file.SetFirstQuarter(0);
    file.SetLastQuarter(31);
    file.SetSecondsPerUnit(240);
    file.SetUnitPrice(CMoney(1200));
    file.SetDiscountSecondsPerUnit(90);
    ASSERT_TRUE(file.WriteRecord());
    file.Close();
    EXPECT_EQ(ReadFile(path), Bytes(LoadHexBytes("zone-record.hex")));
}

TEST_F(TarifFileTest, ReadsEveryFieldOfAZoneRecord) {
    std::vector<uint8_t> bytes = LoadHexBytes("zone-record.hex");
    bytes[14] = 60;   // initial period 60 s
    bytes[36] = 0x88; // start charge 0.50 = 5000 = 0x1388
    bytes[37] = 0x13;
    bytes[44] = 0xC8; // minimum charge 1.30 = 13000 = 0x32C8
    bytes[45] = 0x32;
    bytes[52] = 1; // no discount
    WriteFile(path, Bytes(bytes));
    CTarifFile file(path);
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_EQ(file.GetKind(), 64u);
    EXPECT_EQ(file.GetFirstQuarter(), 0);
    EXPECT_EQ(file.GetLastQuarter(), 31);
    EXPECT_EQ(file.GetSecondsPerUnit(), 240);
    EXPECT_EQ(file.GetDiscountSecondsPerUnit(), 90);
    EXPECT_EQ(file.GetInitialPeriod(), 60);
    EXPECT_EQ(file.GetUnitPrice(), CMoney(1200));
    EXPECT_EQ(file.GetStartCharge(), CMoney(5000));
    EXPECT_EQ(file.GetMinimumCharge(), CMoney(13000));
    EXPECT_TRUE(file.GetNoDiscount());
}

TEST_F(TarifFileTest, EmptyFileIsNoTariffFileUntilItHasOptions) {
    CTarifFile file(path);
    EXPECT_FALSE(file.IsTariffFile());
    EXPECT_TRUE(FileExists(path));
    ASSERT_TRUE(file.OpenRecordFile());
    ASSERT_TRUE(file.AppendRecord());
    file.ClearData();
    file.SetKind(CTarifFile::kOptions);
    file.SetOption(CTarifFile::kFridayOwnTable, true);
    ASSERT_TRUE(file.WriteRecord());
    file.Close();
    EXPECT_TRUE(file.IsTariffFile());
    EXPECT_TRUE(file.GetOption(CTarifFile::kFridayOwnTable));
    EXPECT_FALSE(file.GetOption(CTarifFile::kSundayOwnTable));
    EXPECT_EQ(ReadFile(path).substr(20, 4), std::string("\x01\0\0\0", 4)); // Friday flag at offset 20
}

TEST_F(TarifFileTest, FirstValidOptionsRecordCounts) {
    CTarifFile file(path);
    ASSERT_TRUE(file.OpenRecordFile());
    for (bool holidaysAsSundays : {true, false}) {
        file.AppendRecord();
        file.ClearData();
        file.SetKind(CTarifFile::kOptions);
        file.SetOption(CTarifFile::kHolidaysAsSundays, holidaysAsSundays);
        file.WriteRecord();
    }
    ASSERT_TRUE(file.FindFirst(CTarifFile::kByKind, CTarifFile::kOptions));
    EXPECT_TRUE(file.GetOption(CTarifFile::kHolidaysAsSundays));
    EXPECT_EQ(file.GetRecordIndex(), 0u);
}

TEST_F(TarifFileTest, HolidayMatchesOnlyItsWholeDay) {
    const double christmas = CDateTime::FromDate(2026, 12, 25).GetOleDate();
    CTarifFile file(path);
    ASSERT_TRUE(file.OpenRecordFile());
    for (double date : {christmas + 0.5, christmas}) {
        file.AppendRecord();
        file.ClearData();
        file.SetKind(CTarifFile::kHoliday);
        file.SetHolidayDate(date);
        file.WriteRecord();
    }
    ASSERT_TRUE(file.FindFirst(CTarifFile::kHolidayOfDay, static_cast<int32_t>(christmas)));
    EXPECT_EQ(file.GetRecordIndex(), 1u);
    EXPECT_FALSE(file.FindNext());
    EXPECT_FALSE(file.FindFirst(CTarifFile::kHolidayOfDay, static_cast<int32_t>(christmas) + 1));
    EXPECT_FALSE(file.FindFirst(7, static_cast<int32_t>(christmas)));
}

} // namespace
