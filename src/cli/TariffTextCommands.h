#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// "tariff import TEXTFILE NAME [--replace]": makes the tariff NAME.tff of the data directory from a
// tariff written as text (TEXTFILE "-": standard input); an existing tariff is replaced only with
// --replace, and a fault in the text names its line. words starts after "import".
int RunTariffImport(const std::vector<std::string>& words, const CliContext& context);
// "tariff export FILE [--output FILE]": a tariff as that text, which import reads back as the same
// records. words starts after "export".
int RunTariffExport(const std::vector<std::string>& words, const CliContext& context);
