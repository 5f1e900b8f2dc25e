#pragma once

#include "core/Money.h"
#include "tariffs/TariffZone.h"

#include <span>
#include <string>
#include <vector>

class CStringTable;
struct LocaleFacts;

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

// Where one zone shares quarter-hours with another: the other zone (an index into the zones given),
// the shared stretch, and whether the other zone is the one that applies there (it comes first).
struct ZoneOverlap {
    int other;
    int firstQuarter;
    int lastQuarter;
    bool otherApplies;

    bool operator==(const ZoneOverlap&) const = default;
};

std::vector<ZoneOverlap> FindOverlaps(std::span<const TariffZone> zones, size_t zone);
// The warning for a zone that overlaps others: where, and which zone applies there; empty when it
// overlaps none.
std::string DescribeOverlaps(std::span<const TariffZone> zones, size_t zone, const CStringTable& strings,
                             const LocaleFacts& facts);
// What a minute costs in the zone: the unit price over the unit length (0 seconds taken as 10, as
// the lookup takes it), to a ten-thousandth.
CMoney PricePerMinute(const TariffZone& zone);
