#include "log/ProtokollFile.h"

#include "support/HexBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

LogEntry GoldenEntry() {
    LogEntry entry;
    entry.start = CDateTime::FromDate(2026, 12, 7, 10, 0, 0);
    entry.duration = CTimeSpan::FromSeconds(90);
    entry.costs = CMoney(1200);
    entry.units = 2;
    entry.deviceName = "ppp0";
    entry.tariffName = "Mobil";
    entry.userName = "anna";
    entry.connectionName = "Grüße";
    return entry;
}

struct ProtokollFileTest : ::testing::Test {
    CTempDir dir;
    CProtokollFile log{dir.Path()};
    std::string path = dir.File("Fernzahl.log");
};

TEST_F(ProtokollFileTest, ReadsTheRecordOfTheFormat) {
    WriteFile(path, Bytes(LoadHexBytes("log-record.hex")));
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.GetRecordSize(), 794u);
    const LogEntry& e = log.Entry();
    const LogEntry golden = GoldenEntry();
    EXPECT_EQ(e.start, golden.start);
    EXPECT_EQ(e.duration.GetTotalSeconds(), 90);
    EXPECT_EQ(e.costs, CMoney(1200));
    EXPECT_EQ(e.units, 2);
    EXPECT_EQ(e.deviceName, "ppp0");
    EXPECT_EQ(e.tariffName, "Mobil");
    EXPECT_EQ(e.userName, "anna");
    EXPECT_EQ(e.connectionName, "Grüße");
    EXPECT_EQ(log.GetVersion(), 3100);
}

TEST_F(ProtokollFileTest, WritesTheRecordOfTheFormat) {
    ASSERT_TRUE(log.OpenRecordFile());
    ASSERT_TRUE(log.AppendEntry());
    log.Entry() = GoldenEntry();
    ASSERT_TRUE(log.WriteRecord());
    log.Close();
    const std::string written = ReadFile(path);
    EXPECT_EQ(written, Bytes(LoadHexBytes("log-record.hex")));
    // Costs 0.12: the high half (bytes 24-27) before the low half (bytes 28-31).
    EXPECT_EQ(written.substr(20, 12), std::string("\0\0\0\0\0\0\0\0\xB0\x04\0\0", 12));
}

TEST_F(ProtokollFileTest, RecordOfAnotherVersionHasNoTariffName) {
    WriteFile(path, Bytes(LoadHexBytes("log-record-version-3000.hex")));
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.GetVersion(), 3000);
    EXPECT_EQ(log.Entry().tariffName, "");
    EXPECT_EQ(log.Entry().deviceName, "ppp0");
    EXPECT_EQ(log.Entry().userName, "anna");
    EXPECT_EQ(log.Entry().connectionName, "Grüße");
}

TEST_F(ProtokollFileTest, TextsFillTheirFieldAtMostUpToTheLastByte) {
    ASSERT_TRUE(log.OpenRecordFile());
    log.AppendEntry();
    log.Entry().connectionName = std::string(124, 'c');
    log.Entry().deviceName = std::string(400, 'd');
    ASSERT_TRUE(log.WriteRecord());
    log.Close();
    const std::string bytes = ReadFile(path);
    EXPECT_EQ(bytes.substr(544, 125), std::string(124, 'c') + '\0');
    EXPECT_EQ(bytes.substr(44, 125), std::string(124, 'd') + '\0');
    EXPECT_EQ(bytes.substr(169, 1), std::string(1, '\0')); // the tariff field after it is untouched
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.Entry().connectionName, std::string(124, 'c'));
}

TEST_F(ProtokollFileTest, DamagedTextWithoutNulStopsAtItsField) {
    std::vector<uint8_t> bytes = LoadHexBytes("log-record.hex");
    std::fill(bytes.begin() + 44, bytes.begin() + 169, 'x'); // device name without NUL
    WriteFile(path, Bytes(bytes));
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.Entry().deviceName, std::string(125, 'x'));
    EXPECT_EQ(log.Entry().tariffName, "Mobil");
}

TEST_F(ProtokollFileTest, WalkSkipsTheDeletedRecordOfFive) {
    const std::vector<uint8_t> record = LoadHexBytes("log-record.hex");
    std::string bytes;
    for (int i = 0; i < 5; ++i) {
        std::string slot = Bytes(record);
        slot[16] = static_cast<char>(i); // units tell the records apart
        if (i == 2) {
            slot[0] = 0;
        }
        bytes += slot;
    }
    ASSERT_EQ(bytes.size(), 3970u);
    WriteFile(path, bytes);
    ASSERT_TRUE(log.OpenRecordFile());
    std::vector<uint32_t> visited;
    for (bool more = log.FirstValid(); more; more = log.NextValid()) {
        visited.push_back(log.GetRecordIndex());
        EXPECT_EQ(log.Entry().units, static_cast<int32_t>(log.GetRecordIndex()));
    }
    EXPECT_EQ(visited, (std::vector<uint32_t>{0, 1, 3, 4}));
    EXPECT_EQ(log.GetRecordCount(), 5u);
}

TEST_F(ProtokollFileTest, WalkOverTheStoredBytesSkipsDeletedRecordsAndReadsAsTheEntryDoes) {
    ASSERT_TRUE(log.OpenRecordFile());
    for (int units : {1, 5, 2}) {
        log.AppendEntry();
        log.Entry() = GoldenEntry();
        log.Entry().units = units;
        units == 5 ? log.DeleteRecord() : log.WriteRecord();
    }
    std::vector<std::pair<uint32_t, int32_t>> found;
    log.ForEachValid([&](uint32_t index, const uint8_t* data) {
        LogEntry e;
        CProtokollFile::ReadNumbers(data, e);
        EXPECT_EQ(e.start, GoldenEntry().start);
        EXPECT_EQ(e.costs, GoldenEntry().costs);
        EXPECT_EQ(CProtokollFile::TextBytes(data, CProtokollFile::Text::kConnection), "Gr\xfc\xdf"
                                                                                      "e"); // as stored
        EXPECT_EQ(CProtokollFile::TextBytes(data, CProtokollFile::Text::kTariff), GoldenEntry().tariffName);
        found.emplace_back(index, e.units);
        return true;
    });
    EXPECT_EQ(found, (std::vector<std::pair<uint32_t, int32_t>>{{0, 1}, {2, 2}}));
}

} // namespace
