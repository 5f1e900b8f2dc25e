#include "settings/DateTimeInput.h"

#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

namespace {

const CDateTime kEvening = CDateTime::FromDate(2026, 12, 7, 18, 30, 0);

TEST(DateTimeInput, TakesTheLocalesFormIsoAndTimesOfDayAndRefusesTheRest) {
    CLocaleGuard locale("de_DE.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    EXPECT_EQ(ParseDateTimeInput("07.12.2026 18:30:00"), kEvening);
    EXPECT_EQ(ParseDateTimeInput(" 07.12.2026 18:30 "), kEvening);
    EXPECT_EQ(ParseDateTimeInput("2026-12-07T18:30"), kEvening);
    EXPECT_EQ(ParseDateTimeInput("07.12.2026"), CDateTime::FromDate(2026, 12, 7));
    EXPECT_EQ(ParseDateTimeInput("00:01:30"), CDateTime::FromDate(1899, 12, 30, 0, 1, 30));
    for (const char* bad : {"", "31.02.2026", "07.12.2026 24:00", "morgen", "07.12.2026 18:30 Uhr"}) {
        EXPECT_FALSE(ParseDateTimeInput(bad)) << bad;
    }
    EXPECT_EQ(FormatDateTimeInput(kEvening), "07.12.2026 18:30:00");
    EXPECT_EQ(FormatDateTimeInput(CDateTime::FromDate(1899, 12, 30, 0, 1, 30)), "00:01:30");
}

TEST(DateTimeInput, AmericanDatesRoundTripThroughTheirOwnText) {
    CLocaleGuard locale("en_US.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    EXPECT_EQ(ParseDateTimeInput(FormatDateTimeInput(kEvening)), kEvening);
    EXPECT_EQ(ParseDateTimeInput("12/07/2026"), CDateTime::FromDate(2026, 12, 7));
    // The locale's time with or without seconds, alone or after a date.
    EXPECT_EQ(ParseDateTimeInput("12/07/2026 06:30:00 PM"), kEvening);
    EXPECT_EQ(ParseDateTimeInput("12/07/2026 06:30 PM"), kEvening);
    EXPECT_EQ(ParseDateTimeInput("06:30 PM"), CDateTime::FromDate(1899, 12, 30, 18, 30, 0));
    EXPECT_FALSE(ParseDateTimeInput("07.12.2026"));
}

} // namespace
