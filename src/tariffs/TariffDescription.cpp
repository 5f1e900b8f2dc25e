#include "tariffs/TariffDescription.h"

#include "core/DateTime.h"
#include "core/FileLayer.h"
#include "core/FileNames.h"
#include "core/NumberText.h"
#include "settings/Formatting.h"
#include "tariffs/TariffLimits.h"

#include <algorithm>
#include <cstdio>
#include <limits>

struct CTariffDescription::Section {
    enum Content { kOptions, kDiscount, kZones, kHolidayDates };
    const char* name;
    Content content;
    uint32_t kind; // of the zones
};

namespace {

using Section = CTariffDescription::Section;

constexpr Section kSections[] = {
    {"options", Section::kOptions, 0},
    {"discount", Section::kDiscount, 0},
    {"working days", Section::kZones, CTarifFile::kWorkingDays},
    {"Friday", Section::kZones, CTarifFile::kFriday},
    {"weekend", Section::kZones, CTarifFile::kWeekend},
    {"Sunday", Section::kZones, CTarifFile::kSunday},
    {"holidays", Section::kZones, CTarifFile::kHolidays},
    {"holiday dates", Section::kHolidayDates, 0},
};

// In the order of CTarifFile::Option.
constexpr const char* kOptionNames[] = {"minimum charge", "discount", "Friday own table", "Sunday own table",
                                        "holidays as Sundays"};

// What is wrong with the line being read; Parse adds its number.
struct Refusal {
    std::string message;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool Is(std::string_view text, const char* name) {
    return EqualsNoCase(std::string(text), name);
}

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    for (text = Trim(text); !text.empty(); text = Trim(text)) {
        const size_t end = text.find_first_of(" \t");
        words.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end);
    }
    return words;
}

const Section& SectionNamed(std::string_view line) {
    if (line.back() != ']') {
        throw Refusal{"a section line is [NAME], such as [working days]"};
    }
    const std::string_view name = Trim(line.substr(1, line.size() - 2));
    for (const Section& section : kSections) {
        if (Is(name, section.name)) {
            return section;
        }
    }
    throw Refusal{"unknown section [" + std::string(name) +
                  "]; the sections are [options], [discount], [working days], [Friday], [weekend], [Sunday], "
                  "[holidays] and [holiday dates]"};
}

std::pair<std::string_view, std::string_view> NameAndValue(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        throw Refusal{"expected NAME = VALUE, not " + Quoted(line)};
    }
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

uint32_t Number(std::string_view text, const char* what, uint32_t least, uint32_t most) {
    const std::optional<uint32_t> value = ParseUint32(text);
    if (!value || *value < least || *value > most) {
        throw Refusal{std::string(what) + " is a whole number from " + std::to_string(least) + " to " +
                      std::to_string(most) + ", not " + Quoted(text)};
    }
    return *value;
}

// A unit of 0 seconds is taken as the tariff editor takes it, and charged as 10 seconds.
uint16_t Seconds(std::string_view text, const char* what) {
    return static_cast<uint16_t>(Number(text, what, 0, std::numeric_limits<uint16_t>::max()));
}

CMoney Amount(std::string_view text, const char* what) {
    const std::optional<CMoney> amount = CMoney::Parse(text);
    if (!amount || amount->GetValue() < 0) {
        throw Refusal{std::string(what) + " is an amount such as 0.12, not " + Quoted(text)};
    }
    return *amount;
}

// The quarter-hour that a time of day "HH:MM" falls in; its minute must be the quarter's first or last.
uint16_t Quarter(std::string_view text, bool last) {
    const size_t colon = text.find(':');
    const std::optional<uint32_t> hour = ParseUint32(text.substr(0, colon));
    const std::optional<uint32_t> minute = colon == std::string_view::npos || text.size() - colon != 3
                                               ? std::nullopt
                                               : ParseUint32(text.substr(colon + 1));
    if (!hour || !minute || *hour > 23 || *minute > 59) {
        throw Refusal{Quoted(text) + " is no time of day; write HH:MM, such as 08:00"};
    }
    if (*minute % 15 != (last ? 14u : 0u)) {
        throw Refusal{last ? "a zone ends on the last minute of a quarter-hour (:14, :29, :44 or :59), not at " +
                                 std::string(text)
                           : "a zone starts on a quarter-hour (:00, :15, :30 or :45), not at " + std::string(text)};
    }
    return static_cast<uint16_t>(*hour * 4 + *minute / 15);
}

int32_t DayNumber(std::string_view text) {
    const bool dashes = text.size() == 10 && text[4] == '-' && text[7] == '-';
    const std::optional<uint32_t> year = dashes ? ParseUint32(text.substr(0, 4)) : std::nullopt;
    const std::optional<uint32_t> month = dashes ? ParseUint32(text.substr(5, 2)) : std::nullopt;
    const std::optional<uint32_t> day = dashes ? ParseUint32(text.substr(8, 2)) : std::nullopt;
    if (!year || !month || !day ||
        !CDateTime::IsValidDate(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day))) {
        throw Refusal{Quoted(text) + " is no date; write YYYY-MM-DD, such as 2026-12-25"};
    }
    return CDateTime::FromDate(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day))
        .GetDayNumber();
}

// Fills a new record and appends it.
template <typename Fill> bool Append(CTarifFile& file, uint32_t kind, Fill fill) {
    file.ClearData();
    file.SetKind(kind);
    fill();
    return file.AppendRecord() && file.WriteRecord();
}

} // namespace

std::optional<CTariffDescription> CTariffDescription::Parse(std::string_view text, Error& error) {
    CTariffDescription description;
    const Section* section = nullptr;
    size_t number = 0;
    // Line by line, without a list of all lines: a text of line breaks alone costs nothing more.
    for (size_t begin = 0; begin < text.size();) {
        const size_t end = std::min(text.find('\n', begin), text.size());
        std::string_view line = text.substr(begin, end - begin);
        begin = end + 1;
        ++number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = Trim(line.substr(0, line.find('#')));
        try {
            if (line.starts_with('[')) {
                section = &SectionNamed(line);
            } else if (!line.empty()) {
                description.ReadLine(section, line);
            }
        } catch (const Refusal& refusal) {
            error = {number, refusal.message};
            return std::nullopt;
        }
    }
    return description;
}

void CTariffDescription::ReadLine(const Section* section, std::string_view line) {
    if (section == nullptr) {
        throw Refusal{"this line stands before the first [section]"};
    }
    switch (section->content) {
    case Section::kOptions:
        ReadOption(line);
        break;
    case Section::kDiscount:
        ReadDiscount(line);
        break;
    case Section::kZones:
        ReadZone(section->kind, line);
        break;
    case Section::kHolidayDates:
        if (m_holidays.size() == CTariffLimits::kHolidays) {
            throw Refusal{"more holidays than " + CTariffLimits::Named("holidays", CTariffLimits::kHolidays)};
        }
        m_holidays.push_back(static_cast<double>(DayNumber(line)));
        break;
    }
}

void CTariffDescription::ReadOption(std::string_view line) {
    const auto [name, value] = NameAndValue(line);
    for (size_t option = 0; option < m_options.size(); ++option) {
        if (Is(name, kOptionNames[option])) {
            if (!Is(value, "yes") && !Is(value, "no")) {
                throw Refusal{"an option is yes or no, not " + Quoted(value)};
            }
            m_options[option] = Is(value, "yes");
            return;
        }
    }
    throw Refusal{"unknown option " + Quoted(name) +
                  "; the options are minimum charge, discount, Friday own table, Sunday own table and holidays as "
                  "Sundays"};
}

void CTariffDescription::ReadDiscount(std::string_view line) {
    const auto [name, value] = NameAndValue(line);
    Discount& discount = m_discount ? *m_discount : m_discount.emplace(Discount{});
    if (Is(name, "units")) {
        discount.unitLimit = Number(value, "units", 0, std::numeric_limits<uint32_t>::max());
    } else if (Is(name, "price")) {
        discount.price = Amount(value, "price");
    } else {
        throw Refusal{"unknown discount setting " + Quoted(name) + "; they are units and price"};
    }
}

void CTariffDescription::ReadZone(uint32_t kind, std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    const size_t dash = words[0].find('-');
    if (words.size() < 3 || dash == std::string_view::npos) {
        throw Refusal{"a zone is FROM-TO SECONDS PRICE, such as 08:00-17:59 90 0.12"};
    }
    Zone entry{.kind = kind};
    TariffZone& zone = entry.fields;
    zone.firstQuarter = Quarter(words[0].substr(0, dash), false);
    zone.lastQuarter = Quarter(words[0].substr(dash + 1), true);
    zone.secondsPerUnit = Seconds(words[1], "seconds per unit");
    zone.price = Amount(words[2], "price");
    if (zone.lastQuarter < zone.firstQuarter) {
        throw Refusal{"the zone " + std::string(words[0]) + " ends before it starts"};
    }
    zone.discountSecondsPerUnit = zone.secondsPerUnit;
    for (size_t i = 3; i < words.size(); ++i) {
        const std::string_view field = words[i];
        if (Is(field, "no-discount")) {
            zone.noDiscount = true;
            continue;
        }
        if (i + 1 == words.size()) {
            throw Refusal{std::string(field) + " needs a value"};
        }
        const std::string_view value = words[++i];
        if (Is(field, "start-charge")) {
            zone.startCharge = Amount(value, "start-charge");
        } else if (Is(field, "minimum-charge")) {
            zone.minimumCharge = Amount(value, "minimum-charge");
        } else if (Is(field, "initial-period")) {
            zone.initialPeriod = Seconds(value, "initial-period");
        } else if (Is(field, "discount-seconds")) {
            zone.discountSecondsPerUnit = Seconds(value, "discount-seconds");
        } else {
            throw Refusal{"unknown zone field " + Quoted(field) +
                          "; after FROM-TO SECONDS PRICE come start-charge, minimum-charge, initial-period, "
                          "discount-seconds and no-discount"};
        }
    }
    const auto ofKind = [kind](const Zone& other) { return other.kind == kind; };
    if (static_cast<size_t>(std::count_if(m_zones.begin(), m_zones.end(), ofKind)) == CTariffLimits::kZonesPerDayKind) {
        throw Refusal{std::string("more zones for ") + NameOfDayKind(kind) + " than " +
                      CTariffLimits::Named("zones per day kind", CTariffLimits::kZonesPerDayKind)};
    }
    m_zones.push_back(entry);
}

bool CTariffDescription::WriteTariffFile(const std::string& path, bool replace) const {
    // Written beside it and renamed (or, where nothing may be replaced, linked) in: a failure leaves
    // the old tariff as it was.
    // A temporary file left by an earlier write must go first: its records would come before ours.
    const std::string temporary = path + ".new";
    if (!CFileLayer::Remove(temporary)) {
        return false;
    }
    CTarifFile file(temporary);
    bool written = file.OpenRecordFile() && Append(file, CTarifFile::kOptions, [&] {
                       for (size_t option = 0; option < m_options.size(); ++option) {
                           file.SetOption(static_cast<CTarifFile::Option>(option), m_options[option]);
                       }
                   });
    if (written && m_discount) {
        written = Append(file, CTarifFile::kDiscount, [&] {
            file.SetUnitLimit(m_discount->unitLimit);
            file.SetDiscountPrice(m_discount->price);
        });
    }
    for (size_t i = 0; written && i < m_holidays.size(); ++i) {
        written = Append(file, CTarifFile::kHoliday, [&] { file.SetHolidayDate(m_holidays[i]); });
    }
    for (size_t i = 0; written && i < m_zones.size(); ++i) {
        written = Append(file, m_zones[i].kind, [&] { file.SetZone(m_zones[i].fields); });
    }
    written = written && file.Flush();
    file.Close();
    if (!written || !(replace ? CFileLayer::Rename(temporary, path) : CFileLayer::Link(temporary, path))) {
        const int error = errno;
        CFileLayer::Remove(temporary);
        errno = error;
        return false;
    }
    return (replace || CFileLayer::Remove(temporary)) && CFileLayer::FlushDirectoryOf(path);
}

std::optional<CTariffDescription> CTariffDescription::ReadTariffFile(const std::string& path) {
    CTarifFile file(path);
    if (!file.HoldsOnlyTariffRecords() || !file.OpenForReading()) {
        return std::nullopt;
    }
    CTariffDescription description;
    bool optionsTaken = false;
    for (bool more = file.FirstValid(); more; more = file.NextValid()) {
        description.TakeRecord(file, optionsTaken);
    }
    file.Close();
    return description;
}

void CTariffDescription::TakeRecord(const CTarifFile& file, bool& optionsTaken) {
    // The lookup reads the first options and discount records only.
    switch (file.GetKind()) {
    case CTarifFile::kOptions:
        for (size_t option = 0; option < m_options.size() && !optionsTaken; ++option) {
            m_options[option] = file.GetOption(static_cast<CTarifFile::Option>(option));
        }
        optionsTaken = true;
        break;
    case CTarifFile::kDiscount:
        if (!m_discount) {
            m_discount = Discount{file.GetUnitLimit(), file.GetDiscountPrice()};
        }
        break;
    case CTarifFile::kHoliday:
        m_holidays.push_back(file.GetHolidayDate());
        break;
    default:
        m_zones.push_back({file.GetKind(), file.GetZone()});
    }
}

namespace {

constexpr const char* kTextHeader =
    "# A tariff of Fernzahl as text; \"fernzahl-cli tariff import FILE NAME\" makes it a tariff file again.\n"
    "# Zones: FROM-TO SECONDS PRICE, then start-charge, minimum-charge, initial-period, discount-seconds\n"
    "# or no-discount where they apply; where zones overlap, the first one listed wins.\n"
    "# The whole form: man fernzahl-cli, section TARIFF TEXT.\n";

std::string AmountText(const CMoney& amount) {
    return FormatAmount(amount, LocaleFacts{});
}

// One line of a zone section: the fields Parse would not assume.
std::string ZoneLine(const TariffZone& zone) {
    std::string line = FormatQuarterHour(zone.firstQuarter, false, LocaleFacts{}) + "-" +
                       FormatQuarterHour(zone.lastQuarter, true, LocaleFacts{}) + " " +
                       std::to_string(zone.secondsPerUnit) + " " + AmountText(zone.price);
    if (zone.startCharge.GetValue() != 0) {
        line += " start-charge " + AmountText(zone.startCharge);
    }
    if (zone.minimumCharge.GetValue() != 0) {
        line += " minimum-charge " + AmountText(zone.minimumCharge);
    }
    if (zone.initialPeriod != 0) {
        line += " initial-period " + std::to_string(zone.initialPeriod);
    }
    if (zone.discountSecondsPerUnit != zone.secondsPerUnit) {
        line += " discount-seconds " + std::to_string(zone.discountSecondsPerUnit);
    }
    return line + (zone.noDiscount ? " no-discount\n" : "\n");
}

// YYYY-MM-DD as DayNumber reads it: strftime would write the year 784 with three digits.
std::string DayText(const CDateTime& date) {
    const LocalTime t = date.ToLocalTime();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

std::string HolidayLine(double oleDate) {
    const CDateTime date(oleDate);
    if (oleDate == static_cast<double>(date.GetDayNumber())) {
        return DayText(date) + "\n";
    }
    return "# " + date.Format("%Y-%m-%d %H:%M") + " was stored with a time of day, so it never applied\n";
}

} // namespace

std::string CTariffDescription::ToText() const {
    std::string text = std::string(kTextHeader) + "\n[options]\n";
    for (size_t option = 0; option < m_options.size(); ++option) {
        std::string name = kOptionNames[option];
        name.resize(std::string_view("holidays as Sundays").size(), ' ');
        text += name + " = " + (m_options[option] ? "yes\n" : "no\n");
    }
    if (m_discount) {
        text += "\n[discount]\nunits = " + std::to_string(m_discount->unitLimit) +
                "\nprice = " + AmountText(m_discount->price) + "\n";
    }
    for (const Section& section : kSections) {
        std::string lines;
        for (const Zone& zone : m_zones) {
            lines += zone.kind == section.kind && section.content == Section::kZones ? ZoneLine(zone.fields) : "";
        }
        text += lines.empty() ? "" : "\n[" + std::string(section.name) + "]\n" + lines;
    }
    if (!m_holidays.empty()) {
        text += "\n[holiday dates]\n";
        for (const double date : m_holidays) {
            text += HolidayLine(date);
        }
    }
    return text;
}
