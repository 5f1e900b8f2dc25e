#include "cli/CountersCommand.h"

#include "CliFixture.h"
#include "metering/ZaehlerFile.h"

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

TEST_F(CountersCommandTest, ShowsEveryCounterAndWhatIsMissing) {
    Store(CZaehlerFile::kDaily, 10);
    Store(CZaehlerFile::kDiscount, 7);
    ASSERT_EQ(Run(RunCountersCommand, {}), 0) << err.str();
    EXPECT_NE(out.find("daily     since 2026-12-01T00:00:00  2 connections  01:02:05  10 units"), std::string::npos)
        << out;
    EXPECT_NE(out.find("weekly  (not stored yet)"), std::string::npos);
    EXPECT_NE(out.find("discount  7 units"), std::string::npos);
    ASSERT_EQ(Run(RunCountersCommand, {"--json"}), 0);
    EXPECT_EQ(out, "[{\"counter\":\"daily\",\"since\":\"2026-12-01T00:00:00\",\"connections\":2,\"duration\":3725,"
                   "\"units\":10,\"costs\":1.20},{\"counter\":\"discount\",\"count\":7}]\n");
}

TEST_F(CountersCommandTest, MissingCounterFileIsAnError) {
    EXPECT_EQ(Run(RunCountersCommand, {}), 1);
    EXPECT_FALSE(FileExists(dir.File("Fernzahl.ctr")));
    EXPECT_EQ(Run(RunCountersCommand, {"--xml"}), 2);
}

} // namespace
