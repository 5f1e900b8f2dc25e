#include "tariffs/ZoneLookup.h"

int ZoneAt(std::span<const TariffZone> zones, int quarter) {
    for (size_t i = 0; i < zones.size(); ++i) {
        if (zones[i].firstQuarter <= quarter && quarter <= zones[i].lastQuarter) {
            return static_cast<int>(i);
        }
    }
    return kNoZone;
}

QuarterStretch StretchAround(std::span<const TariffZone> zones, int quarter) {
    const int zone = ZoneAt(zones, quarter);
    QuarterStretch stretch{quarter, quarter};
    while (stretch.firstQuarter > 0 && ZoneAt(zones, stretch.firstQuarter - 1) == zone) {
        --stretch.firstQuarter;
    }
    while (stretch.lastQuarter < TariffZone::kLastQuarterOfDay && ZoneAt(zones, stretch.lastQuarter + 1) == zone) {
        ++stretch.lastQuarter;
    }
    return stretch;
}
