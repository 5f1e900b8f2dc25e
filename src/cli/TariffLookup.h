#pragma once

#include "core/DateTime.h"

#include <optional>
#include <string>

// A tariff file named on the command line: a path, or a title of the data directory ("Mobil" for
// Mobil.TFF, matched without regard to case). Nothing when there is no such file.
std::optional<std::string> ResolveTariffFile(const std::string& name, const std::string& dataDirectory);
// The title under which a tariff file is logged: its file name without extension.
std::string TariffTitle(const std::string& path);
// "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS" (also with a T between date and time).
std::optional<CDateTime> ParseLocalDateTime(const std::string& text);
// The day kinds of zone records in the order they are shown, with their names.
struct DayKindName {
    uint32_t kind;
    const char* name;
};
extern const DayKindName kDayKindNames[5];
const char* NameOfDayKind(uint32_t kind);
