#include "log/ExportLine.h"

#include "core/StringTable.h"
#include "settings/Formatting.h"

#include <charconv>

std::string FormatCostsTwoDecimals(const CMoney& costs, const std::string& decimalSeparator) {
    const int64_t value = costs.GetValue();
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const uint64_t cents = (magnitude + 50) / 100;
    std::string text = negative && cents != 0 ? "-" : "";
    text += std::to_string(cents / 100);
    text += decimalSeparator;
    text += static_cast<char>('0' + cents / 10 % 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

const std::string& CExportLine::Format(const LogEntry& entry) {
    char number[16];
    const auto [end, ec] = std::to_chars(number, number + sizeof number, entry.units);
    m_line.clear();
    m_line += m_start.Format(entry.start);
    m_line += ';';
    m_line += FormatTimeOfDay(entry.duration.GetDays(), m_facts);
    m_line += ';';
    m_line.append(number, end);
    m_line += ';';
    m_line += FormatCostsTwoDecimals(entry.costs, m_facts.decimalSeparator);
    for (const std::string* text : {&entry.connectionName, &entry.userName, &entry.deviceName, &entry.tariffName}) {
        m_line += ';';
        m_line += *text;
    }
    m_line += "\r\n";
    return m_line;
}

std::string ExportHeader(const CStringTable& strings) {
    std::string header;
    for (unsigned id : {410u, 411u, 412u, 413u, 414u, 416u, 415u, 417u}) {
        header += header.empty() ? "" : ";";
        header += strings.Get(id);
    }
    return header + "\r\n";
}
