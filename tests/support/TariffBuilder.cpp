#include "support/TariffBuilder.h"

#include "core/DateTime.h"

#include <cstdio>
#include <stdexcept>

CTariffBuilder::CTariffBuilder(const std::string& path) : m_file(path) {
    std::remove(path.c_str()); // each builder writes a new file
    if (!m_file.OpenRecordFile()) {
        throw std::runtime_error("cannot write the test tariff " + path);
    }
}

CTariffBuilder::~CTariffBuilder() {
    m_file.Close();
}

void CTariffBuilder::Add(uint32_t kind) {
    m_file.AppendRecord();
    m_file.ClearData();
    m_file.SetKind(kind);
}

CTariffBuilder& CTariffBuilder::WithOptions(const Options& o) {
    Add(CTarifFile::kOptions);
    m_file.SetOption(CTarifFile::kMinimumCharge, o.minimumCharge);
    m_file.SetOption(CTarifFile::kDiscountScheme, o.discount);
    m_file.SetOption(CTarifFile::kFridayOwnTable, o.fridayOwnTable);
    m_file.SetOption(CTarifFile::kSundayOwnTable, o.sundayOwnTable);
    m_file.SetOption(CTarifFile::kHolidaysAsSundays, o.holidaysAsSundays);
    m_file.WriteRecord();
    return *this;
}

CTariffBuilder& CTariffBuilder::WithDiscount(uint32_t unitLimit, int64_t price) {
    Add(CTarifFile::kDiscount);
    m_file.SetUnitLimit(unitLimit);
    m_file.SetDiscountPrice(CMoney(price));
    m_file.WriteRecord();
    return *this;
}

CTariffBuilder& CTariffBuilder::WithHoliday(int year, int month, int day) {
    Add(CTarifFile::kHoliday);
    m_file.SetHolidayDate(CDateTime::FromDate(year, month, day).GetOleDate());
    m_file.WriteRecord();
    return *this;
}

CTariffBuilder& CTariffBuilder::WithHolidaysFrom(int32_t firstDay, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        Add(CTarifFile::kHoliday);
        m_file.SetHolidayDate(static_cast<double>(firstDay) + static_cast<double>(i));
        m_file.WriteRecord();
    }
    return *this;
}

CTariffBuilder& CTariffBuilder::WithDeletedRecords(size_t count) {
    for (size_t i = 0; i < count; ++i) {
        Add(CTarifFile::kHoliday);
        m_file.DeleteRecord();
    }
    return *this;
}

CTariffBuilder& CTariffBuilder::WithZone(const Zone& z) {
    Add(z.kind);
    m_file.SetFirstQuarter(z.first);
    m_file.SetLastQuarter(z.last);
    m_file.SetSecondsPerUnit(z.seconds);
    m_file.SetUnitPrice(CMoney(z.price));
    m_file.SetStartCharge(CMoney(z.startCharge));
    m_file.SetMinimumCharge(CMoney(z.minimumCharge));
    m_file.SetInitialPeriod(z.initialPeriod);
    m_file.SetDiscountSecondsPerUnit(z.discountSeconds);
    m_file.SetNoDiscount(z.noDiscount);
    m_file.WriteRecord();
    return *this;
}

CTariffBuilder& CTariffBuilder::WithZoneEveryDay(Zone zone) {
    for (uint32_t kind : {uint32_t{CTarifFile::kWorkingDays}, uint32_t{CTarifFile::kWeekend}}) {
        zone.kind = kind;
        WithZone(zone);
    }
    return *this;
}
