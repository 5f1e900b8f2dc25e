#include "tariff_editor/DayCoverage.h"

namespace {

constexpr int kQuartersPerDay = 96;

struct Cover {
    int zone = -1;
    bool overlapped = false;

    bool operator==(const Cover&) const = default;
};

Cover CoverOf(std::span<const TariffZone> zones, int quarter) {
    Cover cover;
    for (size_t i = 0; i < zones.size(); ++i) {
        if (zones[i].firstQuarter <= quarter && quarter <= zones[i].lastQuarter) {
            if (cover.zone >= 0) {
                cover.overlapped = true;
                break;
            }
            cover.zone = static_cast<int>(i);
        }
    }
    return cover;
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

CMoney PricePerMinute(const TariffZone& zone) {
    int64_t scaled = 0; // a price from a damaged file may be too large to multiply
    if (__builtin_mul_overflow(zone.price.GetValue(), int64_t{60}, &scaled)) {
        return CMoney::Invalid();
    }
    return CMoney(scaled / CTarif::UsableUnitLength(zone.secondsPerUnit));
}
