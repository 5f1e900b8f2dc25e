#include "metering/ZaehlerFile.h"

#include "support/HexBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct ZaehlerFileTest : ::testing::Test {
    CTempDir dir;
    CZaehlerFile file{dir.Path()};
    std::vector<uint8_t> golden = LoadHexBytes("counter-file.hex");

    void WriteGolden(size_t records) {
        WriteFile(dir.File("Fernzahl.ctr"), std::string(golden.begin(), golden.begin() + 49 * records));
    }
};

TEST_F(ZaehlerFileTest, ReadsTheFiveRecordsOfTheFormat) {
    ASSERT_EQ(golden.size(), 245u);
    WriteGolden(5);
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_EQ(file.GetRecordCount(), 5u);
    ASSERT_TRUE(file.FindFirst(0, CZaehlerFile::kDaily));
    EXPECT_EQ(file.connections, 3);
    EXPECT_EQ(file.duration.GetTotalSeconds(), 3725);
    EXPECT_EQ(file.units, 10);
    EXPECT_EQ(file.costs, CMoney(12000));
    EXPECT_EQ(file.resetDate, CDateTime::FromDate(2026, 12, 1));
    ASSERT_TRUE(file.FindFirst(0, CZaehlerFile::kMonthly));
    EXPECT_EQ(file.resetDate, CDateTime::FromDate(2026, 12, 1, 12, 0, 0));
    ASSERT_TRUE(file.FindFirst(0, CZaehlerFile::kTotal));
    EXPECT_EQ(file.costs, CMoney(-10000));
    ASSERT_TRUE(file.FindFirst(0, CZaehlerFile::kDiscount));
    EXPECT_EQ(file.units, 7);
    EXPECT_EQ(file.resetDate.GetStatus(), ValueStatus::Null);
}

TEST_F(ZaehlerFileTest, WritesTheSameBytesBack) {
    WriteGolden(5);
    ASSERT_TRUE(file.OpenRecordFile());
    for (bool more = file.FirstValid(); more; more = file.NextValid()) {
        ASSERT_TRUE(file.WriteRecord());
    }
    file.Close();
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.ctr")), std::string(golden.begin(), golden.end()));
}

TEST_F(ZaehlerFileTest, DiscountRecordIsAbsentFromAFileOfTheFourTotals) {
    WriteGolden(4);
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_FALSE(file.FindFirst(0, CZaehlerFile::kDiscount));
    ASSERT_TRUE(file.AppendRecord());
    file.recordNumber = CZaehlerFile::kDiscount;
    file.units = 2;
    ASSERT_TRUE(file.WriteRecord());
    EXPECT_EQ(file.GetRecordCount(), 5u);
    EXPECT_TRUE(file.FindFirst(0, CZaehlerFile::kDiscount));
}

} // namespace
