// One heartbeat's metering work (new-day check, due units, texts, signals) with and without a unit
// due, and with a unit due and the checkpoint kept as the desktop program keeps it (handed to its
// writer's thread); the durable checkpoint write itself; and the rate lookup: a cached refresh and
// a full load of a tariff of 100 zones.
// Run: build/bin/bench_metering

#include "BenchSupport.h"
#include "RatioReporter.h"

#include "core/SilentSoundPlayer.h"
#include "core/SimulatedClock.h"
#include "core/StringTable.h"
#include "metering/Checkpoint.h"
#include "metering/MeterStation.h"
#include "platform/CheckpointFile.h"
#include "settings/MemorySettingsStore.h"
#include "tariffs/InitialPeriodSource.h"
#include "tariffs/TarifFile.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace {

class CAfterInitialPeriod : public InitialPeriodSource {
public:
    bool IsInInitialPeriod() const override { return false; }
};

void AddZone(CTarifFile& file, uint32_t kind, uint16_t first, uint16_t last, uint16_t seconds) {
    file.AppendRecord();
    file.ClearData();
    file.SetKind(kind);
    file.SetFirstQuarter(first);
    file.SetLastQuarter(last);
    file.SetSecondsPerUnit(seconds);
    file.SetDiscountSecondsPerUnit(seconds);
    file.SetUnitPrice(CMoney(1200));
    file.WriteRecord();
}

// Options with the discount scheme (its counter is saved at every discounted unit, the dearest case)
// and 100 zones of one quarter-hour; the one of 10:00 on a Monday is the last, so a load reads them all.
std::string WriteTariff(const std::string& dir) {
    const std::string path = dir + "Fernzahl.tff";
    CTarifFile file(path);
    file.OpenRecordFile();
    file.AppendRecord();
    file.ClearData();
    file.SetKind(CTarifFile::kOptions);
    file.SetOption(CTarifFile::kDiscountScheme, true);
    file.WriteRecord();
    file.AppendRecord(); // a limit that is never reached: every unit saves the discount counter
    file.ClearData();
    file.SetKind(CTarifFile::kDiscount);
    file.SetUnitLimit(0xFFFFFFFFu);
    file.SetDiscountPrice(CMoney(600));
    file.WriteRecord();
    for (uint16_t zone = 0, q = 0; zone < 99; ++q) {
        if (q % 96 != 40) {
            AddZone(file, zone % 2 ? CTarifFile::kWeekend : CTarifFile::kWorkingDays, q % 96, q % 96, 10);
            ++zone;
        }
    }
    AddZone(file, CTarifFile::kWorkingDays, 40, 40, 10);
    file.Close();
    return path;
}

struct Station {
    Station(const char* name, bool keepCheckpoints)
        : dir(BenchDirectory(name, true)), settings(dir),
          tariff(WriteTariff(dir)), services{clock, settings, BenchStrings(), silence, "anna"}, checkpoint(dir),
          station(services, keepCheckpoints ? &checkpoint : nullptr) {
        settings.Write(Setting::kSignalJedeEinh, 1);
        station.StartConnection(10, tariff, "ppp0", "T-Online", "Mobil");
    }
    // What the main window does on a tick while a connection is metered.
    void Tick() {
        station.CheckNewDay();
        station.ChargeDueUnits();
        benchmark::DoNotOptimize(station.Meter().GetShortText());
        benchmark::DoNotOptimize(station.GetCounter(CMeterStation::kDaily).FormatTotals());
        benchmark::DoNotOptimize(station.Meter().GetConnectionText());
        benchmark::DoNotOptimize(station.Meter().CheckSignals());
    }

    std::string dir;
    CSimulatedClock clock{CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 1000};
    CMemorySettingsStore settings;
    std::string tariff;
    CSilentSoundPlayer silence;
    Services services;
    CCheckpointFile checkpoint;
    CMeterStation station;
};

void MeteringTickWithoutUnit(benchmark::State& state) {
    Station s("tick-idle", false);
    s.Tick();
    for (auto _ : state) {
        s.Tick();
    }
}

void TicksWithAUnitDue(Station& s, benchmark::State& state) {
    s.Tick();
    for (auto _ : state) {
        s.clock.Advance(10000); // one 10 s unit falls due per tick; the quarter-hour changes every 90 ticks
        s.Tick();
    }
}

void MeteringTickWithUnitDue(benchmark::State& state) {
    Station s("tick-unit", false);
    TicksWithAUnitDue(s, state);
}

// Every tick charges a unit, so every tick keeps a checkpoint.
void MeteringTickWithUnitDueAndCheckpoint(benchmark::State& state) {
    Station s("tick-checkpoint", true);
    TicksWithAUnitDue(s, state);
}

// What the writer's thread does for one checkpoint: a temporary file, fdatasync, rename, and the
// directory flushed. It is why the heartbeat does not do it itself.
void DurableCheckpointWrite(benchmark::State& state) {
    const std::string dir = BenchDirectory("checkpoint-write", true);
    CCheckpointFile file(dir);
    CCheckpoint checkpoint;
    checkpoint.record.connectionName = "T-Online";
    const std::string text = checkpoint.ToText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.Write(text));
    }
}

void RefreshCachedRate(benchmark::State& state) {
    const std::string dir = BenchDirectory("refresh", true);
    const std::string path = WriteTariff(dir);
    CSimulatedClock clock(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 1000);
    CAfterInitialPeriod meter;
    CTarif tarif(clock, dir);
    tarif.SetMeter(&meter);
    tarif.SetFileName(path);
    tarif.Refresh();
    for (auto _ : state) {
        tarif.Refresh();
    }
}

void LoadTariffOf100Zones(benchmark::State& state) {
    const std::string dir = BenchDirectory("load", true);
    const std::string path = WriteTariff(dir);
    CSimulatedClock clock(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 1000);
    CAfterInitialPeriod meter;
    CTarif tarif(clock, dir);
    tarif.SetMeter(&meter);
    tarif.SetFileName(path);
    for (auto _ : state) {
        tarif.Invalidate();
        tarif.Refresh();
    }
}

BENCHMARK(MeteringTickWithoutUnit)->Unit(benchmark::kMicrosecond);
BENCHMARK(MeteringTickWithUnitDue)->Unit(benchmark::kMicrosecond);
BENCHMARK(MeteringTickWithUnitDueAndCheckpoint)->Unit(benchmark::kMicrosecond);
BENCHMARK(DurableCheckpointWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(RefreshCachedRate)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadTariffOf100Zones)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    return RunBenchmarks(argc, argv, {}, {{"MeteringTickWithUnitDue", 200e-6}});
}
