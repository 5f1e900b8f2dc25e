#pragma once

#include "metering/Checkpoint.h"
#include "metering/CounterState.h"

#include <array>

// The totals counters as they stand while a connection runs: the counters as stored, with the
// running connection of its checkpoint in them, counted once. A counter that still holds what the
// checkpoint saw takes the checkpoint's state, one that holds the checkpoint's state has the
// connection already (its end is being written), one that moved on since (a reset) gets what the
// connection added.
std::array<CounterState, 4> WithRunningConnection(const std::array<CounterState, 4>& stored,
                                                  const CCheckpoint& checkpoint);
