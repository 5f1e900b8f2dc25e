#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "tariff assign [--force] ENTRY TARIFF": the dial-up entry is charged by that tariff of the data
// directory from its next connection, as the assignment dialog would store it. "tariff unassign
// [--force] ENTRY" gives it back to the default tariff. An entry the phonebook does not know, or a
// tariff the folder does not hold, is refused with the known ones. Return the exit code.
int RunTariffAssign(const std::vector<std::string>& words, const CliContext& context);
int RunTariffUnassign(const std::vector<std::string>& words, const CliContext& context);
