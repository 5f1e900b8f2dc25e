#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "status [--format text|json|waybar|line] [--follow]": the folder's meter, read from the session
// bus (the running connection, its time, units and costs so far, and the counters), else, for a
// meter that holds the folder's lock but cannot be asked, what its files say. waybar and line are
// one line for a status bar; with --follow a line per change (text becomes line), until
// interrupted. Exits 3 when no meter runs for the folder (the status-bar formats still print their
// line).
int RunStatusCommand(const std::vector<std::string>& words, const CliContext& context);

inline constexpr int kNoMeterRuns = 3;
