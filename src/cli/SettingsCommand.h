#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class SettingsStore;

// "settings get SECTION NAME", "settings set [--string] SECTION NAME VALUE", "settings list".
// Returns the exit code.
int RunSettingsCommand(const std::vector<std::string>& words, SettingsStore& store, std::ostream& out,
                       std::ostream& err);
