#include "tariffs/TariffLimits.h"

#include "tariffs/TarifFile.h"

#include <algorithm>
#include <array>
#include <sys/stat.h>

std::string CTariffLimits::Named(const char* what, uint64_t limit) {
    return std::string("the limit of ") + what + ", " + std::to_string(limit);
}

uint64_t CTariffLimits::FileBytes() {
    return kFileRecords * (CTarifFile::kDataSize + 4);
}

std::optional<std::string> CTariffLimits::RefuseName(std::string_view name) {
    if (name.empty() || name.starts_with('.') || name.find('/') != std::string_view::npos) {
        return "a tariff's name is a file name without '/' that does not start with '.'";
    }
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; })) {
        return "a tariff's name holds no line break, tab or other control character";
    }
    if (name.size() > kNameBytes) {
        return "the name is " + std::to_string(name.size()) + " bytes long, past " +
               Named("a tariff name's bytes", kNameBytes);
    }
    return std::nullopt;
}

std::optional<std::string> CTariffLimits::RefuseFile(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    if (static_cast<uint64_t>(info.st_size) > FileBytes()) {
        return path + " is " + std::to_string(info.st_size) + " bytes, more than " +
               Named("records in a tariff file", kFileRecords) + " (" + std::to_string(FileBytes()) + " bytes)";
    }
    CTarifFile file(path);
    if (!file.OpenForReading()) {
        return std::nullopt;
    }
    size_t holidays = 0;
    std::array<size_t, std::size(kDayKindNames)> zones{};
    for (bool more = file.FirstValid(); more; more = file.NextValid()) {
        holidays += file.GetKind() == CTarifFile::kHoliday ? 1 : 0;
        for (size_t i = 0; i < zones.size(); ++i) {
            zones[i] += file.GetKind() == kDayKindNames[i].kind ? 1 : 0;
        }
    }
    file.Close();
    if (holidays > kHolidays) {
        return path + " holds " + std::to_string(holidays) + " holidays, past " + Named("holidays", kHolidays);
    }
    for (size_t i = 0; i < zones.size(); ++i) {
        if (zones[i] > kZonesPerDayKind) {
            return path + " holds " + std::to_string(zones[i]) + " zones for " + kDayKindNames[i].name + ", past " +
                   Named("zones per day kind", kZonesPerDayKind);
        }
    }
    return std::nullopt;
}
