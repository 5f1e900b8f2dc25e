#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// The counters by their record numbers in the counter file, as the commands name them.
inline constexpr const char* kCounterNames[] = {"daily", "weekly", "monthly", "total", "discount"};

// "counters [--json]": the daily, weekly, monthly and total counters, a running connection in them,
// and the discount counter.
// "counters reset PERIOD" goes on to RunCounterReset.
int RunCountersCommand(const std::vector<std::string>& words, const CliContext& context);
