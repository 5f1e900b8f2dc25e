#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "settings get SECTION NAME", "settings set [--string] [--force] SECTION NAME VALUE", "settings list".
// Returns the exit code.
int RunSettingsCommand(const std::vector<std::string>& words, const CliContext& context);
