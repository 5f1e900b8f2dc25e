#pragma once

#include <cstdint>
#include <functional>

class CMeterStation;
class CSimulatedClock;

// Meters the connection just started on the station (now, without lead time) through `seconds` of
// the simulated clock, as
// the heartbeat would: the first unit at the start, each further one at the second it falls due,
// a new day checked first; a unit due at the very end is not charged. Only the moments at which
// something falls due are visited, so a connection of years takes as many steps as it has units.
// onUnit is called after each charged unit; goOn, asked before each step, stops the run when it
// says no. False when stopped so; the caller ends the connection.
bool MeterSimulatedConnection(CMeterStation& station, CSimulatedClock& clock, uint64_t seconds,
                              const std::function<void()>& onUnit = {}, const std::function<bool()>& goOn = {});
