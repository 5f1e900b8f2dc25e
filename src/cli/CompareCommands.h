#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "rerate --tariff NAME [FILTER] [--discount N] [--format text|csv|json]": each shown connection of
// the log metered again under a tariff file, beside what was logged, with the totals.
int RunRerateCommand(const std::vector<std::string>& words, const CliContext& context);

// "compare [FILTER] [--format text|csv|json]": the shown connections re-rated under every tariff
// file of the data directory, a line a tariff, the cheapest first.
int RunCompareCommand(const std::vector<std::string>& words, const CliContext& context);
