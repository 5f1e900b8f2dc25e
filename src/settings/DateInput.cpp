#include "settings/DateInput.h"

#include <langinfo.h>

#include <cctype>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

// The date whose fields strptime or sscanf found, when the calendar has it.
std::optional<CDateTime> DateOf(int year, int month, int day) {
    const CDateTime date = CDateTime::FromDate(year, month, day);
    return date.IsValid() ? std::optional(date) : std::nullopt;
}

bool OnlyBlanks(const char* rest) {
    while (*rest != '\0' && std::isspace(static_cast<unsigned char>(*rest))) {
        ++rest;
    }
    return *rest == '\0';
}

std::optional<CDateTime> ParseIso(const std::string& text) {
    int year = 0;
    int month = 0;
    int day = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), " %4d-%2d-%2d%n", &year, &month, &day, &consumed) != 3 ||
        !OnlyBlanks(text.c_str() + consumed)) {
        return std::nullopt;
    }
    return DateOf(year, month, day);
}

std::optional<CDateTime> ParseLocaleDate(const std::string& text) {
    std::tm fields{};
    const char* rest = strptime(text.c_str(), nl_langinfo(D_FMT), &fields);
    if (rest == nullptr || !OnlyBlanks(rest)) {
        return std::nullopt;
    }
    return DateOf(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday);
}

} // namespace

std::optional<CDateTime> ParseDate(std::string_view text) {
    const std::string whole(text);
    if (std::optional<CDateTime> iso = ParseIso(whole)) {
        return iso;
    }
    return ParseLocaleDate(whole);
}
