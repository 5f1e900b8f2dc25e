#include "core/FileLayer.h"
#include "settings/MemorySettingsStore.h"
#include "tariffs/TariffFiles.h"
#include "tariffs/Zuordnung.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct AssignmentTest : ::testing::Test {
    CTempDir dir;
    CMemorySettingsStore settings{dir.Path()};

    std::string Assigned(const std::string& entry) { return settings.ReadSettingString("Zuordnung", entry, "-"); }
};

TEST_F(AssignmentTest, DefaultTariffInAnyCaseIsListedFirstAndNeverDeleted) {
    for (const char* name : {"Abc.tff", "FERNZAHL.TFF", "Mobil.TFF", "notes.txt"}) {
        WriteFile(dir.File(name), "");
    }
    const std::vector<TariffFileEntry> files = CTariffFiles::List(dir.Path());
    ASSERT_EQ(files.size(), 3u);
    EXPECT_TRUE(files[0].IsDefault());
    EXPECT_EQ(files[1].title, "Abc");
    EXPECT_EQ(files[2].title, "Mobil");
    EXPECT_EQ(CTariffFiles::Delete(dir.Path(), "fernzahl", settings), CTariffFiles::Deletion::kRefused);
    EXPECT_TRUE(FileExists(dir.File("FERNZAHL.TFF")));
}

TEST_F(AssignmentTest, DeletingATariffSendsItsEntriesInAnyCaseBackToTheDefault) {
    WriteFile(dir.File("Abc.tff"), "");
    settings.WriteSettingString("Zuordnung", "Office", "Abc");
    settings.WriteSettingString("Zuordnung", "Home", "ABC");
    settings.WriteSettingString("Zuordnung", "*", "Mobil");
    CFileLayer::FailOperation(1, EIO);
    EXPECT_EQ(CTariffFiles::Delete(dir.Path(), "Abc", settings), CTariffFiles::Deletion::kNotRemoved);
    CFileLayer::FailOperation(0);
    EXPECT_EQ(Assigned("Office"), "Abc") << "a file that stays keeps its entries";
    EXPECT_EQ(CTariffFiles::Delete(dir.Path(), "Abc", settings), CTariffFiles::Deletion::kDeleted);
    EXPECT_FALSE(FileExists(dir.File("Abc.tff")));
    EXPECT_EQ(Assigned("Office"), "*");
    EXPECT_EQ(Assigned("Home"), "*");
    EXPECT_EQ(Assigned("*"), "Mobil");
}

// A tariff file made anew over an old one (the save dialog asked first) replaces it whole, or, when
// the disk refuses, leaves it as it was.
TEST_F(AssignmentTest, ANewEmptyTariffFileReplacesTheOldOneWholeOrNotAtAll) {
    WriteFile(dir.File("Abc.tff"), "old tariff");
    CFileLayer::FailOperation(1);
    EXPECT_FALSE(CTariffFiles::CreateEmpty(dir.File("Abc.tff")));
    EXPECT_EQ(ReadFile(dir.File("Abc.tff")), "old tariff");
    CFileLayer::FailOperation(0);
    EXPECT_TRUE(CTariffFiles::CreateEmpty(dir.File("Abc.tff")));
    EXPECT_EQ(ReadFile(dir.File("Abc.tff")), "");
}

TEST_F(AssignmentTest, RowsAreThePhonebookAndTheModemLineWrittenInListOrder) {
    settings.WriteSettingString("Zuordnung", "Office", "Mobil");
    settings.WriteSettingString("Zuordnung", "Gone", "Mobil"); // an entry no longer in the phonebook
    CZuordnung assignment = CZuordnung::Read(settings, {"Office", "Home"});
    ASSERT_EQ(assignment.Rows().size(), 3u);
    EXPECT_EQ(assignment.Rows()[0].tariff, "Mobil");
    EXPECT_EQ(assignment.Rows()[1].tariff, "");
    EXPECT_TRUE(assignment.Rows()[2].IsModemLine());
    assignment.Assign(0, "Fernzahl"); // the default tariff is written as "*", not by its title
    assignment.Assign(2, "Abc");
    assignment.Write(settings);
    EXPECT_EQ(Assigned("Office"), "*");
    EXPECT_EQ(Assigned("Home"), "*");
    EXPECT_EQ(Assigned("*"), "Abc");
    EXPECT_EQ(Assigned("Gone"), "Mobil");
}

TEST_F(AssignmentTest, WithoutEntriesAndWithTheModemOffThereIsNothingToWrite) {
    settings.Write(Setting::kModem, 0);
    CZuordnung assignment = CZuordnung::Read(settings, {});
    EXPECT_TRUE(assignment.Rows().empty());
    assignment.Write(settings);
    EXPECT_FALSE(settings.OpenSettingsKey(false, "Zuordnung"));
}

// A tariff is named as the files are, in any case, and stored as its file is named: the meter looks
// the stored title up again. A name with no file behind it would be metered at the default rate.
TEST_F(AssignmentTest, ANamedTariffIsFoundInAnyCaseAndStoredAsItsFileIsNamed) {
    for (const char* name : {"Mobil.TFF", "Abc.tff"}) {
        WriteFile(dir.File(name), "");
    }
    const std::vector<TariffFileEntry> files = CTariffFiles::List(dir.Path());
    EXPECT_EQ(CZuordnung::FindTariff(files, "MOBIL"), "Mobil");
    EXPECT_EQ(CZuordnung::FindTariff(files, "fernzahl"), "") << "the default tariff, even without its file";
    EXPECT_EQ(CZuordnung::FindTariff(files, "Mobl"), std::nullopt);
    EXPECT_EQ(CZuordnung::FindTariff(files, "Mobil.tff"), std::nullopt);
    ASSERT_TRUE(CZuordnung::WriteEntry(settings, "Office", "Mobil"));
    EXPECT_EQ(Assigned("Office"), "Mobil");
    ASSERT_TRUE(CZuordnung::WriteEntry(settings, "Office", ""));
    EXPECT_EQ(Assigned("Office"), "*");
}

} // namespace
