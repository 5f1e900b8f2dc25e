#pragma once

#include "metering/Checkpoint.h"
#include "metering/CounterState.h"

#include <array>

// The totals counters with the connection of a checkpoint in them, counted once: the counters as
// stored while it runs, or as recovery leaves them. A counter that still holds what the checkpoint
// saw takes the checkpoint's state, one that holds the checkpoint's state has the connection already
// (its end is being written), and one that moved on since (a reset, another connection, a changed
// file) gets what the connection added -- unless the log holds its record, which is written after
// the counters and so proves it counted (recordLogged).
std::array<CounterState, 4> WithRunningConnection(const std::array<CounterState, 4>& stored,
                                                  const CCheckpoint& checkpoint, bool recordLogged = false);
