#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "watch [--once]": polls the connection sources every 500 ms with the settings in force and
// prints one line per start or end until interrupted; --once prints the present state and ends.
int RunWatchCommand(const std::vector<std::string>& words, const CliContext& context);

// "phonebook": the dial-up entries a tariff can be assigned to.
int RunPhonebookCommand(const std::vector<std::string>& words, const CliContext& context);
