#include "log/ExportLine.h"

#include "core/StringTable.h"
#include "log/ProtokollRows.h"
#include "settings/Formatting.h"

#include <charconv>

void AppendCostsTwoDecimals(std::string& out, const CMoney& costs, const std::string& decimalSeparator) {
    const int64_t value = costs.GetValue();
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const uint64_t cents = (magnitude + 50) / 100;
    if (negative && cents != 0) {
        out += '-';
    }
    char whole[24];
    const auto end = std::to_chars(whole, whole + sizeof whole, cents / 100).ptr;
    out.append(whole, end);
    out += decimalSeparator;
    out += static_cast<char>('0' + cents / 10 % 10);
    out += static_cast<char>('0' + cents % 10);
}

std::string FormatCostsTwoDecimals(const CMoney& costs, const std::string& decimalSeparator) {
    std::string text;
    AppendCostsTwoDecimals(text, costs, decimalSeparator);
    return text;
}

const std::string& CExportLine::Format(const LogEntry& entry) {
    char number[16];
    const auto [end, ec] = std::to_chars(number, number + sizeof number, entry.units);
    m_line.clear();
    m_start.Append(m_line, entry.start);
    m_line += ';';
    AppendDuration(m_line, entry.duration.GetDays(), m_facts);
    m_line += ';';
    m_line.append(number, end);
    m_line += ';';
    AppendCostsTwoDecimals(m_line, entry.costs, m_facts.decimalSeparator);
    for (const std::string* text : {&entry.connectionName, &entry.userName, &entry.deviceName, &entry.tariffName}) {
        m_line += ';';
        m_line += *text;
    }
    m_line += "\r\n";
    return m_line;
}

std::string ExportHeader(const CStringTable& strings) {
    std::string header;
    for (int column = 0; column < CProtokollRows::kColumns; ++column) {
        header += header.empty() ? "" : ";";
        header += strings.Get(CProtokollRows::Heading(column));
    }
    return header + "\r\n";
}
