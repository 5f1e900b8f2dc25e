#include "tariff_editor/DayCoverage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"
#include "tariffs/ZoneLookup.h"

#include <algorithm>

namespace {

constexpr int kQuartersPerDay = 96;

struct Cover {
    int zone = kNoZone;
    bool overlapped = false;

    bool operator==(const Cover&) const = default;
};

Cover CoverOf(std::span<const TariffZone> zones, int quarter) {
    const int zone = ZoneAt(zones, quarter);
    if (zone == kNoZone) {
        return {};
    }
    return {zone, ZoneAt(zones.subspan(static_cast<size_t>(zone) + 1), quarter) != kNoZone};
}

} // namespace

std::vector<DayStretch> SplitDay(std::span<const TariffZone> zones) {
    std::vector<DayStretch> stretches;
    Cover previous;
    for (int quarter = 0; quarter < kQuartersPerDay; ++quarter) {
        const Cover cover = CoverOf(zones, quarter);
        if (quarter > 0 && cover == previous) {
            stretches.back().lastQuarter = quarter;
        } else {
            stretches.push_back({quarter, quarter, cover.zone, cover.overlapped});
        }
        previous = cover;
    }
    return stretches;
}

std::vector<ZoneOverlap> FindOverlaps(std::span<const TariffZone> zones, size_t zone) {
    std::vector<ZoneOverlap> overlaps;
    const TariffZone& mine = zones[zone];
    for (size_t other = 0; other < zones.size(); ++other) {
        const int first = std::max(mine.firstQuarter, zones[other].firstQuarter);
        const int last = std::min(mine.lastQuarter, zones[other].lastQuarter);
        if (other != zone && first <= last) {
            overlaps.push_back({static_cast<int>(other), first, last, other < zone});
        }
    }
    return overlaps;
}

std::string DescribeOverlaps(std::span<const TariffZone> zones, size_t zone, const CStringTable& strings,
                             const LocaleFacts& facts) {
    const std::vector<ZoneOverlap> overlaps = FindOverlaps(zones, zone);
    if (overlaps.empty()) {
        return {};
    }
    const auto from = [&facts](int quarter) { return FormatQuarterHour(quarter, false, facts); };
    const auto to = [&facts](int quarter) { return FormatQuarterHour(quarter, true, facts); };
    const TariffZone& mine = zones[zone];
    std::string text = strings.Format(Str::kZoneOverlaps, {from(mine.firstQuarter), to(mine.lastQuarter)});
    for (const ZoneOverlap& overlap : overlaps) {
        const TariffZone& winner = overlap.otherApplies ? zones[static_cast<size_t>(overlap.other)] : mine;
        text += "\n" + strings.Format(Str::kOverlapApplies, {from(overlap.firstQuarter), to(overlap.lastQuarter),
                                                             from(winner.firstQuarter), to(winner.lastQuarter)});
    }
    return text + "\n\n" + strings.Get(Str::kOverlapOrder);
}

CMoney PricePerMinute(const TariffZone& zone) {
    int64_t scaled = 0; // a price from a damaged file may be too large to multiply
    if (__builtin_mul_overflow(zone.price.GetValue(), int64_t{60}, &scaled)) {
        return CMoney::Invalid();
    }
    return CMoney(scaled / CTarif::UsableUnitLength(zone.secondsPerUnit));
}
