#pragma once

#include "core/Money.h"
#include "tariffs/TariffZone.h"

#include <span>
#include <vector>

// A stretch of the day in which the same zone applies, as the rate lookup finds it: the first
// zone in file order that covers a quarter-hour wins. Where no zone covers it, the default rate
// applies (zone -1); where several do, the stretch is marked as overlapped.
struct DayStretch {
    int firstQuarter;
    int lastQuarter;
    int zone; // index into the zones given, -1 for none
    bool overlapped;

    bool operator==(const DayStretch&) const = default;
};

// The 96 quarter-hours of a day kind, split into stretches in order of time.
std::vector<DayStretch> SplitDay(std::span<const TariffZone> zones);
// What a minute costs in the zone: the unit price over the unit length (0 seconds taken as 10, as
// the lookup takes it), to a ten-thousandth.
CMoney PricePerMinute(const TariffZone& zone);
