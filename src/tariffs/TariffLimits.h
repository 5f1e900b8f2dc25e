#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a tariff may hold, named once for every way in: the tariff text, the tariff editor's add
// actions and the reading of tariff files that another program wrote. Each is far beyond any real
// tariff, and small enough that no input can make a tariff that takes seconds or gigabytes to read.
class CTariffLimits {
public:
    // A tariff text: every zone and holiday the counts allow fits in it many times over.
    static constexpr size_t kTextBytes = 2 * 1024 * 1024;
    // A day has 96 quarter-hours; zones may overlap (the first listed wins), but not without end.
    static constexpr size_t kZonesPerDayKind = 256;
    static constexpr size_t kHolidays = 5000;
    // A tariff's name, in bytes: the log keeps 124 of it.
    static constexpr size_t kNameBytes = 124;
    // A tariff file's records, the slots of deleted ones included (the editor leaves them).
    static constexpr uint64_t kFileRecords = 65536;

    // "the limit of NAME, COUNT": how each refusal names the limit passed.
    static std::string Named(const char* what, uint64_t limit);
    // Why a tariff name cannot be taken (empty, not a plain file name, a control character, too
    // long); nothing when it can.
    static std::optional<std::string> RefuseName(std::string_view name);
    // Why a tariff file goes past the limits (too many records, zones of a day kind or holidays);
    // nothing when it stays within them or cannot be read (its readers tell that themselves).
    static std::optional<std::string> RefuseFile(const std::string& path);
    // The size of a file of kFileRecords records, for readers that take a tariff file whole.
    static uint64_t FileBytes();
};
