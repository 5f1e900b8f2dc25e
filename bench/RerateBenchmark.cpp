// Re-rating 100,000 logged connections under one tariff through the live meter on a simulated
// clock (budget 1 s), and under ten tariffs one after the other (budget 10 s). The tariff has
// three zones a day, a minimum charge with an initial period and a discount scheme whose counter
// is saved at every discounted unit. Run: build/bin/bench_rerate

#include "BenchSupport.h"
#include "RatioReporter.h"

#include "metering/Nachberechnung.h"
#include "tariffs/TariffDescription.h"

#include <clocale>
#include <random>

namespace {

constexpr std::string_view kTariff = R"(
[options]
minimum charge = yes
discount = yes
[discount]
units = 2000
price = 0.06
[working days]
00:00-07:59 480 0.12 minimum-charge 0.24 initial-period 60
08:00-17:59  90 0.12 minimum-charge 0.24 initial-period 60
18:00-23:59 240 0.12 minimum-charge 0.24 initial-period 60
[weekend]
00:00-23:59 240 0.12 minimum-charge 0.24 initial-period 60
)";

std::string WriteTariff(const std::string& dir) {
    CTariffDescription::Error error;
    const std::string path = dir + "Bench.tff";
    CTariffDescription::Parse(kTariff, error)->WriteTariffFile(path);
    return path;
}

// Four connections a day over about 70 years' worth of rows, from a minute to an hour long.
const std::vector<CNachberechnung::Connection>& Connections() {
    static const std::vector<CNachberechnung::Connection> connections = [] {
        std::mt19937 random(7);
        std::uniform_int_distribution<uint32_t> gap(1800, 40000);
        std::uniform_int_distribution<uint32_t> length(60, 3600);
        std::vector<CNachberechnung::Connection> made;
        CDateTime start = CDateTime::FromDate(2020, 1, 1, 0, 0, 0);
        for (int i = 0; i < 100000; ++i) {
            start = start + CTimeSpan::FromSeconds(gap(random));
            made.push_back({start, length(random)});
        }
        return made;
    }();
    return connections;
}

void Rerate(benchmark::State& state) {
    const std::string tariff = WriteTariff(BenchDirectory("rerate", true));
    const CNachberechnung::CounterRules rules{.monthlyReset = true, .resetDay = 1, .clearDiscount = true};
    int64_t units = 0;
    for (auto _ : state) {
        for (int64_t file = 0; file < state.range(0); ++file) {
            const auto ratings = CNachberechnung(tariff, rules).Rate(Connections());
            units = 0;
            for (const CNachberechnung::Rating& rating : ratings) {
                units += rating.units;
            }
        }
    }
    state.counters["connections"] = static_cast<double>(Connections().size());
    state.counters["units"] = static_cast<double>(units);
}

BENCHMARK(Rerate)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    return RunBenchmarks(argc, argv, {}, {{"Rerate/1/", 1.0}});
}
