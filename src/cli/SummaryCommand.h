#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "summary --by MODE [FILTER] [--sort COLUMN] [--descending] [--format text|csv|json]": the log's
// rows totalled by day, user, name, hour, day of the month, weekday or month. Returns the exit code.
int RunSummaryCommand(const std::vector<std::string>& words, const CliContext& context);
