#include "tariffs/TariffDescription.h"

#include "core/DateTime.h"
#include "core/FileLayer.h"
#include "support/TempDir.h"
#include "tariffs/TarifFile.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kDescription = R"(# a comment line
[Options]
Friday own table = YES   # names in any case
discount = yes
holidays as Sundays = no

[discount]
units = 30
price = 0.05

[working days]
08:00-17:59 90 0.12
00:00-23:59 480 0.0825 start-charge 0.5 minimum-charge 1.30 initial-period 60 discount-seconds 120 no-discount

[friday]
12:15-12:29 60 1

[holiday dates]
2026-12-25
)";

TEST(TariffDescription, WritesOptionsDiscountHolidaysAndZonesInTheirOrder) {
    CTempDir dir;
    CTariffDescription::Error error;
    const std::optional<CTariffDescription> description = CTariffDescription::Parse(kDescription, error);
    ASSERT_TRUE(description) << error.line << ": " << error.message;
    ASSERT_TRUE(description->WriteTariffFile(dir.File("t.tff")));

    CTarifFile file(dir.File("t.tff"));
    ASSERT_TRUE(file.IsTariffFile());
    ASSERT_TRUE(file.OpenRecordFile());
    ASSERT_TRUE(file.FindFirst(CTarifFile::kByKind, CTarifFile::kOptions));
    EXPECT_TRUE(file.GetOption(CTarifFile::kFridayOwnTable));
    EXPECT_TRUE(file.GetOption(CTarifFile::kDiscountScheme));
    EXPECT_FALSE(file.GetOption(CTarifFile::kHolidaysAsSundays));
    ASSERT_TRUE(file.FindFirst(CTarifFile::kByKind, CTarifFile::kDiscount));
    EXPECT_EQ(file.GetUnitLimit(), 30u);
    EXPECT_EQ(file.GetDiscountPrice(), CMoney(500));
    EXPECT_TRUE(file.FindFirst(CTarifFile::kHolidayOfDay, CDateTime::FromDate(2026, 12, 25).GetDayNumber()));

    ASSERT_TRUE(file.FindFirst(CTarifFile::kByKind, CTarifFile::kWorkingDays));
    EXPECT_EQ(file.GetFirstQuarter(), 32);
    EXPECT_EQ(file.GetLastQuarter(), 71);
    EXPECT_EQ(file.GetDiscountSecondsPerUnit(), 90); // as long as the zone's units unless given
    ASSERT_TRUE(file.FindNext());
    EXPECT_EQ(file.GetFirstQuarter(), 0);
    EXPECT_EQ(file.GetLastQuarter(), 95);
    EXPECT_EQ(file.GetSecondsPerUnit(), 480);
    EXPECT_EQ(file.GetUnitPrice(), CMoney(825));
    EXPECT_EQ(file.GetStartCharge(), CMoney(5000));
    EXPECT_EQ(file.GetMinimumCharge(), CMoney(13000));
    EXPECT_EQ(file.GetInitialPeriod(), 60);
    EXPECT_EQ(file.GetDiscountSecondsPerUnit(), 120);
    EXPECT_TRUE(file.GetNoDiscount());
    ASSERT_TRUE(file.FindFirst(CTarifFile::kByKind, CTarifFile::kFriday));
    EXPECT_EQ(file.GetFirstQuarter(), 49);
    EXPECT_EQ(file.GetLastQuarter(), 49);
    EXPECT_EQ(file.GetUnitPrice(), CMoney(10000));
    file.Close();

    // Written again onto a full disk: the tariff that was there stays whole.
    WriteFile(dir.File("t.tff"), "old");
    CFileLayer::FailOperation(3);
    EXPECT_FALSE(description->WriteTariffFile(dir.File("t.tff")));
    CFileLayer::FailOperation(0);
    EXPECT_EQ(ReadFile(dir.File("t.tff")), "old");
    EXPECT_FALSE(FileExists(dir.File("t.tff.new")));
}

TEST(TariffDescription, ReadFromItsFileAndWrittenAsTextReadsBackAsTheSameRecords) {
    CTempDir dir;
    CTariffDescription::Error error;
    const std::string early = std::string(kDescription) + "0784-12-25\n"; // a year of three digits
    ASSERT_TRUE(CTariffDescription::Parse(early, error)->WriteTariffFile(dir.File("first.tff")));
    // A holiday with a time of day, as another program may have stored it, never applies.
    CTarifFile file(dir.File("first.tff"));
    ASSERT_TRUE(file.OpenRecordFile() && file.AppendRecord());
    file.ClearData();
    file.SetKind(CTarifFile::kHoliday);
    file.SetHolidayDate(CDateTime::FromDate(2026, 12, 24, 12, 0, 0).GetOleDate());
    ASSERT_TRUE(file.WriteRecord());
    file.Close();

    const std::string text = CTariffDescription::ReadTariffFile(dir.File("first.tff"))->ToText();
    EXPECT_NE(text.find("\n00:00-23:59 480 0.0825 start-charge 0.50 minimum-charge 1.30 initial-period 60 "
                        "discount-seconds 120 no-discount\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("# 2026-12-24 12:00 was stored with a time of day"), std::string::npos) << text;
    EXPECT_NE(text.find("\n0784-12-25\n"), std::string::npos) << text;
    const std::optional<CTariffDescription> again = CTariffDescription::Parse(text, error);
    ASSERT_TRUE(again) << error.line << ": " << error.message << "\n" << text;
    ASSERT_TRUE(again->WriteTariffFile(dir.File("second.tff")));
    const std::string first = ReadFile(dir.File("first.tff"));
    EXPECT_EQ(ReadFile(dir.File("second.tff")), first.substr(0, first.size() - 60)) << "all but the timed holiday";

    // Nothing is written over an existing file unless it may be replaced.
    EXPECT_FALSE(again->WriteTariffFile(dir.File("first.tff"), false));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadFile(dir.File("first.tff")), first);
    EXPECT_FALSE(FileExists(dir.File("first.tff.new")));
    // A file of other records is no tariff to read.
    WriteFile(dir.File("other.tff"), std::string(60, '\x01'));
    EXPECT_FALSE(CTariffDescription::ReadTariffFile(dir.File("other.tff")));
}

TEST(TariffDescription, RefusesAFaultyLineNamingItAndWhatIsWrong) {
    const struct {
        const char* text;
        size_t line;
        const char* says;
    } cases[] = {
        {"08:00-17:59 90 0.12", 1, "before the first [section]"},
        {"[options]\n\n[weekdays]", 3, "unknown section [weekdays]"},
        {"[options]\nholidays as Sundays: yes", 2, "NAME = VALUE"},
        {"[options]\nholidays as Sundays = maybe", 2, "yes or no"},
        {"[options]\nSaturday own table = yes", 2, "unknown option \"Saturday own table\""},
        {"[discount]\nunits = -3", 2, "units is a whole number"},
        {"[weekend]\n08:10-17:59 90 0.12", 2, "starts on a quarter-hour"},
        {"[weekend]\n08:00-18:00 90 0.12", 2, "last minute of a quarter-hour"},
        {"[weekend]\n08:00-25:59 90 0.12", 2, "\"25:59\" is no time of day"},
        {"[weekend]\n18:00-07:59 90 0.12", 2, "ends before it starts"},
        {"[weekend]\n08:00-17:59 90", 2, "FROM-TO SECONDS PRICE"},
        {"[weekend]\n08:00-17:59 65536 0.12", 2, "seconds per unit is a whole number from 0 to 65535"},
        {"[weekend]\n08:00-17:59 90 -0.12", 2, "price is an amount"},
        {"[weekend]\n08:00-17:59 90 0.12 start-charge", 2, "start-charge needs a value"},
        {"[weekend]\n08:00-17:59 90 0.12 cheap 1", 2, "unknown zone field \"cheap\""},
        {"[holiday dates]\n2026-02-30", 2, "\"2026-02-30\" is no date"},
    };
    for (const auto& c : cases) {
        CTariffDescription::Error error;
        EXPECT_FALSE(CTariffDescription::Parse(c.text, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_NE(error.message.find(c.says), std::string::npos) << c.text << " -> " << error.message;
    }
}

} // namespace
