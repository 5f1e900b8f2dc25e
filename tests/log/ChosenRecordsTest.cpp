#include "log/ChosenRecords.h"
#include "core/StringTable.h"

#include "core/FileLayer.h"
#include "log/ProtokollRows.h"
#include "support/LogBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const CStringTable kStrings;

const CDateTime kNoon = CDateTime::FromDate(2026, 12, 7, 12, 0, 0);

struct ChosenRecordsTest : ::testing::Test {
    CTempDir dir;
    CProtokollRows rows;

    void SetUp() override {
        for (const char* name : {"first", "second", "third"}) {
            Append(name);
        }
        rows.Read(dir.Path(), nullptr, kStrings);
    }
    void Append(const std::string& name) {
        AppendToLog(dir.Path(),
                    SampleEntry(kNoon + CTimeSpan::FromSeconds(3600 * ReadLog(dir.Path()).size()), 60, 1200, name));
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const LogEntry& entry : ReadLog(dir.Path())) {
            names.push_back(entry.connectionName);
        }
        return names;
    }
    // The row shown first when the view is sorted newest first.
    size_t Newest() { return rows.Order(CProtokollRows::kStart, true).front(); }
};

// Chosen before the question, logged while it is open: the chosen one goes, the new one stays; a
// chosen record that meanwhile holds another connection stops the whole deletion.
TEST_F(ChosenRecordsTest, DeletesWhatWasChosenAndNothingWhenTheLogChanged) {
    const CChosenRecords newest = CChosenRecords::Of(rows, {Newest()});
    const CChosenRecords all = CChosenRecords::All(rows);
    Append("logged meanwhile");
    EXPECT_EQ(newest.Delete(dir.Path(), kStrings), CChosenRecords::Outcome::kDeleted);
    EXPECT_EQ(Names(), (std::vector<std::string>{"first", "second", "logged meanwhile"}));
    EXPECT_EQ(all.Delete(dir.Path(), kStrings), CChosenRecords::Outcome::kChanged) << "the third is gone already";
    EXPECT_EQ(Names(), (std::vector<std::string>{"first", "second", "logged meanwhile"}));

    rows.Read(dir.Path(), nullptr, kStrings);
    const CChosenRecords first = CChosenRecords::Of(rows, {0});
    std::filesystem::remove(dir.File("Fernzahl.log"));
    Append("new log");
    EXPECT_EQ(first.Delete(dir.Path(), kStrings), CChosenRecords::Outcome::kChanged) << "a new log at the same index";
    EXPECT_EQ(Names(), (std::vector<std::string>{"new log"}));

    rows.Read(dir.Path(), nullptr, kStrings);
    EXPECT_EQ(CChosenRecords::All(rows).Delete(dir.Path(), kStrings), CChosenRecords::Outcome::kDeleted);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Fernzahl.log"))) << "a log of deleted slots goes";
}

TEST_F(ChosenRecordsTest, FailedWriteIsToldAndKeepsTheRestOfTheChoice) {
    const CChosenRecords all = CChosenRecords::All(rows);
    CFileLayer::FailOperation(2, EIO);
    EXPECT_EQ(all.Delete(dir.Path(), kStrings), CChosenRecords::Outcome::kNotWritten);
    CFileLayer::FailOperation(0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"second", "third"}));

    CFileLayer::FailOperation(1, EIO);
    EXPECT_EQ(CChosenRecords::All(CProtokollRows()).Delete(dir.Path(), kStrings), CChosenRecords::Outcome::kDeleted)
        << "an empty choice writes nothing";
    CFileLayer::FailOperation(0);
}

} // namespace
