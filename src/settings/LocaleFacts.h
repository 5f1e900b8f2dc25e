#pragma once

#include <string>

// What the formatting functions take from the user's locale.
struct LocaleFacts {
    std::string timeSeparator = ":";
    std::string decimalSeparator = ".";
    int currencyDecimals = 2;
    std::string groupingSeparator; // of thousands ("." in German, "," in English); "" for none

    // Read from the C library's present locale (set at start-up from the user's environment).
    // Time separator from the locale's time format, ":" when it has none; currency decimals
    // from LC_MONETARY, 2 when the locale gives none; the grouping separator from LC_NUMERIC.
    static LocaleFacts FromCLibrary();
};
