#include "settings/LocaleFacts.h"

#include <cctype>
#include <climits>
#include <clocale>
#include <ctime>

namespace {

// Formats 11:22:33 with the locale's time format and takes what stands between the hour and "22".
std::string TimeSeparatorOfLocale() {
    std::tm tm{};
    tm.tm_year = 100;
    tm.tm_mday = 1;
    tm.tm_hour = 11;
    tm.tm_min = 22;
    tm.tm_sec = 33;
    char buffer[64];
    const size_t length = std::strftime(buffer, sizeof buffer, "%X", &tm);
    const std::string text(buffer, length);
    const size_t minutes = text.find("22");
    if (minutes == std::string::npos || minutes == 0) {
        return ":";
    }
    size_t start = minutes;
    while (start > 0 && !std::isdigit(static_cast<unsigned char>(text[start - 1]))) {
        --start;
    }
    return start == minutes || start == 0 ? ":" : text.substr(start, minutes - start);
}

} // namespace

LocaleFacts LocaleFacts::FromCLibrary() {
    LocaleFacts facts;
    facts.timeSeparator = TimeSeparatorOfLocale();
    const std::lconv* conv = std::localeconv();
    if (conv->decimal_point && *conv->decimal_point) {
        facts.decimalSeparator = conv->decimal_point;
    }
    facts.currencyDecimals = conv->frac_digits == CHAR_MAX ? 2 : conv->frac_digits;
    facts.groupingSeparator = conv->thousands_sep ? conv->thousands_sep : "";
    return facts;
}
