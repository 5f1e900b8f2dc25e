#pragma once

#include "core/Money.h"
#include "tariffs/TarifFile.h"

#include <string>

// Writes a new test tariff file record by record through the tariff file's own accessors.
class CTariffBuilder {
public:
    struct Zone {
        uint32_t kind = CTarifFile::kWorkingDays;
        uint16_t first = 0;
        uint16_t last = 95;
        uint16_t seconds = 90;
        int64_t price = 1200;
        int64_t startCharge = 0;
        int64_t minimumCharge = 0;
        uint16_t initialPeriod = 0;
        uint16_t discountSeconds = 90;
        bool noDiscount = false;
    };
    struct Options {
        bool minimumCharge = false;
        bool discount = false;
        bool fridayOwnTable = false;
        bool sundayOwnTable = false;
        bool holidaysAsSundays = false;
    };

    explicit CTariffBuilder(const std::string& path);
    ~CTariffBuilder();

    CTariffBuilder& WithOptions(const Options& options);
    CTariffBuilder& WithDiscount(uint32_t unitLimit, int64_t price);
    CTariffBuilder& WithHoliday(int year, int month, int day);
    // count holidays on the days from firstDay on.
    CTariffBuilder& WithHolidaysFrom(int32_t firstDay, size_t count);
    // The slots that deleted records leave.
    CTariffBuilder& WithDeletedRecords(size_t count);
    CTariffBuilder& WithZone(const Zone& zone);
    // The same zone for working days and the weekend.
    CTariffBuilder& WithZoneEveryDay(Zone zone);

private:
    void Add(uint32_t kind);
    CTarifFile m_file;
};
