#include "core/DateTime.h"

#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(DateTime, EpochAndKnownDaysHaveTheirOleNumbers) {
    EXPECT_DOUBLE_EQ(CDateTime::FromDate(1899, 12, 30).GetOleDate(), 0.0);
    EXPECT_DOUBLE_EQ(CDateTime::FromDate(1899, 12, 31).GetOleDate(), 1.0);
    EXPECT_DOUBLE_EQ(CDateTime::FromDate(1900, 1, 1).GetOleDate(), 2.0);
    EXPECT_DOUBLE_EQ(CDateTime::FromDate(2000, 1, 1).GetOleDate(), 36526.0);
    EXPECT_DOUBLE_EQ(CDateTime::FromDate(2026, 12, 7, 18, 0, 0).GetOleDate(), 46363.75);
}

TEST(DateTime, DaysBeforeTheEpochCountBackwardsWithTheTimeForwards) {
    const CDateTime date = CDateTime::FromDate(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(date.GetOleDate(), -1.25);
    EXPECT_EQ(date.ToLocalTime(), (LocalTime{1899, 12, 29, 6, 0, 0}));
    // Twelve hours later crosses the epoch correctly.
    const CDateTime later = date + CTimeSpan::FromSeconds(24 * 3600);
    EXPECT_EQ(later.ToLocalTime(), (LocalTime{1899, 12, 30, 6, 0, 0}));
    EXPECT_DOUBLE_EQ(later.GetOleDate(), 0.25);
    EXPECT_NEAR((later - date).GetDays(), 1.0, 1e-12);
    EXPECT_TRUE(date < later);
}

TEST(DateTime, RoundTripsAcrossMonthEndsAndLeapYears) {
    const LocalTime cases[] = {{2024, 2, 29, 23, 59, 59}, {2023, 2, 28, 0, 0, 0},     {2000, 2, 29, 12, 0, 0},
                               {1900, 3, 1, 0, 0, 1},     {2026, 12, 31, 23, 59, 59}, {9999, 12, 31, 23, 59, 59},
                               {100, 1, 1, 0, 0, 0}};
    for (const LocalTime& t : cases) {
        EXPECT_EQ(CDateTime::FromLocalTime(t).ToLocalTime(), t) << t.year << "-" << t.month << "-" << t.day;
    }
    const CDateTime endOfFebruary = CDateTime::FromDate(2024, 2, 28, 23, 0, 0);
    EXPECT_EQ((endOfFebruary + CTimeSpan::FromSeconds(3600)).ToLocalTime(), (LocalTime{2024, 2, 29, 0, 0, 0}));
    const CDateTime endOf2023 = CDateTime::FromDate(2023, 2, 28, 23, 0, 0);
    EXPECT_EQ((endOf2023 + CTimeSpan::FromSeconds(3600)).ToLocalTime(), (LocalTime{2023, 3, 1, 0, 0, 0}));
    EXPECT_EQ((CDateTime::FromDate(2026, 12, 31, 23, 59, 59) + CTimeSpan::FromSeconds(1)).ToLocalTime(),
              (LocalTime{2027, 1, 1, 0, 0, 0}));
    // A moment reached by arithmetic is the same value as that moment built from its fields.
    EXPECT_EQ(CDateTime::FromDate(2026, 12, 7, 10, 0, 0) + CTimeSpan::FromSeconds(7 * 86400 + 7),
              CDateTime::FromDate(2026, 12, 14, 10, 0, 7));
    EXPECT_EQ(CDateTime::FromDate(1899, 12, 29, 1, 0, 0) - CTimeSpan::FromSeconds(3600),
              CDateTime::FromDate(1899, 12, 29));
}

TEST(DateTime, RejectsDatesThatDoNotExist) {
    EXPECT_FALSE(CDateTime::FromDate(2023, 2, 29).IsValid());
    EXPECT_FALSE(CDateTime::FromDate(1900, 2, 29).IsValid()); // 1900 was no leap year
    EXPECT_TRUE(CDateTime::FromDate(2000, 2, 29).IsValid());
    EXPECT_FALSE(CDateTime::FromDate(2026, 4, 31).IsValid());
    EXPECT_FALSE(CDateTime::FromDate(2026, 13, 1).IsValid());
    EXPECT_FALSE(CDateTime::FromDate(2026, 1, 1, 24, 0, 0).IsValid());
    EXPECT_FALSE(CDateTime::FromDate(99, 12, 31).IsValid());
    EXPECT_EQ(CDateTime::DaysInMonth(2024, 2), 29);
    EXPECT_EQ(CDateTime::DaysInMonth(2100, 2), 28);
}

TEST(DateTime, WeekdayDayOfYearAndDayNumber) {
    EXPECT_EQ(CDateTime::FromDate(1899, 12, 30).GetDayOfWeek(), 7); // Saturday
    EXPECT_EQ(CDateTime::FromDate(2026, 12, 7).GetDayOfWeek(), 2);  // Monday
    EXPECT_EQ(CDateTime::FromDate(2026, 12, 6).GetDayOfWeek(), 1);  // Sunday
    EXPECT_EQ(CDateTime::FromDate(1899, 12, 24).GetDayOfWeek(), 1); // before the epoch
    EXPECT_EQ(CDateTime::FromDate(2024, 12, 31).GetDayOfYear(), 366);
    EXPECT_EQ(CDateTime::FromDate(2026, 1, 1).GetDayOfYear(), 1);
    EXPECT_EQ(CDateTime::FromDate(2026, 12, 7, 23, 59, 59).GetDayNumber(), 46363);
    EXPECT_TRUE(CDateTime::FromDate(2026, 12, 7, 23, 59, 59).IsSameDay(CDateTime::FromDate(2026, 12, 7)));
    EXPECT_FALSE(CDateTime::FromDate(2026, 12, 7, 23, 59, 59).IsSameDay(CDateTime::FromDate(2026, 12, 8)));
    EXPECT_FALSE(CDateTime::FromDate(1899, 12, 29, 6, 0, 0).IsSameDay(CDateTime::FromDate(1899, 12, 30, 6, 0, 0)));
}

TEST(DateTime, StatusPropagatesThroughArithmetic) {
    const CDateTime invalid(0.0, ValueStatus::Invalid);
    EXPECT_EQ((invalid + CTimeSpan(1.0)).GetStatus(), ValueStatus::Invalid);
    EXPECT_EQ((CDateTime(5.0) + CTimeSpan(1.0, ValueStatus::Null)).GetStatus(), ValueStatus::Null);
    EXPECT_EQ((CDateTime(5.0) - invalid).GetStatus(), ValueStatus::Invalid);
    EXPECT_EQ((CTimeSpan(1.0) + CTimeSpan(0.0, ValueStatus::Null)).GetStatus(), ValueStatus::Null);
}

TEST(DateTime, FormatsWithTheLocale) {
    CLocaleGuard locale("de_DE.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    const CDateTime date = CDateTime::FromDate(2026, 3, 5, 14, 7, 9);
    EXPECT_EQ(date.Format("%x"), "05.03.2026");
    EXPECT_EQ(date.Format("%d%m%Y"), "05032026");
    EXPECT_EQ(date.Format("%A"), "Donnerstag");
}

TEST(TimeSpan, ConvertsWholeSeconds) {
    EXPECT_EQ(CTimeSpan::FromSeconds(90).GetTotalSeconds(), 90);
    EXPECT_DOUBLE_EQ(CTimeSpan::FromSeconds(86400).GetDays(), 1.0);
    EXPECT_EQ((CTimeSpan::FromSeconds(3725) + CTimeSpan::FromSeconds(1)).GetTotalSeconds(), 3726);
}

} // namespace

namespace {

// Dates and spans read from a damaged file can hold any double.
TEST(DateTime, ValuesFromDamagedFilesStayHarmless) {
    for (double junk :
         {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        const CDateTime date(junk);
        EXPECT_EQ(date.ToLocalTime(), (LocalTime{1899, 12, 30, 0, 0, 0}));
        EXPECT_EQ(date.GetDayNumber(), 0);
        EXPECT_FALSE(date.Format("%x").empty());
    }
}

} // namespace
