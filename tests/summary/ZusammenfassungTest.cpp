#include "summary/Zusammenfassung.h"
#include "core/StringTable.h"

#include "log/ProtokollRows.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const CStringTable kStrings;

using Z = CZusammenfassung;

struct ZusammenfassungTest : ::testing::Test {
    CTempDir dir;

    void Append(const CDateTime& start, const std::string& user = "anna", int64_t seconds = 60) {
        LogEntry entry = SampleEntry(start, seconds, 1200, "T-Online");
        entry.userName = user;
        AppendToLog(dir.Path(), entry);
    }
    Z Build(Z::Mode mode) {
        CProtokollRows rows;
        rows.Read(dir.Path(), nullptr, kStrings);
        Z summary;
        summary.Build(mode, rows);
        return summary;
    }
    static std::vector<std::string> Labels(const Z& summary, Z::Column column, bool descending) {
        std::vector<std::string> labels;
        for (const uint32_t group : summary.Order(column, descending)) {
            labels.push_back(summary[group].label);
        }
        return labels;
    }
};

TEST_F(ZusammenfassungTest, DaysUsersAndNamesAppearAsTheyOccurTheRestInAdvance) {
    EXPECT_EQ(Build(Z::kDay).Size(), 0u);
    const Z hours = Build(Z::kHour);
    ASSERT_EQ(hours.Size(), 24u);
    EXPECT_EQ(hours[0].label, "00");
    EXPECT_EQ(hours[23].label, "23");
    EXPECT_EQ(hours[23].count, 0u);
    EXPECT_EQ(hours[23].costs, CMoney(0));
    EXPECT_EQ(Build(Z::kMonthDay).Size(), 31u);
    EXPECT_EQ(Build(Z::kMonth).Size(), 12u);
}

TEST_F(ZusammenfassungTest, ConnectionsEitherSideOfMidnightFallIntoTwoDaysAndTheirHours) {
    Append(CDateTime::FromDate(2026, 12, 7, 23, 50, 0));
    Append(CDateTime::FromDate(2026, 12, 8, 0, 10, 0));
    Append(CDateTime::FromDate(2026, 12, 7, 23, 55, 0), "anna", 120);
    const Z days = Build(Z::kDay);
    ASSERT_EQ(days.Size(), 2u);
    EXPECT_EQ(days[0].count, 2u);
    EXPECT_EQ(days[0].duration.GetTotalSeconds(), 180);
    EXPECT_EQ(days[0].costs, CMoney(2400));
    EXPECT_EQ(days[0].units, 6);
    EXPECT_EQ(days[1].count, 1u);
    const Z hours = Build(Z::kHour);
    EXPECT_EQ(hours[23].count, 2u);
    EXPECT_EQ(hours[0].count, 1u);
    EXPECT_EQ(days.Order(Z::kLabel, true), (std::vector<uint32_t>{1, 0}));
}

TEST_F(ZusammenfassungTest, WeekdaysRunFromMondayAscendingAndFromSundayDescending) {
    CLocaleGuard locale("en_US.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    Append(CDateTime::FromDate(2026, 12, 13, 12, 0, 0)); // a Sunday
    const Z weekdays = Build(Z::kWeekday);
    ASSERT_EQ(weekdays.Size(), 7u);
    EXPECT_EQ(weekdays[6].count, 1u);
    const std::vector<std::string> ascending = Labels(weekdays, Z::kLabel, false);
    EXPECT_EQ(ascending.front(), "Monday");
    EXPECT_EQ(ascending.back(), "Sunday");
    const std::vector<std::string> descending = Labels(weekdays, Z::kLabel, true);
    EXPECT_EQ(descending.front(), "Sunday");
    EXPECT_EQ(descending.back(), "Monday");
    EXPECT_EQ(Build(Z::kMonth)[11].label, "December");
}

TEST_F(ZusammenfassungTest, UsersDifferingInCaseAreTwoGroupsOrderedByTheirBytes) {
    const CDateTime noon = CDateTime::FromDate(2026, 12, 7, 12, 0, 0);
    Append(noon, "anna");
    Append(noon, "Anna");
    Append(noon, "anna");
    const Z users = Build(Z::kUser);
    ASSERT_EQ(users.Size(), 2u);
    EXPECT_EQ(users[0].count, 2u);
    EXPECT_EQ(Labels(users, Z::kLabel, false), (std::vector<std::string>{"Anna", "anna"}));
    EXPECT_EQ(Labels(users, Z::kCount, true), (std::vector<std::string>{"anna", "Anna"}));
}

TEST_F(ZusammenfassungTest, AGroupWithoutAValidDurationLeadsInEitherDirection) {
    LogEntry broken = SampleEntry(CDateTime::FromDate(2026, 12, 7, 12, 0, 0), 60, 1200, "broken");
    broken.duration = CTimeSpan(0.0, ValueStatus::Invalid);
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 12, 0, 0), 600, 9900, "long"));
    AppendToLog(dir.Path(), broken);
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 12, 0, 0), 6, 100, "short"));
    const Z names = Build(Z::kName);
    for (const bool descending : {false, true}) {
        for (int column = 0; column < Z::kColumns; ++column) {
            EXPECT_EQ(Labels(names, static_cast<Z::Column>(column), descending).front(), "broken");
        }
        EXPECT_FALSE(names.Before(1, 1, Z::kLabel, descending)) << "irreflexive";
    }
    EXPECT_EQ(Labels(names, Z::kCosts, true), (std::vector<std::string>{"broken", "long", "short"}));
}

} // namespace
