#include "tariff_editor/PublicHolidays.h"

#include "core/DateTime.h"
#include "core/FileNames.h"

#include <algorithm>
#include <span>

namespace {

// A feast on a fixed date (month and day) or a number of days after Easter Sunday.
struct Feast {
    int month; // 0 for a feast that moves with Easter
    int dayOrOffset;
    const char* name;
};

constexpr Feast kGermany[] = {
    {1, 1, "New Year's Day"},    {0, -2, "Good Friday"},    {0, 1, "Easter Monday"},
    {5, 1, "Labour Day"},        {0, 39, "Ascension Day"},  {0, 50, "Whit Monday"},
    {10, 3, "German Unity Day"}, {12, 25, "Christmas Day"}, {12, 26, "St. Stephen's Day"},
};

constexpr Feast kAustria[] = {
    {1, 1, "New Year's Day"},         {1, 6, "Epiphany"},
    {0, 1, "Easter Monday"},          {5, 1, "State Holiday"},
    {0, 39, "Ascension Day"},         {0, 50, "Whit Monday"},
    {0, 60, "Corpus Christi"},        {8, 15, "Assumption Day"},
    {10, 26, "National Day"},         {11, 1, "All Saints' Day"},
    {12, 8, "Immaculate Conception"}, {12, 25, "Christmas Day"},
    {12, 26, "St. Stephen's Day"},
};

// Only the days every canton keeps; the others differ from canton to canton.
constexpr Feast kSwitzerland[] = {
    {1, 1, "New Year's Day"},
    {0, 39, "Ascension Day"},
    {8, 1, "Swiss National Day"},
    {12, 25, "Christmas Day"},
};

std::span<const Feast> FeastsOf(CPublicHolidays::Country country) {
    switch (country) {
    case CPublicHolidays::Country::kAustria:
        return kAustria;
    case CPublicHolidays::Country::kSwitzerland:
        return kSwitzerland;
    case CPublicHolidays::Country::kGermany:
        break;
    }
    return kGermany;
}

int32_t DayNumber(int year, int month, int day) {
    return CDateTime::FromDate(year, month, day).GetDayNumber();
}

} // namespace

std::optional<CPublicHolidays::Country> CPublicHolidays::CountryOfCode(std::string_view code) {
    const std::string text(code);
    if (EqualsNoCase(text, "de")) {
        return Country::kGermany;
    }
    if (EqualsNoCase(text, "at")) {
        return Country::kAustria;
    }
    if (EqualsNoCase(text, "ch")) {
        return Country::kSwitzerland;
    }
    return std::nullopt;
}

// The anonymous Gregorian algorithm (Meeus, Jones, Butcher).
int32_t CPublicHolidays::Easter(int year) {
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monthAndDay = h + l - 7 * m + 114;
    return DayNumber(year, monthAndDay / 31, monthAndDay % 31 + 1);
}

std::vector<CPublicHolidays::Holiday> CPublicHolidays::Of(Country country, int year) {
    const int32_t easter = Easter(year);
    std::vector<Holiday> holidays;
    for (const Feast& feast : FeastsOf(country)) {
        const int32_t day =
            feast.month == 0 ? easter + feast.dayOrOffset : DayNumber(year, feast.month, feast.dayOrOffset);
        holidays.push_back({day, feast.name});
    }
    std::stable_sort(holidays.begin(), holidays.end(),
                     [](const Holiday& a, const Holiday& b) { return a.day < b.day; });
    // Ascension Day falls on 1 May now and then (in 2008, for one): one day, both names.
    for (size_t i = 1; i < holidays.size();) {
        if (holidays[i].day == holidays[i - 1].day) {
            holidays[i - 1].name += " / " + holidays[i].name;
            holidays.erase(holidays.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return holidays;
}
