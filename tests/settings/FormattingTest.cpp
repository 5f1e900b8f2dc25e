#include "settings/Formatting.h"

#include "core/TimeRules.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

double Seconds(int64_t s) {
    return static_cast<double>(s) / 86400.0;
}

TEST(Formatting, TimeOfDayDropsWholeDaysAndDurationKeepsAllHours) {
    const LocaleFacts facts;
    EXPECT_EQ(FormatTimeOfDay(1.5, facts), "12:00:00");
    EXPECT_EQ(FormatDuration(1.5, facts), "36:00:00");
    EXPECT_EQ(FormatTimeOfDay(Seconds(25 * 3600), facts), "01:00:00");
    EXPECT_EQ(FormatDuration(1.0 + 2.0 / 24.0, facts), "26:00:00");
    EXPECT_EQ(FormatTimeOfDay(0.0, facts), "00:00:00");
}

// A day fraction of whole seconds is not exact in binary; no second may be lost to the cut.
TEST(Formatting, EveryWholeSecondOfADayFormatsExactly) {
    const LocaleFacts facts;
    EXPECT_EQ(FormatTimeOfDay(Seconds(3725), facts), "01:02:05");
    for (int64_t s = 0; s < 86400; s += 7) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%02d:%02d:%02d", static_cast<int>(s / 3600),
                      static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
        ASSERT_EQ(FormatTimeOfDay(Seconds(s), facts), expected) << s;
        ASSERT_EQ(FormatDuration(Seconds(s + 86400), facts).substr(2), std::string(expected).substr(2)) << s;
    }
}

// An always-on link is up for months: 70,000 hours are written so, not as 4,464 (16 bits of hours).
TEST(Formatting, DurationsKeepEveryHour) {
    const LocaleFacts facts;
    EXPECT_EQ(FormatDuration(Seconds(70000 * 3600ll), facts), "70000:00:00");
    EXPECT_EQ(FormatDuration(Seconds(65536 * 3600ll + 61), facts), "65536:01:01");
    EXPECT_EQ(FormatDuration(Seconds(static_cast<int64_t>(kLongestMeteredSeconds)), facts), "596523:14:06");
    std::string text = "<";
    AppendDuration(text, Seconds(70000 * 3600ll + 59), facts);
    EXPECT_EQ(text, "<70000:00:59");
}

TEST(Formatting, ValuesFromDamagedFilesGiveSomeTextAndNoFault) {
    const LocaleFacts facts;
    EXPECT_EQ(FormatTimeOfDay(std::numeric_limits<double>::quiet_NaN(), facts), "00:00:00");
    EXPECT_EQ(FormatDuration(-2.58554e+237, facts).size(), 8u);
    EXPECT_EQ(FormatDuration(1e300, facts).size(), 8u);
}

TEST(Formatting, QuarterHourMarksUseTheLocaleSeparator) {
    LocaleFacts facts;
    EXPECT_EQ(FormatQuarterHour(0, false, facts), "00:00");
    EXPECT_EQ(FormatQuarterHour(95, true, facts), "23:59");
    EXPECT_EQ(FormatQuarterHour(33, false, facts), "08:15");
    EXPECT_EQ(FormatQuarterHour(33, true, facts), "08:29");
    facts.timeSeparator = ".";
    EXPECT_EQ(FormatQuarterHour(33, true, facts), "08.29");
    EXPECT_EQ(FormatTimeOfDay(0.5, facts), "12.00.00");
}

TEST(Formatting, AmountsHaveAtLeastTheCurrencyDecimals) {
    LocaleFacts facts;
    facts.decimalSeparator = ",";
    EXPECT_EQ(FormatAmount(CMoney(125000), facts), "12,50");
    EXPECT_EQ(FormatAmount(CMoney(30000), facts), "3,00");
    EXPECT_EQ(FormatAmount(CMoney(1234), facts), "0,1234");
    EXPECT_EQ(FormatAmount(CMoney(0), facts), "0,00");
    EXPECT_EQ(FormatAmount(CMoney(-5000), facts), "-0,50");
    EXPECT_EQ(FormatAmount(CMoney(INT64_MIN), facts), "-922337203685477,5808");
    facts.currencyDecimals = 0;
    EXPECT_EQ(FormatAmount(CMoney(30000), facts), "3");
    EXPECT_EQ(FormatAmount(CMoney(35000), facts), "3,5");
}

TEST(Formatting, GermanLocale) {
    CLocaleGuard locale("de_DE.UTF-8");
    ASSERT_TRUE(locale.IsActive()) << "run scripts/setup.sh to generate de_DE.UTF-8";
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    EXPECT_EQ(facts.timeSeparator, ":");
    EXPECT_EQ(facts.decimalSeparator, ",");
    EXPECT_EQ(facts.currencyDecimals, 2);
    EXPECT_EQ(FormatAmount(CMoney(125000)), "12,50");
    EXPECT_EQ(FormatAmount(CMoney(30000)), "3,00");
    EXPECT_EQ(FormatAmount(CMoney(1234)), "0,1234");
    EXPECT_EQ(FormatTimeOfDay(1.5), "12:00:00");
    EXPECT_EQ(FormatDuration(1.5), "36:00:00");
    EXPECT_EQ(FormatQuarterHour(95, true), "23:59");
}

TEST(Formatting, AmericanLocale) {
    CLocaleGuard locale("en_US.UTF-8");
    ASSERT_TRUE(locale.IsActive()) << "run scripts/setup.sh to generate en_US.UTF-8";
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    EXPECT_EQ(facts.timeSeparator, ":");
    EXPECT_EQ(facts.decimalSeparator, ".");
    EXPECT_EQ(facts.currencyDecimals, 2);
    EXPECT_EQ(FormatAmount(CMoney(125000)), "12.50");
    EXPECT_EQ(FormatAmount(CMoney(1234)), "0.1234");
    EXPECT_EQ(FormatTimeOfDay(1.5), "12:00:00");
    EXPECT_EQ(FormatQuarterHour(0, false), "00:00");
}

TEST(Formatting, PlainCLocaleFallsBackToTwoDecimals) {
    CLocaleGuard locale("C");
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    EXPECT_EQ(facts.currencyDecimals, 2);
    EXPECT_EQ(facts.timeSeparator, ":");
    EXPECT_EQ(FormatAmount(CMoney(30000)), "3.00");
}

} // namespace
