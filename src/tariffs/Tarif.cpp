#include "tariffs/Tarif.h"

#include "core/Clock.h"
#include "core/TimeRules.h"
#include "tariffs/InitialPeriodSource.h"
#include "tariffs/TarifFile.h"
#include "tariffs/TariffLimits.h"
#include "tariffs/ZoneLookup.h"

#include <cerrno>
#include <vector>

namespace {

int QuarterOf(const CDateTime& moment) {
    const LocalTime t = moment.ToLocalTime();
    return QuarterHourIndex(t.hour, t.minute);
}

} // namespace

CTarif::CTarif(const Clock& clock, std::string programDirectory)
    : m_clock(clock), m_discountCounter(programDirectory), m_path(programDirectory + "Fernzahl.tff") {}

uint16_t CTarif::UsableUnitLength(uint16_t seconds) {
    return seconds == 0 ? 10 : seconds;
}

void CTarif::SetFileName(const std::string& path) {
    m_path = path;
    m_stale = true;
}

void CTarif::Refresh() {
    const CDateTime now = m_clock.Now();
    const int q = QuarterOf(now);
    if (m_stale || !now.IsSameDay(m_loadTime) || q < m_holdsFrom || q > m_holdsTo) {
        Load();
    }
}

std::string CTarif::PathToRead() {
    if (CMemoryDirectory::IsInMemory(m_path)) {
        return m_path;
    }
    const std::string copy = m_lastRead.Path() + "Tariff.tff";
    std::optional<std::vector<uint8_t>> bytes = CMemoryDirectory::ReadFromDisk(m_path, CTariffLimits::FileBytes());
    m_filePastLimits = !bytes && errno == EFBIG ? m_path : std::string();
    if (bytes) {
        m_lastRead.Put("Tariff.tff", std::move(*bytes));
    } else if (m_lastReadPath != m_path) {
        m_lastRead.Remove("Tariff.tff"); // no such file, or one past the limits: the default rate, nothing created
    }
    m_lastReadPath = m_path;
    return copy;
}

void CTarif::Load() {
    CTarifFile file(PathToRead());
    file.OpenRecordFile();
    const bool hasOptions = file.FindFirst(CTarifFile::kByKind, CTarifFile::kOptions);
    m_minimumChargeScheme = hasOptions && file.GetOption(CTarifFile::kMinimumCharge);
    m_discountActive = hasOptions && file.GetOption(CTarifFile::kDiscountScheme);
    m_fridayOwnTable = hasOptions && file.GetOption(CTarifFile::kFridayOwnTable);
    m_sundayOwnTable = hasOptions && file.GetOption(CTarifFile::kSundayOwnTable);
    m_holidaysAsSundays = hasOptions && file.GetOption(CTarifFile::kHolidaysAsSundays);
    if (m_discountActive) {
        const bool hasDiscount = file.FindFirst(CTarifFile::kByKind, CTarifFile::kDiscount);
        m_discountPrice = hasDiscount ? file.GetDiscountPrice() : CMoney(kDefaultDiscountPrice);
        m_discountLimit = hasDiscount ? file.GetUnitLimit() : kDefaultDiscountLimit;
    }
    m_discountCounter.Load();

    const CDateTime now = m_clock.Now();
    const uint32_t sundayKind = m_sundayOwnTable ? CTarifFile::kSunday : CTarifFile::kWeekend;
    if (file.FindFirst(CTarifFile::kHolidayOfDay, now.GetDayNumber())) {
        m_dayKind = m_holidaysAsSundays ? sundayKind : uint32_t{CTarifFile::kHolidays};
    } else {
        switch (now.GetDayOfWeek()) {
        case 1:
            m_dayKind = sundayKind;
            break;
        case 6:
            m_dayKind = m_fridayOwnTable ? CTarifFile::kFriday : CTarifFile::kWorkingDays;
            break;
        case 7:
            m_dayKind = CTarifFile::kWeekend;
            break;
        default:
            m_dayKind = CTarifFile::kWorkingDays;
        }
    }

    std::vector<TariffZone> zones;
    for (bool more = file.FindFirst(CTarifFile::kByKind, static_cast<int32_t>(m_dayKind)); more;
         more = file.FindNext()) {
        zones.push_back(file.GetZone());
    }
    const int q = QuarterOf(now);
    const int zone = ZoneAt(zones, q);
    const QuarterStretch holds = StretchAround(zones, q);
    m_holdsFrom = holds.firstQuarter;
    m_holdsTo = holds.lastQuarter;
    m_zoneFound = zone != kNoZone;
    if (m_zoneFound) {
        const TariffZone& found = zones[static_cast<size_t>(zone)];
        m_secondsPerUnit = found.secondsPerUnit;
        m_price = found.price;
        m_discountSeconds = found.discountSecondsPerUnit;
        m_firstQuarter = found.firstQuarter;
        m_lastQuarter = found.lastQuarter;
        m_startCharge = m_minimumChargeScheme ? found.startCharge : CMoney(0);
        m_minimumCharge = m_minimumChargeScheme ? found.minimumCharge : CMoney(0);
        m_initialPeriod = m_minimumChargeScheme ? found.initialPeriod : 0;
        if (found.noDiscount) {
            m_discountActive = false;
        }
    } else {
        // The default rate holds until a zone covers the moment.
        m_secondsPerUnit = kDefaultSecondsPerUnit;
        m_price = CMoney(kDefaultPrice);
        m_startCharge = CMoney(kDefaultStartCharge);
        m_minimumCharge = CMoney(kDefaultMinimumCharge);
        m_initialPeriod = 0;
        m_discountSeconds = kDefaultSecondsPerUnit;
        m_firstQuarter = static_cast<uint16_t>(holds.firstQuarter);
        m_lastQuarter = static_cast<uint16_t>(holds.lastQuarter);
    }
    m_secondsPerUnit = UsableUnitLength(m_secondsPerUnit);
    m_discountSeconds = UsableUnitLength(m_discountSeconds);
    m_loadTime = now;
    m_stale = false;
    file.Close();
}

void CTarif::CountUnit() {
    Refresh();
    if (!m_discountActive || IsInInitialPeriod()) {
        return;
    }
    if (m_discountCounter.GetCount() < m_discountLimit) {
        m_discountCounter.Increment();
    } else {
        m_discountActive = false;
    }
}

bool CTarif::IsInInitialPeriod() const {
    return m_meter == nullptr || m_meter->IsInInitialPeriod();
}

bool CTarif::IsDiscountInForce() const {
    return m_discountActive && m_discountCounter.GetCount() <= m_discountLimit;
}

CMoney CTarif::GetUnitPrice() const {
    return IsDiscountInForce() ? m_discountPrice : m_price;
}

uint32_t CTarif::GetSecondsPerUnit() const {
    if (IsInInitialPeriod()) {
        return m_initialPeriod;
    }
    return IsDiscountInForce() ? m_discountSeconds : m_secondsPerUnit;
}
