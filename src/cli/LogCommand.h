#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "log export [--output FILE] [--format text|csv|json]" and "log list". Returns the exit code.
int RunLogCommand(const std::vector<std::string>& words, const CliContext& context);
