#pragma once

#include <string>

// The example tariff that comes with the program, found beside the resource library.
inline constexpr const char* kExampleTariffName = "Fernzahl-example.tff";

// A data directory without a default tariff gets the example as its "Fernzahl.tff", so that the
// first connection is metered with day, evening, night and weekend prices rather than the default
// rate. A default tariff under any spelling of its name is never touched, and a crash leaves
// either no "Fernzahl.tff" or the whole example.
enum class ExampleTariffInstall { AlreadyPresent, NotShipped, Installed, Failed };

// examplePath is empty when the example was not shipped.
ExampleTariffInstall InstallExampleTariff(const std::string& programDirectory, const std::string& examplePath);
