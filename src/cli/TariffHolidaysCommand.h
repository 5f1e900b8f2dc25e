#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "tariff holidays FILE --year YEAR --set de|at|ch [--add]": the nationwide public holidays of a
// year, each marked as held by the tariff or not; with --add the missing ones are appended as
// holiday records. words starts after "holidays". Returns the exit code.
int RunTariffHolidaysCommand(const std::vector<std::string>& words, const CliContext& context);
