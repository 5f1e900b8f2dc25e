#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "counters [--json]": the daily, weekly, monthly and total counters, a running connection in them,
// and the discount counter.
int RunCountersCommand(const std::vector<std::string>& words, const CliContext& context);
