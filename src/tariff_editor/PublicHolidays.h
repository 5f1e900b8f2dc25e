#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The public holidays kept in a whole country, for tariffs to charge as holidays. Easter comes
// from the Gregorian computus; Good Friday, Easter Monday, Ascension Day, Whit Monday and Corpus
// Christi follow from it.
class CPublicHolidays {
public:
    // In the order the choice of the holiday page lists them.
    enum class Country { kGermany = 0, kAustria, kSwitzerland };
    static constexpr int kFirstYear = 1583; // the first whole year of the Gregorian calendar
    static constexpr int kLastYear = 9999;

    struct Holiday {
        int32_t day;      // the day number holiday records store
        std::string name; // English; two feasts on one day are named together
    };

    // "de", "at" or "ch", in any case.
    static std::optional<Country> CountryOfCode(std::string_view code);
    // The day number of Easter Sunday.
    static int32_t Easter(int year);
    // The country's nationwide holidays of the year, in order of date, each day once.
    static std::vector<Holiday> Of(Country country, int year);
};
