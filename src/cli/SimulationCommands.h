#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "rate [--tariff FILE] [--at TIME] [--discount-count K] [--json]": the rate in force at a moment.
int RunRateCommand(const std::vector<std::string>& words, const CliContext& context);

// "meter [--tariff FILE] [--start TIME] --seconds N [--discount-count K] [--trace] [--json]": meters a
// connection on a simulated clock through the real engine. It writes nothing into the data
// directory unless --data-dir was given; then the connection is logged and counted there.
int RunMeterCommand(const std::vector<std::string>& words, const CliContext& context, bool useDataDirectory);
