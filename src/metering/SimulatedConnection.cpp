#include "metering/SimulatedConnection.h"

#include "core/SimulatedClock.h"
#include "metering/MeterStation.h"

bool MeterSimulatedConnection(CMeterStation& station, CSimulatedClock& clock, uint64_t seconds,
                              const std::function<void()>& onUnit, const std::function<bool()>& goOn) {
    const uint64_t begin = clock.GetElapsedMilliseconds();
    station.ChargeDueUnits(onUnit);
    for (uint64_t due = station.Meter().GetUnitEnd(); due < seconds; due = station.Meter().GetUnitEnd()) {
        if (goOn && !goOn()) {
            return false;
        }
        clock.Advance(begin + due * 1000 - clock.GetElapsedMilliseconds());
        station.CheckNewDay();
        station.ChargeDueUnits(onUnit);
    }
    clock.Advance(begin + seconds * 1000 - clock.GetElapsedMilliseconds());
    return true;
}
