#pragma once

#include "core/Money.h"
#include "tariffs/Tarif.h"
#include "tariffs/TarifFile.h"
#include "tariffs/TariffZone.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The options record: which schemes and day tables a tariff has. A file without one reads as all off.
struct TariffOptions {
    bool minimumCharge = false;
    bool discountScheme = false;
    bool fridayOwnTable = false;
    bool sundayOwnTable = false;
    bool holidaysAsSundays = false;

    bool operator==(const TariffOptions&) const = default;
};

// The discount record; without one, 400 units at 0.06.
struct DiscountTerms {
    uint32_t unitLimit = CTarif::kDefaultDiscountLimit;
    CMoney price{CTarif::kDefaultDiscountPrice};
};

// A zone or holiday as listed, with the index of its record.
struct ZoneRow {
    uint32_t record;
    TariffZone zone;
};
struct HolidayRow {
    uint32_t record;
    double date; // OLE date; whole days unless the file was written elsewhere
};

class CStringTable;

// An add that would take the tariff past a limit of CTariffLimits: which limit, what the tariff
// holds of it and how many were to be added.
struct LimitReached {
    enum class Limit { kZonesPerDayKind, kHolidays, kFileRecords };
    Limit limit;
    uint64_t held;
    uint64_t adding;

    // The refusal as the editor shows it, naming the limit; path is the tariff file's.
    std::string Describe(const CStringTable& strings, const std::string& path) const;
    // The same in the words of CTariffLimits' refusals, for the terminal.
    std::string Reason(const std::string& path) const;
};

// What an add did: written, refused at a limit (nothing written), or not written (the file as it
// was, or with the days added before the failure).
struct TariffAdd {
    bool written = false;
    std::optional<LimitReached> refused{};
    // The holidays appended, in order.
    std::vector<int32_t> days{};

    explicit operator bool() const { return written; }
};

// What the tariff editor and "fernzahl-cli tariff holidays" read from and write to a tariff file,
// record by record. Every call opens the file, does its piece of work and closes it again; the
// writers return false when the file could not be written, and leave it as it was.
class CTariffRecords {
public:
    explicit CTariffRecords(std::string path) : m_file(std::move(path)) {}

    const std::string& GetPath() const { return m_file.GetPath(); }

    TariffOptions ReadOptions();
    // Into the first options record, or a new one.
    bool WriteOptions(const TariffOptions& options);
    DiscountTerms ReadDiscount();
    bool WriteDiscount(const DiscountTerms& terms);

    // The zones of a day kind in file order.
    std::vector<ZoneRow> ReadZones(uint32_t dayKind);
    // The zone of that record; nothing when the record is no longer a zone.
    std::optional<TariffZone> ReadZone(uint32_t record);
    // Why one more zone of the day kind would go past a limit; nothing when it fits.
    std::optional<LimitReached> RefuseZone(uint32_t dayKind);
    TariffAdd AddZone(uint32_t dayKind, const TariffZone& zone);
    // Only while the record is still a zone: an edit never revives a deleted record.
    bool WriteZone(uint32_t record, const TariffZone& zone);
    // Two zones change places, and with them which one applies where they overlap. When the second
    // write fails, the first is undone: no zone is lost or doubled.
    bool SwapZones(uint32_t first, uint32_t second);

    std::vector<HolidayRow> ReadHolidays();
    // The days the holiday records name (a date with a time of day names none).
    std::vector<int32_t> ReadHolidayDays();
    TariffAdd AddHoliday(int32_t dayNumber);
    // Appends each day the tariff does not hold yet, once; all of them or, past a limit, none.
    TariffAdd AddMissingHolidays(std::span<const int32_t> dayNumbers);

    bool DeleteRecord(uint32_t record);

private:
    bool Open();
    std::optional<LimitReached> RefuseHolidays(uint64_t adding);
    // Slots of deleted records count: the file keeps them.
    std::optional<LimitReached> RefuseRecords(uint64_t adding);
    // Appends one holiday, the limits checked before.
    bool AppendHoliday(int32_t dayNumber);
    // Appends an empty record of that kind and leaves it current.
    bool Append(uint32_t kind);
    // Fills and writes the one record of its kind (options, discount), made when missing.
    bool WriteSingleRecord(uint32_t kind, const std::function<void(CTarifFile&)>& fill);

    CTarifFile m_file;
};
