#pragma once

#include "core/Money.h"
#include "tariffs/Tarif.h"

#include <cstdint>

// The nine fields of a zone record. A zone made anew starts with the values the lookup uses
// where no zone applies: the whole day, 90 seconds for 0.12, start charge 0.50, minimum charge
// 1.30, discount units of 90 seconds.
struct TariffZone {
    static constexpr uint16_t kLastQuarterOfDay = 95;

    uint16_t firstQuarter = 0;
    uint16_t lastQuarter = kLastQuarterOfDay;
    uint16_t secondsPerUnit = CTarif::kDefaultSecondsPerUnit;
    CMoney price{CTarif::kDefaultPrice};
    CMoney startCharge{CTarif::kDefaultStartCharge};
    uint16_t initialPeriod = 0;
    CMoney minimumCharge{CTarif::kDefaultMinimumCharge};
    bool noDiscount = false;
    uint16_t discountSecondsPerUnit = CTarif::kDefaultSecondsPerUnit;

    bool operator==(const TariffZone&) const = default;
};
