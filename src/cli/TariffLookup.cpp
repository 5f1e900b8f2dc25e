#include "cli/TariffLookup.h"

#include "core/FileNames.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

std::optional<std::string> ResolveTariffFile(const std::string& name, const std::string& dataDirectory) {
    std::error_code error;
    if (fs::is_regular_file(name, error)) {
        return name;
    }
    if (name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    if (auto found = FindFileNoCase(dataDirectory, name + ".tff")) {
        return found;
    }
    return FindFileNoCase(dataDirectory, name);
}

std::string TariffTitle(const std::string& path) {
    return fs::path(path).stem().string();
}

std::optional<CDateTime> ParseLocalDateTime(const std::string& text) {
    LocalTime t;
    char separator = 0;
    int consumed = 0;
    const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d%n:%2d%n", &t.year, &t.month, &t.day, &separator,
                                   &t.hour, &t.minute, &consumed, &t.second, &consumed);
    if ((fields != 6 && fields != 7) || (separator != ' ' && separator != 'T') ||
        consumed != static_cast<int>(text.size())) {
        return std::nullopt;
    }
    if (fields == 6) {
        t.second = 0;
    }
    const CDateTime moment = CDateTime::FromLocalTime(t);
    return moment.IsValid() ? std::optional(moment) : std::nullopt;
}

const DayKindName kDayKindNames[5] = {
    {64, "working days"}, {5, "Friday"}, {65, "weekend"}, {7, "Sunday"}, {66, "holidays"}};

const char* NameOfDayKind(uint32_t kind) {
    for (const DayKindName& entry : kDayKindNames) {
        if (entry.kind == kind) {
            return entry.name;
        }
    }
    return "unknown";
}
