#include "tariff_editor/TariffRecords.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "tariffs/TariffLimits.h"

#include <algorithm>
#include <climits>

namespace {

bool IsZoneKind(uint32_t kind) {
    return kind == CTarifFile::kWorkingDays || kind == CTarifFile::kFriday || kind == CTarifFile::kWeekend ||
           kind == CTarifFile::kSunday || kind == CTarifFile::kHolidays;
}

// The day a holiday record names; nothing for a date with a time of day or out of all range.
std::optional<int32_t> WholeDay(double date) {
    if (!(date >= INT32_MIN && date <= INT32_MAX) || date != static_cast<double>(static_cast<int32_t>(date))) {
        return std::nullopt;
    }
    return static_cast<int32_t>(date);
}

} // namespace

std::string LimitReached::Describe(const CStringTable& strings, const std::string& path) const {
    switch (limit) {
    case Limit::kZonesPerDayKind:
        return strings.Format(Str::kZoneLimitReached,
                              {std::to_string(held), std::to_string(CTariffLimits::kZonesPerDayKind)});
    case Limit::kHolidays:
        return strings.Format(Str::kHolidayLimitReached,
                              {std::to_string(held), std::to_string(CTariffLimits::kHolidays), std::to_string(adding)});
    case Limit::kFileRecords:
        break;
    }
    return strings.Format(Str::kRecordLimitReached,
                          {path, std::to_string(held), std::to_string(CTariffLimits::kFileRecords)});
}

std::string LimitReached::Reason(const std::string& path) const {
    const auto [what, most] = [this]() -> std::pair<const char*, uint64_t> {
        switch (limit) {
        case Limit::kZonesPerDayKind:
            return {"zones per day kind", CTariffLimits::kZonesPerDayKind};
        case Limit::kHolidays:
            return {"holidays", CTariffLimits::kHolidays};
        case Limit::kFileRecords:
            break;
        }
        return {"records in a tariff file", CTariffLimits::kFileRecords};
    }();
    return "adding " + std::to_string(adding) + " would take " + path + " past " + CTariffLimits::Named(what, most) +
           " (it holds " + std::to_string(held) + ")";
}

bool CTariffRecords::Open() {
    if (m_file.OpenRecordFile()) {
        return true;
    }
    m_file.Close();
    return false;
}

bool CTariffRecords::Append(uint32_t kind) {
    if (!m_file.AppendRecord()) {
        return false;
    }
    m_file.ClearData();
    m_file.SetKind(kind);
    return true;
}

TariffOptions CTariffRecords::ReadOptions() {
    TariffOptions options;
    if (Open() && m_file.FindFirst(CTarifFile::kByKind, CTarifFile::kOptions)) {
        options.minimumCharge = m_file.GetOption(CTarifFile::kMinimumCharge);
        options.discountScheme = m_file.GetOption(CTarifFile::kDiscountScheme);
        options.fridayOwnTable = m_file.GetOption(CTarifFile::kFridayOwnTable);
        options.sundayOwnTable = m_file.GetOption(CTarifFile::kSundayOwnTable);
        options.holidaysAsSundays = m_file.GetOption(CTarifFile::kHolidaysAsSundays);
    }
    m_file.Close();
    return options;
}

bool CTariffRecords::WriteOptions(const TariffOptions& options) {
    return WriteSingleRecord(CTarifFile::kOptions, [&options](CTarifFile& file) {
        file.SetOption(CTarifFile::kMinimumCharge, options.minimumCharge);
        file.SetOption(CTarifFile::kDiscountScheme, options.discountScheme);
        file.SetOption(CTarifFile::kFridayOwnTable, options.fridayOwnTable);
        file.SetOption(CTarifFile::kSundayOwnTable, options.sundayOwnTable);
        file.SetOption(CTarifFile::kHolidaysAsSundays, options.holidaysAsSundays);
    });
}

DiscountTerms CTariffRecords::ReadDiscount() {
    DiscountTerms terms;
    if (Open() && m_file.FindFirst(CTarifFile::kByKind, CTarifFile::kDiscount)) {
        terms.unitLimit = m_file.GetUnitLimit();
        terms.price = m_file.GetDiscountPrice();
    }
    m_file.Close();
    return terms;
}

bool CTariffRecords::WriteDiscount(const DiscountTerms& terms) {
    return WriteSingleRecord(CTarifFile::kDiscount, [&terms](CTarifFile& file) {
        file.SetUnitLimit(terms.unitLimit);
        file.SetDiscountPrice(terms.price);
    });
}

bool CTariffRecords::WriteSingleRecord(uint32_t kind, const std::function<void(CTarifFile&)>& fill) {
    if (!Open()) {
        return false;
    }
    bool ready = m_file.FindFirst(CTarifFile::kByKind, static_cast<int32_t>(kind)) || Append(kind);
    if (ready) {
        m_file.SetKind(kind);
        fill(m_file);
        ready = m_file.WriteRecord();
    }
    m_file.Close();
    return ready;
}

std::vector<ZoneRow> CTariffRecords::ReadZones(uint32_t dayKind) {
    std::vector<ZoneRow> zones;
    if (Open()) {
        for (bool more = m_file.FindFirst(CTarifFile::kByKind, static_cast<int32_t>(dayKind)); more;
             more = m_file.FindNext()) {
            zones.push_back({m_file.GetRecordIndex(), m_file.GetZone()});
        }
    }
    m_file.Close();
    return zones;
}

std::optional<TariffZone> CTariffRecords::ReadZone(uint32_t record) {
    std::optional<TariffZone> zone;
    if (Open()) {
        m_file.GoToRecord(record);
        if (m_file.GetStatus() != 0 && IsZoneKind(m_file.GetKind())) {
            zone = m_file.GetZone();
        }
    }
    m_file.Close();
    return zone;
}

std::optional<LimitReached> CTariffRecords::RefuseZone(uint32_t dayKind) {
    const uint64_t held = ReadZones(dayKind).size();
    if (held + 1 > CTariffLimits::kZonesPerDayKind) {
        return LimitReached{LimitReached::Limit::kZonesPerDayKind, held, 1};
    }
    return RefuseRecords(1);
}

std::optional<LimitReached> CTariffRecords::RefuseHolidays(uint64_t adding) {
    const uint64_t held = ReadHolidays().size();
    if (held + adding > CTariffLimits::kHolidays) {
        return LimitReached{LimitReached::Limit::kHolidays, held, adding};
    }
    return RefuseRecords(adding);
}

std::optional<LimitReached> CTariffRecords::RefuseRecords(uint64_t adding) {
    const uint64_t held = Open() ? m_file.GetRecordCount() : 0;
    m_file.Close();
    if (held + adding > CTariffLimits::kFileRecords) {
        return LimitReached{LimitReached::Limit::kFileRecords, held, adding};
    }
    return std::nullopt;
}

TariffAdd CTariffRecords::AddZone(uint32_t dayKind, const TariffZone& zone) {
    if (std::optional<LimitReached> refused = RefuseZone(dayKind)) {
        return TariffAdd{.refused = refused};
    }
    if (!Open()) {
        return {};
    }
    bool written = Append(dayKind);
    if (written) {
        m_file.SetZone(zone);
        written = m_file.WriteRecord();
    }
    m_file.Close();
    return TariffAdd{.written = written};
}

bool CTariffRecords::WriteZone(uint32_t record, const TariffZone& zone) {
    if (!Open()) {
        return false;
    }
    m_file.GoToRecord(record);
    bool written = m_file.GetStatus() != 0 && IsZoneKind(m_file.GetKind());
    if (written) {
        m_file.SetZone(zone);
        written = m_file.WriteRecord();
    }
    m_file.Close();
    return written;
}

bool CTariffRecords::SwapZones(uint32_t first, uint32_t second) {
    const std::optional<TariffZone> firstZone = ReadZone(first);
    const std::optional<TariffZone> secondZone = ReadZone(second);
    if (!firstZone || !secondZone || !WriteZone(first, *secondZone)) {
        return false;
    }
    if (!WriteZone(second, *firstZone)) {
        WriteZone(first, *firstZone);
        return false;
    }
    return true;
}

std::vector<HolidayRow> CTariffRecords::ReadHolidays() {
    std::vector<HolidayRow> holidays;
    if (Open()) {
        for (bool more = m_file.FindFirst(CTarifFile::kByKind, CTarifFile::kHoliday); more; more = m_file.FindNext()) {
            holidays.push_back({m_file.GetRecordIndex(), m_file.GetHolidayDate()});
        }
    }
    m_file.Close();
    return holidays;
}

TariffAdd CTariffRecords::AddHoliday(int32_t dayNumber) {
    if (std::optional<LimitReached> refused = RefuseHolidays(1)) {
        return TariffAdd{.refused = refused};
    }
    const bool written = AppendHoliday(dayNumber);
    return TariffAdd{.written = written, .days = written ? std::vector{dayNumber} : std::vector<int32_t>{}};
}

bool CTariffRecords::AppendHoliday(int32_t dayNumber) {
    if (!Open()) {
        return false;
    }
    bool written = Append(CTarifFile::kHoliday);
    if (written) {
        m_file.SetHolidayDate(static_cast<double>(dayNumber));
        written = m_file.WriteRecord();
    }
    m_file.Close();
    return written;
}

std::vector<int32_t> CTariffRecords::ReadHolidayDays() {
    std::vector<int32_t> days;
    for (const HolidayRow& row : ReadHolidays()) {
        if (const std::optional<int32_t> day = WholeDay(row.date)) {
            days.push_back(*day);
        }
    }
    return days;
}

TariffAdd CTariffRecords::AddMissingHolidays(std::span<const int32_t> dayNumbers) {
    const std::vector<int32_t> held = ReadHolidayDays();
    std::vector<int32_t> missing;
    for (const int32_t day : dayNumbers) {
        if (std::find(held.begin(), held.end(), day) == held.end() &&
            std::find(missing.begin(), missing.end(), day) == missing.end()) {
            missing.push_back(day);
        }
    }
    if (missing.empty()) {
        return TariffAdd{.written = true};
    }
    if (std::optional<LimitReached> refused = RefuseHolidays(missing.size())) {
        return TariffAdd{.refused = refused};
    }
    TariffAdd added;
    for (const int32_t day : missing) {
        if (!AppendHoliday(day)) {
            return added;
        }
        added.days.push_back(day);
    }
    added.written = true;
    return added;
}

bool CTariffRecords::DeleteRecord(uint32_t record) {
    if (!Open()) {
        return false;
    }
    m_file.GoToRecord(record);
    const bool deleted = !m_file.IsPastEnd() && m_file.DeleteRecord();
    m_file.Close();
    return deleted;
}
