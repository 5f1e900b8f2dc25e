#pragma once

#include "core/DateTime.h"

#include <optional>
#include <string_view>

// A date typed by the user: the locale's short date (as "%x" writes it) or ISO 8601
// ("2026-12-24"), blanks around it allowed. Nothing for any other text or a day the calendar
// does not have.
std::optional<CDateTime> ParseDate(std::string_view text);
