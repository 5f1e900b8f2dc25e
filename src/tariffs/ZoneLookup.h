#pragma once

#include "tariffs/TariffZone.h"

#include <span>

// Which zone applies at a quarter-hour: the first in file order that covers it, or none.
// Zones may overlap and leave gaps; everything that asks "which rate now" answers through here.
constexpr int kNoZone = -1;

// The index of the zone that applies at the quarter-hour, or kNoZone.
int ZoneAt(std::span<const TariffZone> zones, int quarter);

// The quarter-hours around one in which the same zone applies (or, in a gap, none): the stretch
// for which a rate once found holds.
struct QuarterStretch {
    int firstQuarter;
    int lastQuarter;
};
QuarterStretch StretchAround(std::span<const TariffZone> zones, int quarter);
