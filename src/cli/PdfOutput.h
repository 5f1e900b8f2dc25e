#pragma once

#include "cli/CliContext.h"

#include <cstdint>
#include <string>
#include <vector>

class CProtokollRows;
class CStringTable;
class CZusammenfassung;

// The printouts of the desktop program, written into a PDF file; the exit code, a failure told on
// stderr. Builds without the print layer tell that they cannot print.
int WriteLogPdf(const std::string& path, const CliContext& context, const CProtokollRows& rows,
                const std::vector<uint32_t>& order, const CStringTable& strings);
int WriteSummaryPdf(const std::string& path, const CliContext& context, const CZusammenfassung& summary,
                    const std::vector<uint32_t>& order, const CStringTable& strings);
