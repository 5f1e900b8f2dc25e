#pragma once

#include <string>

// The tariff of every connection without an assigned one: "Fernzahl.tff" of the data directory,
// in whatever case it is spelt. Without that file the rate lookup charges its built-in rate.
std::string DefaultTariffFile(const std::string& programDirectory);

// A new default tariff delivered as "NewDefaultTariff.dll" in the data directory replaces
// "Fernzahl.tff". The replacement is one rename over the old file: either the new tariff is in
// place or the old one is untouched; there is never a moment without a default tariff.
enum class DefaultTariffInstall { NoneDelivered, Installed, Failed };

DefaultTariffInstall InstallDeliveredDefaultTariff(const std::string& programDirectory);
