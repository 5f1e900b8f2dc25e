#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "status [--json] [--follow]": the live meter of the data folder, read from the session bus: the
// running connection, its time, units and costs so far, and the counters; with --follow a line per
// change, at most one a second, until interrupted. Exits 3 when no meter runs for the folder.
int RunStatusCommand(const std::vector<std::string>& words, const CliContext& context);

inline constexpr int kNoMeterRuns = 3;
