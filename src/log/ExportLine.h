#pragma once

#include "log/LogEntry.h"
#include "settings/DateTimeText.h"
#include "settings/LocaleFacts.h"

#include <string>

class CStringTable;

// One line of the text export: start; duration; units; costs; connection; user; device; tariff,
// ended by CR LF. Texts are written as they are, unquoted.
class CExportLine {
public:
    CExportLine() : m_facts(LocaleFacts::FromCLibrary()) {}
    // The line for the entry; valid until the next call.
    const std::string& Format(const LogEntry& entry);

private:
    LocaleFacts m_facts;
    CDateTimeText m_start;
    std::string m_line;
};

// The header line: the headings of the log view's columns in its order, ended by CR LF.
std::string ExportHeader(const CStringTable& strings);
// Costs with exactly two decimals, rounded half away from zero, with the given decimal separator.
std::string FormatCostsTwoDecimals(const CMoney& costs, const std::string& decimalSeparator);
void AppendCostsTwoDecimals(std::string& out, const CMoney& costs, const std::string& decimalSeparator);
