#pragma once

#include "metering/MeterStation.h"
#include "support/MeteringWorld.h"

// Drives a meter station the way the heartbeat does: a tick every 500 ms.
struct StationDriver {
    explicit StationDriver(MeteringWorld& world, CheckpointStore* checkpoints = nullptr)
        : world(world), station(world.services, checkpoints) {}

    void Start(const std::string& name = "T-Online", int offsetSeconds = 0) {
        station.StartConnection(offsetSeconds, world.TariffPath(), "ppp0", name, "Mobil");
        station.ChargeDueUnits(); // the tick of the start edge
    }
    // Advances the clock in heartbeat steps, charging due units at each.
    void RunFor(uint64_t milliseconds) {
        for (uint64_t t = 0; t < milliseconds; t += 500) {
            world.clock.Advance(500);
            station.CheckNewDay();
            station.ChargeDueUnits();
        }
    }
    int32_t Units() const { return station.Meter().GetConnection().GetUnits(); }
    int64_t Costs() const { return station.Meter().GetConnection().GetCosts().GetValue(); }

    MeteringWorld& world;
    CMeterStation station;
};
