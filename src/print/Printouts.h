#pragma once

#include "print/DruckLayout.h"
#include "summary/Zusammenfassung.h"

#include <cstdint>
#include <string>
#include <vector>

class CProtokollRows;
class CStringTable;
class CZusammenfassung;
class QPrinter;

// The two printouts, drawn onto a printer that is set up already (chosen in the print dialog, a
// preview's, or a PDF file). Rows and groups print in the order given, as their list shows them.

// False when the printer could not be started. The log prints its rows with the line of totals
// and the number of rows printed.
bool PrintLog(QPrinter& printer, const CProtokollRows& rows, const std::vector<uint32_t>& order,
              const CStringTable& strings);
bool PrintSummary(QPrinter& printer, const CZusammenfassung& summary, const std::vector<uint32_t>& order,
                  const CStringTable& strings);

// Each printout's page layout and column headings in the strings' language.
struct PrintoutColumns {
    CDruckLayout::Table table;
    std::vector<std::string> headings;
};
PrintoutColumns LogPrintoutColumns(const CStringTable& strings);
// The first column is headed by what the summary groups by.
PrintoutColumns SummaryPrintoutColumns(const CStringTable& strings, CZusammenfassung::Mode mode);
