#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "run": the meter without a window, for a machine without a desktop or a systemd user unit. It
// meters, logs and counts every connection exactly as the desktop program does, notifies through
// the session's notification service and exports the live meter on the session bus where there is
// one, prints a line at each connection's start and end, and on SIGTERM or SIGINT logs a running
// connection and ends with 0.
int RunHeadlessMeter(const std::vector<std::string>& words, const CliContext& context);

// "run" while another meter (the window, another run) holds the data folder: starting again changes
// nothing until that one ends, so a service manager is told not to restart it.
inline constexpr int kFolderHeld = 4;
