#include "core/RecordFile.h"

#include "core/LittleEndian.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

// A record file of 4-byte numbers; key 2 finds a number.
class CNumberFile : public CRecordFile {
public:
    explicit CNumberFile(std::string path) : m_path(std::move(path)) {}
    uint32_t value = 0;

protected:
    uint32_t GetDataSize() const override { return 4; }
    std::string GetRecordFileName() const override { return m_path; }
    void ReadData(const uint8_t* data) override { value = LoadLittleEndian<uint32_t>(data); }
    void WriteData(uint8_t* data) const override { StoreLittleEndian<uint32_t>(data, value); }
    bool Matches(int32_t, int32_t key2) const override { return value == static_cast<uint32_t>(key2); }

private:
    std::string m_path;
};

std::string Slot(uint32_t status, uint32_t value) {
    std::string bytes(8, '\0');
    StoreLittleEndian<uint32_t>(reinterpret_cast<uint8_t*>(bytes.data()), status);
    StoreLittleEndian<uint32_t>(reinterpret_cast<uint8_t*>(bytes.data() + 4), value);
    return bytes;
}

std::vector<uint32_t> WalkValues(CNumberFile& file) {
    std::vector<uint32_t> values;
    for (bool more = file.FirstValid(); more; more = file.NextValid()) {
        values.push_back(file.value);
    }
    return values;
}

struct RecordFileTest : ::testing::Test {
    CTempDir dir;
    std::string path = dir.File("numbers.dat");
    CNumberFile file{path};
};

TEST_F(RecordFileTest, OpeningCreatesAnEmptyFileWithoutRecords) {
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(file.GetRecordCount(), 0u);
    EXPECT_FALSE(file.FindFirst(0, 1));
    EXPECT_FALSE(file.FirstValid());
    EXPECT_EQ(file.GetStatus(), 0u);
}

TEST_F(RecordFileTest, OpeningPositionsOnTheFirstValidRecord) {
    WriteFile(path, Slot(0, 10) + Slot(1, 11) + Slot(7, 12));
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_EQ(file.GetRecordIndex(), 1u);
    EXPECT_EQ(file.value, 11u);
    EXPECT_EQ(file.GetRecordCount(), 3u);
    EXPECT_EQ(WalkValues(file), (std::vector<uint32_t>{11, 12})); // any nonzero status is valid
}

TEST_F(RecordFileTest, AllDeletedFileFindsNothingAndAppendsBehindTheSlots) {
    WriteFile(path, Slot(0, 1) + Slot(0, 2) + Slot(0, 3));
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_FALSE(file.FirstValid());
    EXPECT_EQ(file.GetStatus(), 0u);
    ASSERT_TRUE(file.AppendRecord());
    EXPECT_EQ(file.GetRecordIndex(), 3u);
    file.value = 4;
    ASSERT_TRUE(file.WriteRecord());
    file.Close();
    EXPECT_EQ(ReadFile(path), Slot(0, 1) + Slot(0, 2) + Slot(0, 3) + Slot(1, 4));
}

TEST_F(RecordFileTest, AppendWithoutWriteLeavesADeletedSlot) {
    ASSERT_TRUE(file.OpenRecordFile());
    file.value = 9;
    ASSERT_TRUE(file.AppendRecord());
    EXPECT_EQ(file.GetStatus(), 1u);
    file.Close();
    EXPECT_EQ(ReadFile(path), Slot(0, 9));
}

TEST_F(RecordFileTest, DeleteMarksTheSlotAndKeepsTheLength) {
    WriteFile(path, Slot(1, 1) + Slot(1, 2) + Slot(1, 3));
    ASSERT_TRUE(file.OpenRecordFile());
    file.GoToRecord(1);
    ASSERT_TRUE(file.DeleteRecord());
    EXPECT_EQ(WalkValues(file), (std::vector<uint32_t>{1, 3}));
    file.Close();
    EXPECT_EQ(ReadFile(path), Slot(1, 1) + Slot(0, 2) + Slot(1, 3));
}

TEST_F(RecordFileTest, SearchVisitsOnlyValidMatchingRecordsInOrder) {
    WriteFile(path, Slot(1, 5) + Slot(0, 7) + Slot(1, 7) + Slot(1, 5) + Slot(1, 7));
    ASSERT_TRUE(file.OpenRecordFile());
    std::vector<uint32_t> found;
    for (bool more = file.FindFirst(0, 7); more; more = file.FindNext()) {
        found.push_back(file.GetRecordIndex());
    }
    EXPECT_EQ(found, (std::vector<uint32_t>{2, 4}));
    EXPECT_TRUE(file.FindFirst(0, 5));
    EXPECT_EQ(file.GetRecordIndex(), 0u);
}

TEST_F(RecordFileTest, GoingPastTheEndReadsNothing) {
    WriteFile(path, Slot(1, 5));
    ASSERT_TRUE(file.OpenRecordFile());
    file.GoToRecord(1);
    EXPECT_EQ(file.GetStatus(), 0u);
    EXPECT_TRUE(file.IsPastEnd());
    EXPECT_FALSE(file.NextValid());
}

TEST_F(RecordFileTest, TrailingPartialRecordReadsAsAbsentAndIsOverwrittenByTheNextAppend) {
    WriteFile(path, Slot(1, 5) + Slot(1, 6).substr(0, 6));
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_EQ(file.GetRecordCount(), 1u);
    file.GoToRecord(0);
    file.GoToRecord(1);
    EXPECT_EQ(file.GetStatus(), 0u);
    EXPECT_EQ(file.value, 5u); // nothing of the partial record reached the data
    EXPECT_EQ(WalkValues(file), (std::vector<uint32_t>{5}));
    ASSERT_TRUE(file.AppendRecord());
    EXPECT_EQ(file.GetRecordIndex(), 1u);
    file.value = 8;
    ASSERT_TRUE(file.WriteRecord());
    file.Close();
    EXPECT_EQ(ReadFile(path), Slot(1, 5) + Slot(1, 8));
}

TEST_F(RecordFileTest, WalkCrossesManyReadWindows) {
    std::string bytes;
    for (uint32_t i = 0; i < 30000; ++i) {
        bytes += Slot(i % 3 == 0 ? 0 : 1, i);
    }
    WriteFile(path, bytes);
    ASSERT_TRUE(file.OpenRecordFile());
    const std::vector<uint32_t> values = WalkValues(file);
    ASSERT_EQ(values.size(), 20000u);
    EXPECT_EQ(values.front(), 1u);
    EXPECT_EQ(values.back(), 29999u);
    file.GoToRecord(3);
    file.value = 0;
    ASSERT_TRUE(file.WriteRecord());
    file.GoToRecord(3); // a read after a write sees the write
    EXPECT_EQ(file.value, 0u);
}

// A file-size limit makes writes fail the way a full disk does.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

TEST_F(RecordFileTest, FailedAppendIsReportedAndDamagesNoEarlierRecord) {
    WriteFile(path, Slot(1, 1) + Slot(1, 2));
    ASSERT_TRUE(file.OpenRecordFile());
    {
        CFileSizeLimit full(20); // room for half of a third record
        file.value = 3;
        EXPECT_FALSE(file.AppendRecord());
        EXPECT_FALSE(file.WriteRecord());
    }
    file.Close();
    ASSERT_TRUE(file.OpenRecordFile());
    EXPECT_EQ(WalkValues(file), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(file.GetRecordCount(), 2u);
    ASSERT_TRUE(file.AppendRecord());
    file.value = 4;
    ASSERT_TRUE(file.WriteRecord());
    file.Close();
    EXPECT_EQ(ReadFile(path), Slot(1, 1) + Slot(1, 2) + Slot(1, 4));
}

TEST(RecordFile, SomethingThatIsNoRegularFileOpensAsNothing) {
    CTempDir dir;
    std::filesystem::create_directory(dir.File("log"));
    for (const std::string& path : {dir.File("log"), std::string("/dev/null"), dir.File("missing/numbers.dat")}) {
        CNumberFile file(path);
        EXPECT_FALSE(file.OpenRecordFile()) << path;
        EXPECT_FALSE(file.FirstValid());
        EXPECT_FALSE(file.AppendRecord());
        EXPECT_EQ(file.GetRecordCount(), 0u);
    }
}

} // namespace
