#pragma once

#include "core/DateTime.h"

#include <optional>
#include <ostream>
#include <string>

// A tariff file named on the command line: a path, or a title of the data directory ("Mobil" for
// Mobil.TFF, matched without regard to case). Nothing when there is no such file.
std::optional<std::string> ResolveTariffFile(const std::string& name, const std::string& dataDirectory);
// The same for a command that reads the tariff: nothing, and err told why, when there is no such
// file or it goes past the limits of a tariff.
std::optional<std::string> FindTariffFile(const std::string& name, const std::string& dataDirectory, std::ostream& err);
// Tells err and answers false when the tariff file goes past the limits of a tariff.
bool IsWithinLimits(const std::string& path, std::ostream& err);
// The title under which a tariff file is logged: its file name without extension.
std::string TariffTitle(const std::string& path);
// "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS" (also with a T between date and time).
std::optional<CDateTime> ParseLocalDateTime(const std::string& text);
