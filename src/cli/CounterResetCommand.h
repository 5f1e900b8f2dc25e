#pragma once

#include "cli/CliContext.h"

#include <cstdint>

// "counters reset PERIOD": clears the daily, weekly, monthly or total counter (by its record
// number) as the main window's reset does, the monthly one with the discount counter when the
// settings say so. Only while no meter holds the data folder: a meter keeps its counters in memory
// and would save them over the reset. Returns the exit code.
int RunCounterReset(uint8_t counter, const CliContext& context);
