#include "cli/TariffLookup.h"

#include "core/FileNames.h"
#include "tariffs/TariffLimits.h"

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

std::optional<std::string> FindTariffFile(const std::string& name, const std::string& dataDirectory,
                                          std::ostream& err) {
    const std::optional<std::string> path = ResolveTariffFile(name, dataDirectory);
    if (!path) {
        err << "fernzahl-cli: no tariff file " << name << '\n';
        return std::nullopt;
    }
    return IsWithinLimits(*path, err) ? path : std::nullopt;
}

bool IsWithinLimits(const std::string& path, std::ostream& err) {
    const std::optional<std::string> refusal = CTariffLimits::RefuseFile(path);
    if (refusal) {
        err << "fernzahl-cli: " << *refusal << "; it is not read\n";
    }
    return !refusal;
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
