#pragma once

#include "core/DateTime.h"
#include "core/MemoryDirectory.h"
#include "core/Money.h"
#include "tariffs/RabattZaehler.h"

#include <cstdint>
#include <string>

class Clock;
class InitialPeriodSource;

// The running tariff: the rate of the present moment, looked up from the tariff file by day kind
// and quarter-hour, and kept while the lookup would find the same zone (or, in a gap, none) and the
// day is the same.
class CTarif {
public:
    // The values of the lookup when no zone covers the moment.
    static constexpr uint16_t kDefaultSecondsPerUnit = 90;
    static constexpr int64_t kDefaultPrice = 1200;
    static constexpr int64_t kDefaultStartCharge = 5000;
    static constexpr int64_t kDefaultMinimumCharge = 13000;
    static constexpr uint32_t kDefaultDiscountLimit = 400;
    static constexpr int64_t kDefaultDiscountPrice = 600;
    // A unit of 0 seconds would never end; it is taken as 10.
    static uint16_t UsableUnitLength(uint16_t seconds);

    // Starts on the default tariff file of the program directory, stale.
    CTarif(const Clock& clock, std::string programDirectory);

    void SetMeter(const InitialPeriodSource* meter) { m_meter = meter; }
    void SetFileName(const std::string& path);
    const std::string& GetFileName() const { return m_path; }
    void Invalidate() { m_stale = true; }
    void Refresh();
    // Refreshes, then counts the unit about to be charged against the discount.
    void CountUnit();

    CMoney GetUnitPrice() const;
    uint32_t GetSecondsPerUnit() const;
    uint32_t GetInitialPeriod() const { return m_initialPeriod; }
    CMoney GetStartCharge() const { return m_minimumChargeScheme ? m_startCharge : CMoney(0); }
    CMoney GetMinimumCharge() const { return m_minimumChargeScheme ? m_minimumCharge : CMoney(0); }

    // What the last load found, for showing the rate: the zone's own quarter-hours, or the gap's.
    uint32_t GetDayKind() const { return m_dayKind; }
    uint16_t GetZoneFirstQuarter() const { return m_firstQuarter; }
    uint16_t GetZoneLastQuarter() const { return m_lastQuarter; }
    bool HasZone() const { return m_zoneFound; }
    bool IsDiscountActive() const { return m_discountActive; }
    uint32_t GetDiscountLimit() const { return m_discountLimit; }
    CMoney GetDiscountPrice() const { return m_discountPrice; }
    uint32_t GetDiscountSecondsPerUnit() const { return m_discountSeconds; }
    uint32_t GetZoneSecondsPerUnit() const { return m_secondsPerUnit; }
    CMoney GetZonePrice() const { return m_price; }
    const CRabattZaehler& GetDiscountCounter() const { return m_discountCounter; }
    // The tariff file that the last load found past the limits of a tariff file, and so did not
    // read (its rates as read before, else the default rate, apply); empty when it was read.
    const std::string& GetFilePastLimits() const { return m_filePastLimits; }

private:
    void Load();
    // Where the tariff is read from: its file as read now, or as read last when it has gone.
    std::string PathToRead();
    bool IsDiscountInForce() const;
    bool IsInInitialPeriod() const;

    const Clock& m_clock;
    const InitialPeriodSource* m_meter = nullptr;
    CRabattZaehler m_discountCounter;
    bool m_fridayOwnTable = false;
    bool m_sundayOwnTable = false;
    bool m_holidaysAsSundays = false;
    bool m_minimumChargeScheme = false;
    CMoney m_startCharge;
    CMoney m_minimumCharge;
    uint16_t m_initialPeriod = 0;
    uint16_t m_secondsPerUnit = kDefaultSecondsPerUnit;
    CMoney m_price;
    CDateTime m_loadTime;
    bool m_stale = true;
    uint16_t m_firstQuarter = 0;
    uint16_t m_lastQuarter = 95;
    // The quarter-hours in which the rate found holds: where the same zone, or none, applies.
    int m_holdsFrom = 0;
    int m_holdsTo = 95;
    bool m_discountActive = false;
    uint32_t m_discountLimit = kDefaultDiscountLimit;
    CMoney m_discountPrice{kDefaultDiscountPrice};
    uint16_t m_discountSeconds = kDefaultSecondsPerUnit;
    std::string m_path;
    // The tariff as last read from the disk, and from where: a tariff file deleted while its
    // connection runs keeps charging at its rates.
    CMemoryDirectory m_lastRead;
    std::string m_lastReadPath;
    std::string m_filePastLimits;
    uint32_t m_dayKind = 0;
    bool m_zoneFound = false;
};
