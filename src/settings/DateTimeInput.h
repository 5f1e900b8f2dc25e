#pragma once

#include "core/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

// Dates and times as the user types them: the locale's short date and time ("%x %X", as the lists
// show them), the same with minutes only, a date alone (midnight), ISO 8601 ("2026-12-07 18:30:00",
// "2026-12-07T18:30"), or a time alone, which is a time of day on day 0 (30 December 1899), as
// durations are kept.
std::optional<CDateTime> ParseDateTimeInput(std::string_view text);
// A date alone: the locale's short date or ISO 8601 ("2026-12-24"); nothing for a day the
// calendar does not have.
std::optional<CDateTime> ParseDateInput(std::string_view text);
// A value as such a field shows it: a value on day 0 as a duration ("00:01:30"), else as the lists
// show moments.
std::string FormatDateTimeInput(const CDateTime& value);
