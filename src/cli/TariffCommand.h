#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "tariff dump FILE [--json]": options, discount, holidays and zones of a tariff file. FILE is a
// path or a tariff title of the data directory. "tariff holidays ..." goes on to its own command.
// Returns the exit code.
int RunTariffCommand(const std::vector<std::string>& words, const CliContext& context);
