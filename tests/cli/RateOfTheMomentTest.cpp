#include "cli/SimulationCommands.h"

#include "CliFixture.h"
#include "support/TariffBuilder.h"

#include <cstdio>
#include <random>
#include <sstream>

namespace {

using Zone = CTariffBuilder::Zone;

// A call is charged unit by unit at the rate of each unit's first second: the zone listed first
// among those that cover its quarter-hour, else 90 s for 0.12. Worked out here from that rule alone.
struct ModelCharge {
    int units = 0;
    int64_t costs = 0;
};

ModelCharge ChargeByTheRule(const std::vector<Zone>& zones, int startSecondOfDay, uint32_t seconds) {
    ModelCharge charge;
    for (uint32_t at = 0; at < seconds;) {
        const int quarter = static_cast<int>((startSecondOfDay + at) % 86400 / 900);
        uint16_t length = 90;
        int64_t price = 1200;
        for (const Zone& zone : zones) {
            if (zone.first <= quarter && quarter <= zone.last) {
                length = zone.seconds == 0 ? 10 : zone.seconds;
                price = zone.price;
                break;
            }
        }
        ++charge.units;
        charge.costs += price;
        at += length;
    }
    return charge;
}

struct RateOfTheMomentTest : CliFixture {
    static int Meter(const std::vector<std::string>& words, const CliContext& context) {
        return RunMeterCommand(words, context, false);
    }
    std::string MeterJson(const std::string& tariff, const std::string& start, uint32_t seconds) {
        EXPECT_EQ(Run(Meter, {"--tariff", tariff, "--start", start, "--seconds", std::to_string(seconds), "--json"}), 0)
            << err.str();
        return out;
    }
};

// 7 December 2026 is a Monday.
TEST_F(RateOfTheMomentTest, ACallFromAGapIntoAZoneTakesTheZoneAtItsFirstQuarterHour) {
    CTariffBuilder(dir.File("Gap.tff")).WithZone({.first = 40, .last = 43, .seconds = 60, .price = 10000});
    // Four default units of 90 s (0.48) to 10:01:00, then fourteen of 60 s at 1.00.
    EXPECT_EQ(MeterJson("Gap", "2026-12-07 09:55:00", 1200), "{\"seconds\":1200,\"units\":18,\"costs\":14.48}\n");
    EXPECT_EQ(MeterJson("Gap", "2026-12-07 10:00:00", 600), "{\"seconds\":600,\"units\":10,\"costs\":10.00}\n");
    ASSERT_EQ(Run(RunRateCommand, {"--tariff", "Gap", "--at", "2026-12-07 09:55"}), 0);
    EXPECT_NE(out.find("Zone:             00:00-09:59 (no zone: the default rate)"), std::string::npos) << out;
}

TEST_F(RateOfTheMomentTest, ACallIntoAnEarlierListedOverlappingZoneTakesIt) {
    CTariffBuilder(dir.File("Overlap.tff"))
        .WithZone({.first = 40, .last = 43, .seconds = 60, .price = 10000})
        .WithZone({.first = 0, .last = 95, .seconds = 60, .price = 1000});
    // Five units at 0.10 to 10:00, then fifteen at 1.00.
    EXPECT_EQ(MeterJson("Overlap", "2026-12-07 09:55:00", 1200), "{\"seconds\":1200,\"units\":20,\"costs\":15.50}\n");
    ASSERT_EQ(Run(RunRateCommand, {"--tariff", "Overlap", "--at", "2026-12-07 10:05", "--json"}), 0);
    EXPECT_NE(out.find("\"price\":1.00"), std::string::npos) << out;
}

Zone RandomZone(std::mt19937& random) {
    std::uniform_int_distribution<int> quarter(0, 95);
    const int a = quarter(random);
    const int b = quarter(random);
    const uint16_t lengths[] = {0, 2, 10, 30, 60, 90, 240, 600};
    return {.first = static_cast<uint16_t>(std::min(a, b)),
            .last = static_cast<uint16_t>(std::max(a, b)),
            .seconds = lengths[std::uniform_int_distribution<size_t>(0, std::size(lengths) - 1)(random)],
            .price = std::uniform_int_distribution<int64_t>(1, 40)(random) * 100};
}

// Tariffs with gaps and overlaps, calls of up to three hours started at any second of a working day
// (some run on into Tuesday, another working day).
TEST_F(RateOfTheMomentTest, TheMeterChargesAsTheRuleOverRandomTariffsWithGapsAndOverlaps) {
    std::mt19937 random(20261207);
    for (int tariff = 0; tariff < 25; ++tariff) {
        std::vector<Zone> zones(std::uniform_int_distribution<size_t>(1, 4)(random));
        CTariffBuilder builder(dir.File("Random.tff"));
        for (Zone& zone : zones) {
            zone = RandomZone(random);
            builder.WithZone(zone);
        }
        for (int call = 0; call < 8; ++call) {
            const int start = std::uniform_int_distribution<int>(0, 24 * 3600 - 1)(random);
            const uint32_t seconds = std::uniform_int_distribution<uint32_t>(1, 3 * 3600)(random);
            const ModelCharge expected = ChargeByTheRule(zones, start, seconds);
            char startText[32];
            std::snprintf(startText, sizeof startText, "2026-12-07 %02d:%02d:%02d", start / 3600, start / 60 % 60,
                          start % 60);
            char want[64];
            std::snprintf(want, sizeof want, "\"units\":%d,\"costs\":%lld.%02lld}", expected.units,
                          static_cast<long long>(expected.costs / 10000),
                          static_cast<long long>(expected.costs / 100 % 100));
            std::ostringstream zoneList;
            for (const Zone& zone : zones) {
                zoneList << zone.first << "-" << zone.last << " " << zone.seconds << " s " << zone.price << "; ";
            }
            const std::string json = MeterJson(dir.File("Random.tff"), startText, seconds);
            EXPECT_NE(json.find(want), std::string::npos)
                << "zones " << zoneList.str() << "call at " << startText << " for " << seconds << " s: " << json;
        }
    }
}

} // namespace
