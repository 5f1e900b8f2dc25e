#include "core/FileLayer.h"
#include "core/StringTable.h"
#include "settings/AmountInput.h"
#include "settings/DateTimeInput.h"
#include "support/LocaleGuard.h"
#include "support/TariffBuilder.h"
#include "support/TempDir.h"
#include "tariff_editor/DayCoverage.h"
#include "tariff_editor/PublicHolidays.h"
#include "tariff_editor/TariffRecords.h"
#include "tariff_editor/ZoneInput.h"
#include "tariffs/TariffLimits.h"

#include <gtest/gtest.h>

namespace {

int32_t Day(int year, int month, int day) {
    return CDateTime::FromDate(year, month, day).GetDayNumber();
}

std::vector<int32_t> DaysOf(CPublicHolidays::Country country, int year) {
    std::vector<int32_t> days;
    for (const CPublicHolidays::Holiday& holiday : CPublicHolidays::Of(country, year)) {
        days.push_back(holiday.day);
    }
    return days;
}

TEST(PublicHolidays, EasterFollowsTheGregorianComputus) {
    const int known[][3] = {{1900, 4, 15}, {1913, 3, 23}, {1943, 4, 25}, {1954, 4, 18}, {1961, 4, 2},
                            {2000, 4, 23}, {2008, 3, 23}, {2011, 4, 24}, {2024, 3, 31}, {2025, 4, 20},
                            {2026, 4, 5},  {2027, 3, 28}, {2038, 4, 25}, {2100, 3, 28}};
    for (const auto& [year, month, day] : known) {
        EXPECT_EQ(CPublicHolidays::Easter(year), Day(year, month, day)) << year;
    }
}

TEST(PublicHolidays, EachCountryHasItsNationwideDays) {
    using Country = CPublicHolidays::Country;
    EXPECT_EQ(DaysOf(Country::kGermany, 2026),
              (std::vector{Day(2026, 1, 1), Day(2026, 4, 3), Day(2026, 4, 6), Day(2026, 5, 1), Day(2026, 5, 14),
                           Day(2026, 5, 25), Day(2026, 10, 3), Day(2026, 12, 25), Day(2026, 12, 26)}));
    EXPECT_EQ(DaysOf(Country::kAustria, 2026),
              (std::vector{Day(2026, 1, 1), Day(2026, 1, 6), Day(2026, 4, 6), Day(2026, 5, 1), Day(2026, 5, 14),
                           Day(2026, 5, 25), Day(2026, 6, 4), Day(2026, 8, 15), Day(2026, 10, 26), Day(2026, 11, 1),
                           Day(2026, 12, 8), Day(2026, 12, 25), Day(2026, 12, 26)}));
    EXPECT_EQ(DaysOf(Country::kSwitzerland, 2026),
              (std::vector{Day(2026, 1, 1), Day(2026, 5, 14), Day(2026, 8, 1), Day(2026, 12, 25)}));
    // In 2008 Ascension Day was 1 May: one day, named for both.
    const std::vector<CPublicHolidays::Holiday> german2008 = CPublicHolidays::Of(Country::kGermany, 2008);
    ASSERT_EQ(german2008.size(), 8u);
    EXPECT_EQ(german2008[3].day, Day(2008, 5, 1));
    EXPECT_EQ(german2008[3].name, "Labour Day / Ascension Day");
    EXPECT_EQ(CPublicHolidays::CountryOfCode("CH"), Country::kSwitzerland);
    EXPECT_FALSE(CPublicHolidays::CountryOfCode("fr"));
}

TEST(TariffRecords, HolidaysAlreadyHeldAreNotAppendedAgain) {
    CTempDir dir;
    CTariffBuilder(dir.File("T.tff")).WithHoliday(2026, 12, 25);
    CTariffRecords records(dir.File("T.tff"));
    const std::vector<int32_t> german = DaysOf(CPublicHolidays::Country::kGermany, 2026);
    const TariffAdd added = records.AddMissingHolidays(german);
    ASSERT_TRUE(added);
    EXPECT_EQ(added.days.size(), german.size() - 1);
    const std::vector<int32_t> twice = {Day(2027, 1, 1), Day(2027, 1, 1)};
    EXPECT_EQ(records.AddMissingHolidays(german).days.size(), 0u);
    EXPECT_EQ(records.AddMissingHolidays(twice).days.size(), 1u);
    std::vector<int32_t> held;
    for (const HolidayRow& row : records.ReadHolidays()) {
        held.push_back(static_cast<int32_t>(row.date));
    }
    ASSERT_EQ(held.size(), german.size() + 1);
    EXPECT_EQ(held.front(), Day(2026, 12, 25));
    EXPECT_EQ(held.back(), Day(2027, 1, 1));
    // Holidays are found by the lookup's own search: records of kind 128 holding the whole day.
    CTarifFile file(dir.File("T.tff"));
    file.OpenRecordFile();
    EXPECT_TRUE(file.FindFirst(CTarifFile::kHolidayOfDay, Day(2026, 4, 3)));
}

// The editor's adds stop at each limit of a tariff, write nothing past it, and name the limit; a
// year of public holidays that does not fit is added not in part.
TEST(TariffRecords, AddsStopAtTheLimitsOfATariffAndNameThem) {
    CTempDir dir;
    const std::string path = dir.File("T.tff");
    const CStringTable strings = CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
    {
        CTariffBuilder builder(path);
        for (size_t i = 0; i < CTariffLimits::kZonesPerDayKind; ++i) {
            builder.WithZone({.kind = CTarifFile::kFriday});
        }
        builder.WithHolidaysFrom(Day(2000, 1, 1), CTariffLimits::kHolidays - 5);
    }
    CTariffRecords records(path);
    const std::string before = ReadFile(path);
    const TariffAdd zone = records.AddZone(CTarifFile::kFriday, TariffZone{});
    EXPECT_FALSE(zone);
    ASSERT_TRUE(zone.refused);
    EXPECT_EQ(zone.refused->Describe(strings, path), strings.Format(584, {"256", "256"}));
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_TRUE(records.AddZone(CTarifFile::kWorkingDays, TariffZone{})) << "another day kind has room";

    const std::vector<int32_t> german = DaysOf(CPublicHolidays::Country::kGermany, 2030);
    const TariffAdd year = records.AddMissingHolidays(german);
    ASSERT_TRUE(year.refused);
    EXPECT_EQ(year.refused->Describe(strings, path), strings.Format(585, {"4995", "5000", "9"}));
    EXPECT_EQ(records.ReadHolidays().size(), 4995u);
    for (int32_t day = 0; day < 5; ++day) {
        ASSERT_TRUE(records.AddHoliday(Day(2040, 1, 1) + day));
    }
    const TariffAdd past = records.AddHoliday(Day(2041, 1, 1));
    ASSERT_TRUE(past.refused);
    EXPECT_EQ(past.refused->Reason(path),
              "adding 1 would take " + path + " past the limit of holidays, 5000 (it holds 5000)");
    EXPECT_EQ(records.ReadHolidays().size(), 5000u);
    EXPECT_FALSE(CTariffLimits::RefuseFile(path)) << "every reader still takes the file";
}

// The slots of deleted records stay in the file and count towards its limit.
TEST(TariffRecords, DeletedRecordsCountTowardsTheFilesLimit) {
    CTempDir dir;
    const std::string path = dir.File("T.tff");
    CTariffBuilder(path).WithDeletedRecords(CTariffLimits::kFileRecords - 1);
    CTariffRecords records(path);
    ASSERT_TRUE(records.AddHoliday(Day(2026, 12, 25)));
    const TariffAdd past = records.AddZone(CTarifFile::kWorkingDays, TariffZone{});
    ASSERT_TRUE(past.refused);
    const CStringTable strings = CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
    EXPECT_EQ(past.refused->Describe(strings, path), strings.Format(586, {path, "65536", "65536"}));
    EXPECT_FALSE(CTariffLimits::RefuseFile(path));
}

TEST(TariffRecords, ZonesAreWrittenInPlaceAndADeletedOneStaysDeleted) {
    CTempDir dir;
    CTariffRecords records(dir.File("T.tff"));
    TariffOptions options;
    options.fridayOwnTable = true;
    ASSERT_TRUE(records.WriteOptions(options));
    ASSERT_TRUE(records.WriteOptions(options)); // the same record again, not a second one
    ASSERT_TRUE(records.AddZone(CTarifFile::kFriday, TariffZone{}));
    TariffZone evening{.firstQuarter = 80, .secondsPerUnit = 240};
    ASSERT_TRUE(records.AddZone(CTarifFile::kFriday, evening));
    EXPECT_EQ(records.ReadOptions(), options);
    std::vector<ZoneRow> zones = records.ReadZones(CTarifFile::kFriday);
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].record, 1u);
    EXPECT_EQ(zones[1].zone, evening);
    evening.price = CMoney(300);
    ASSERT_TRUE(records.WriteZone(zones[1].record, evening));
    EXPECT_EQ(records.ReadZone(zones[1].record), evening);
    ASSERT_TRUE(records.DeleteRecord(zones[0].record));
    EXPECT_FALSE(records.WriteZone(zones[0].record, evening));
    EXPECT_FALSE(records.WriteZone(0, evening)) << "the options record is no zone";
    zones = records.ReadZones(CTarifFile::kFriday);
    ASSERT_EQ(zones.size(), 1u);
    EXPECT_EQ(zones[0].zone.price, CMoney(300));
    EXPECT_EQ(zones[0].zone.firstQuarter, 80);
}

// Moving a zone up or down is two writes; the second failing undoes the first.
TEST(TariffRecords, ZonesChangePlacesAndAFailedSwapLosesNone) {
    CTempDir dir;
    CTariffRecords records(dir.File("T.tff"));
    const TariffZone day{.firstQuarter = 32, .lastQuarter = 71};
    const TariffZone lunch{.firstQuarter = 48, .lastQuarter = 55, .price = CMoney(600)};
    ASSERT_TRUE(records.AddZone(CTarifFile::kFriday, day));
    ASSERT_TRUE(records.AddZone(CTarifFile::kFriday, lunch));
    std::vector<ZoneRow> zones = records.ReadZones(CTarifFile::kFriday);
    ASSERT_TRUE(records.SwapZones(zones[0].record, zones[1].record));
    std::vector<ZoneRow> swapped = records.ReadZones(CTarifFile::kFriday);
    ASSERT_EQ(swapped.size(), 2u);
    EXPECT_EQ(swapped[0].zone, lunch);
    EXPECT_EQ(swapped[1].zone, day);

    CFileLayer::FailOperation(0);
    ASSERT_TRUE(records.WriteZone(zones[0].record, lunch));
    const unsigned perWrite = CFileLayer::CountOperations();
    CFileLayer::FailOperation(perWrite + 1, EIO); // the second write's first step
    EXPECT_FALSE(records.SwapZones(zones[0].record, zones[1].record));
    CFileLayer::FailOperation(0);
    std::vector<ZoneRow> kept = records.ReadZones(CTarifFile::kFriday);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].zone, lunch) << "the first write was undone";
    EXPECT_EQ(kept[1].zone, day);
}

TEST(ZoneInput, NewZoneValuesSixteenBitFieldsAmountsAndOrder) {
    const CStringTable strings = CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
    const LocaleFacts german{":", ",", 2, ""};
    ZoneTexts texts = CZoneInput::TextsOf(TariffZone{}, german);
    EXPECT_EQ(texts.price, "0,12");
    EXPECT_EQ(texts.startCharge, "0,50");
    EXPECT_EQ(texts.minimumCharge, "1,30");
    EXPECT_EQ(texts.secondsPerUnit, "90");
    EXPECT_EQ(CZoneInput::Check(texts, german, strings).Zone(), TariffZone{}) << "the texts give the zone back";

    texts.initialPeriod = "65536";
    CZoneInput refused = CZoneInput::Check(texts, german, strings);
    EXPECT_EQ(refused.RefusedField(), CZoneInput::Field::kInitialPeriod);
    EXPECT_EQ(refused.Message(), strings.Format(61714, {"0", "65535"}));
    texts.initialPeriod = "65535";
    texts.price = "0.5";
    EXPECT_EQ(CZoneInput::Check(texts, german, strings).Zone().initialPeriod, 65535);
    EXPECT_EQ(CZoneInput::Check(texts, german, strings).Zone().price, CMoney(5000));

    texts.minimumCharge = "1,5";
    EXPECT_TRUE(CZoneInput::Check(texts, german, strings).IsValid());
    const LocaleFacts english{":", ".", 2, ""};
    ZoneTexts englishTexts = CZoneInput::TextsOf(TariffZone{}, english);
    englishTexts.minimumCharge = "1,5";
    refused = CZoneInput::Check(englishTexts, english, strings);
    EXPECT_EQ(refused.RefusedField(), CZoneInput::Field::kMinimumCharge) << "1,5 is no amount in English";
    EXPECT_EQ(refused.Message(), strings.Format(61721, {"1234.56"})) << "by example";

    texts.firstQuarter = 80; // 20:00 to 07:59
    texts.lastQuarter = 31;
    refused = CZoneInput::Check(texts, german, strings);
    EXPECT_EQ(refused.RefusedField(), CZoneInput::Field::kLastQuarter);
    EXPECT_EQ(refused.Message(), strings.Get(550));
    texts.lastQuarter = 80;
    EXPECT_TRUE(CZoneInput::Check(texts, german, strings).IsValid()) << "one quarter-hour is a zone";
}

// A zone written elsewhere may hold values the dialog would refuse in fields the tariff's schemes
// hide; they are kept as they are, and only the fields shown are checked.
TEST(ZoneInput, HiddenFieldsKeepTheirValuesUnchecked) {
    const CStringTable strings = CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
    const LocaleFacts english{":", ".", 2, ""};
    TariffZone written{.startCharge = CMoney(-5000), .noDiscount = true, .discountSecondsPerUnit = 7};
    ZoneTexts texts = CZoneInput::TextsOf(written, english);
    texts.price = "0.20";
    texts.noDiscount = false;
    texts.discountSecondsPerUnit = "many";
    const CZoneInput input =
        CZoneInput::Check(texts, english, strings, {.minimumCharge = false, .discount = false}, written);
    ASSERT_TRUE(input.IsValid()) << input.Message();
    TariffZone expected = written;
    expected.price = CMoney(2000);
    EXPECT_EQ(input.Zone(), expected);
    EXPECT_EQ(CZoneInput::Check(texts, english, strings, {}, written).RefusedField(), CZoneInput::Field::kStartCharge)
        << "shown, the amount is refused";
}

// A zone added under an earlier one that covers its hours has no effect there: the warning says
// where and which zone applies.
TEST(DayCoverage, AnOverlapNamesWhereAndWhichZoneApplies) {
    const CStringTable strings = CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
    const LocaleFacts facts{":", ".", 2, ""};
    const TariffZone day{.firstQuarter = 32, .lastQuarter = 71};
    const TariffZone lunch{.firstQuarter = 48, .lastQuarter = 55};
    const TariffZone night{.firstQuarter = 80, .lastQuarter = 95};
    const std::vector<TariffZone> zones = {day, lunch, night};
    EXPECT_EQ(FindOverlaps(zones, 1), (std::vector<ZoneOverlap>{{0, 48, 55, true}}));
    EXPECT_EQ(FindOverlaps(zones, 0), (std::vector<ZoneOverlap>{{1, 48, 55, false}}));
    EXPECT_TRUE(FindOverlaps(zones, 2).empty());
    EXPECT_EQ(DescribeOverlaps(zones, 1, strings, facts),
              strings.Format(551, {"12:00", "13:59"}) + "\n" +
                  strings.Format(552, {"12:00", "13:59", "08:00", "17:59"}) + "\n\n" + strings.Get(553));
    EXPECT_EQ(DescribeOverlaps(zones, 2, strings, facts), "");
}

TEST(TypedInput, AmountsAndDatesInTheUsersLocaleAndInIso) {
    const LocaleFacts german{":", ",", 2, ""};
    EXPECT_EQ(CAmountInput::Check(" 1,25 ", german).Value(), CMoney(12500));
    EXPECT_EQ(CAmountInput::Check("1.2345", german).Value(), CMoney(12345));
    for (const char* wrong : {"", "-1", "1,2,3", "1,23456", "1.234,5", "zwei"}) {
        EXPECT_FALSE(CAmountInput::Check(wrong, german).IsValid()) << wrong;
    }
    {
        CLocaleGuard locale("de_DE.UTF-8");
        ASSERT_TRUE(locale.IsActive());
        EXPECT_EQ(ParseDateInput("24.12.2026"), CDateTime::FromDate(2026, 12, 24));
        EXPECT_EQ(ParseDateInput(" 2026-12-24 "), CDateTime::FromDate(2026, 12, 24));
        EXPECT_FALSE(ParseDateInput("31.02.2026"));
        EXPECT_FALSE(ParseDateInput("12/24/2026"));
    }
    CLocaleGuard locale("en_US.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    EXPECT_EQ(ParseDateInput("12/24/2026"), CDateTime::FromDate(2026, 12, 24));
    for (const char* wrong : {"", "tomorrow", "12/24/2026 x", "2026-13-01"}) {
        EXPECT_FALSE(ParseDateInput(wrong)) << wrong;
    }
}

// Amounts as the locale writes them, its thousands grouped or not; a text that is no amount in the
// locale's form nor with a plain point is refused with an example, never read as another amount.
TEST(TypedInput, AmountsGroupedAsTheLocaleGroupsThemAndNothingReadTwoWays) {
    const CStringTable strings = CStringTable::Parse("61721\tLike %1.\n606\tFrom %1 to %2.\n");
    const struct {
        const char* locale;
        std::vector<std::pair<const char*, int64_t>> read;
        std::vector<const char*> refused;
        const char* example;
    } cases[] = {
        {"de_DE.UTF-8",
         {{"1.000", 10000000},
          {"1.000,50", 10005000},
          {"25.50", 255000},
          {"25,50", 255000},
          {"1.234.567", 12345670000},
          {"0,0005", 5},
          {",5", 5000},
          {"1000", 10000000},
          {"0.125", 1250}},
         {"1,000.50", "1.00.000", "1.0000,5", "10.00,5", "1.000,", "1,5,0", "-1.000", "0.125,5", "0.125.000"},
         "Like 1.234,56."},
        {"en_US.UTF-8",
         {{"1,000", 10000000},
          {"1,000.50", 10005000},
          {"1.000", 10000},
          {"25.50", 255000},
          {"1,234,567", 12345670000},
          {"0.125", 1250}},
         {"1.000,50", "1,5", "25,50", "1,00,000", "1,000.", "1..5", "0,125", "0,125.5", "0,125,000"},
         "Like 1,234.56."},
    };
    for (const auto& [locale, read, refused, example] : cases) {
        CLocaleGuard guard(locale);
        ASSERT_TRUE(guard.IsActive()) << locale;
        const LocaleFacts facts = LocaleFacts::FromCLibrary();
        for (const auto& [text, value] : read) {
            const CAmountInput amount = CAmountInput::Check(text, facts);
            ASSERT_TRUE(amount.IsValid()) << locale << ": " << text;
            EXPECT_EQ(amount.Value(), CMoney(value)) << locale << ": " << text;
        }
        for (const char* text : refused) {
            const CAmountInput amount = CAmountInput::Check(text, facts);
            EXPECT_FALSE(amount.IsValid()) << locale << ": " << text << " taken as " << amount.Value().GetValue();
            EXPECT_EQ(amount.Message(strings), example) << locale << ": " << text;
        }
        EXPECT_EQ(CAmountInput::Check("-1,000", facts, CAmountInput::Sign::kEither).Value(),
                  CMoney(std::string(locale) == "de_DE.UTF-8" ? -10000 : -10000000))
            << "a filter's bound may be below nothing";
    }
    CLocaleGuard guard("de_DE.UTF-8");
    EXPECT_EQ(
        CAmountInput::Check("100.000,01", LocaleFacts::FromCLibrary(), CMoney(0), CMoney(1000000000)).Message(strings),
        "From 0,00 to 100.000,00.");
}

TEST(DayCoverage, FirstZoneWinsGapsAndOverlapsShow) {
    const TariffZone night{.firstQuarter = 0, .lastQuarter = 31, .secondsPerUnit = 240, .price = CMoney(1200)};
    const TariffZone day{.firstQuarter = 24, .lastQuarter = 79, .secondsPerUnit = 0, .price = CMoney(1000)};
    const TariffZone backwards{.firstQuarter = 90, .lastQuarter = 85};
    const std::vector<TariffZone> zones = {night, day, backwards};
    EXPECT_EQ(SplitDay(zones),
              (std::vector<DayStretch>{{0, 23, 0, false}, {24, 31, 0, true}, {32, 79, 1, false}, {80, 95, -1, false}}));
    EXPECT_EQ(SplitDay({}), (std::vector<DayStretch>{{0, 95, -1, false}}));
    EXPECT_EQ(PricePerMinute(night), CMoney(300));
    EXPECT_EQ(PricePerMinute(day), CMoney(6000)) << "a unit of 0 seconds lasts 10";
}

} // namespace
