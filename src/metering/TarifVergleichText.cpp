#include "metering/TarifVergleichText.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "log/ProtokollRows.h"
#include "metering/TarifVergleich.h"
#include "settings/Formatting.h"
#include "tariffs/TariffFiles.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<const char*, CTarifVergleichText::kTariffColumns> kTariffKeys = {"tariff", "units", "costs",
                                                                                      "difference", "saving"};
constexpr std::array<const char*, CTarifVergleichText::kConnectionColumns> kConnectionKeys = {
    "start", "connection", "user", "device", "duration", "loggedUnits", "loggedCosts", "units", "costs", "difference"};

} // namespace

CTarifVergleichText::CTarifVergleichText(const CTarifVergleich& comparison, const CProtokollRows& rows,
                                         const CStringTable& strings, Style style)
    : m_comparison(comparison), m_rows(rows), m_strings(strings), m_style(style),
      m_facts(style != Style::kPlain ? LocaleFacts::FromCLibrary() : LocaleFacts{}) {}

std::string CTarifVergleichText::Caption() const {
    return m_strings.Format(Str::kCompareCaption, {std::to_string(m_comparison.Rows().size()),
                                                   Amount(m_comparison.LoggedCosts().GetValue())});
}

std::string CTarifVergleichText::ConnectionsCaption(size_t line) const {
    return m_strings.Format(Str::kCompareConnectionsOf, {TariffName(line)});
}

std::string CTarifVergleichText::TariffName(size_t line) const {
    const std::string& title = m_comparison.Lines()[line].title;
    if (!title.empty()) {
        return title;
    }
    return m_style == Style::kWindow ? m_strings.Get(Str::kDefaultTariff) : std::string(CTariffFiles::kDefaultTitle);
}

std::string CTarifVergleichText::TariffHeading(int column) const {
    if (m_style == Style::kPlain) {
        return kTariffKeys[column];
    }
    constexpr std::array<unsigned, kTariffColumns> headings = {Str::kTariffColumn, Str::kFirstLogColumn + 2,
                                                               Str::kFirstLogColumn + 3, Str::kCompareDifference,
                                                               Str::kCompareSaving};
    return m_strings.Get(headings[column]);
}

std::string CTarifVergleichText::ConnectionHeading(int column) const {
    if (m_style == Style::kPlain) {
        return kConnectionKeys[column];
    }
    const std::array<unsigned, kConnectionColumns> headings = {CProtokollRows::Heading(CProtokollRows::kStart),
                                                               CProtokollRows::Heading(CProtokollRows::kConnection),
                                                               CProtokollRows::Heading(CProtokollRows::kUser),
                                                               CProtokollRows::Heading(CProtokollRows::kDevice),
                                                               CProtokollRows::Heading(CProtokollRows::kDuration),
                                                               Str::kCompareLoggedUnits,
                                                               Str::kCompareLoggedCosts,
                                                               CProtokollRows::Heading(CProtokollRows::kUnits),
                                                               CProtokollRows::Heading(CProtokollRows::kCosts),
                                                               Str::kCompareDifference};
    return m_strings.Get(headings[column]);
}

std::string CTarifVergleichText::Amount(int64_t value) const {
    return FormatAmount(CMoney(value), m_facts);
}

// To a tenth, with the locale's separator for people: never through printf, whose separator
// follows the C library's locale for machines too.
std::string CTarifVergleichText::Percent(double value) const {
    const long long tenths = std::llround(value * 10);
    const long long whole = std::llabs(tenths);
    const std::string separator = m_style != Style::kPlain ? m_facts.decimalSeparator : std::string(".");
    const std::string text =
        (tenths < 0 ? "-" : "") + std::to_string(whole / 10) + separator + std::to_string(whole % 10);
    return m_style != Style::kPlain ? text + " %" : text;
}

// For people a dearer tariff shows its "+".
std::string CTarifVergleichText::Difference(int64_t value) const {
    return (m_style != Style::kPlain && value > 0 ? "+" : "") + Amount(value);
}

std::string CTarifVergleichText::TariffCell(size_t line, int column) const {
    const CTarifVergleich::Line& l = m_comparison.Lines()[line];
    if (column == kTariff) {
        const bool marked = m_style != Style::kPlain && m_comparison.Cheapest() == line;
        return marked ? m_strings.Format(Str::kCompareCheapest, {TariffName(line)}) : TariffName(line);
    }
    if (!l.readable) {
        return m_style != Style::kPlain && column == kUnits ? m_strings.Get(Str::kCompareUnreadable) : std::string();
    }
    switch (column) {
    case kUnits:
        return std::to_string(l.units);
    case kCosts:
        return Amount(l.costs.GetValue());
    case kDifference:
        return Difference(m_comparison.Difference(l).GetValue());
    default:
        return Percent(m_comparison.SavingPercent(l));
    }
}

std::string CTarifVergleichText::ConnectionCell(size_t line, size_t connection, int column) const {
    const ProtokollZeile& row = m_rows[m_comparison.Rows()[connection]];
    const CTarifVergleich::Line& l = m_comparison.Lines()[line];
    const CNachberechnung::Rating rated = l.readable ? l.ratings[connection] : CNachberechnung::Rating{};
    switch (column) {
    case kStart:
        return m_style != Style::kPlain ? m_startText.Format(row.start) : row.start.FormatIso();
    case kConnection:
        return m_rows.Text(row.connectionName);
    case kUser:
        return m_rows.Text(row.userName);
    case kDevice:
        return m_rows.Text(row.deviceName);
    case kDuration:
        return m_style != Style::kPlain ? FormatDuration(row.duration.GetDays(), m_facts)
                                        : std::to_string(row.duration.GetTotalSeconds());
    case kLoggedUnits:
        return std::to_string(row.units);
    case kLoggedCosts:
        return Amount(row.costs.GetValue());
    case kRatedUnits:
        return std::to_string(rated.units);
    case kRatedCosts:
        return Amount(rated.costs.GetValue());
    default:
        return Difference((rated.costs - row.costs).GetValue());
    }
}

std::vector<std::string> CTarifVergleichText::TariffHeadings() const {
    std::vector<std::string> headings;
    for (int column = 0; column < kTariffColumns; ++column) {
        headings.push_back(TariffHeading(column));
    }
    return headings;
}

std::vector<std::string> CTarifVergleichText::ConnectionHeadings() const {
    std::vector<std::string> headings;
    for (int column = 0; column < kConnectionColumns; ++column) {
        headings.push_back(ConnectionHeading(column));
    }
    return headings;
}

std::vector<std::string> CTarifVergleichText::TariffCells(size_t line) const {
    std::vector<std::string> cells;
    for (int column = 0; column < kTariffColumns; ++column) {
        cells.push_back(TariffCell(line, column));
    }
    return cells;
}

std::vector<std::string> CTarifVergleichText::ConnectionCells(size_t line, size_t connection) const {
    std::vector<std::string> cells;
    for (int column = 0; column < kConnectionColumns; ++column) {
        cells.push_back(ConnectionCell(line, connection, column));
    }
    return cells;
}

std::vector<std::string> CTarifVergleichText::ConnectionTotals(size_t line) const {
    const CTarifVergleich::Line& l = m_comparison.Lines()[line];
    const int64_t seconds = m_comparison.LoggedSeconds();
    return {m_style != Style::kPlain ? m_strings.Get(Str::kLogTotal) : std::string("total"),
            std::string(),
            std::string(),
            std::string(),
            m_style != Style::kPlain ? FormatDuration(CTimeSpan::FromSeconds(seconds).GetDays(), m_facts)
                                     : std::to_string(seconds),
            std::to_string(m_comparison.LoggedUnits()),
            Amount(m_comparison.LoggedCosts().GetValue()),
            std::to_string(l.units),
            Amount(l.costs.GetValue()),
            Difference(m_comparison.Difference(l).GetValue())};
}

CTextTable CTarifVergleichText::Tariffs(const std::vector<size_t>& order) const {
    CTextTable table({TariffHeadings()}, {kUnits, kCosts, kDifference, kSaving});
    for (const size_t line : order) {
        table.AddRow(TariffCells(line));
    }
    return table;
}

CTextTable CTarifVergleichText::Connections(size_t line) const {
    CTextTable table({ConnectionHeadings()},
                     {kDuration, kLoggedUnits, kLoggedCosts, kRatedUnits, kRatedCosts, kRatedDifference});
    for (size_t connection = 0; connection < m_comparison.Rows().size(); ++connection) {
        table.AddRow(ConnectionCells(line, connection));
    }
    table.AddRow(ConnectionTotals(line));
    return table;
}

std::string CTarifVergleichText::Report(const std::vector<size_t>& order, size_t line, bool csv) const {
    const CTextTable tariffs = Tariffs(order);
    const CTextTable connections = Connections(line);
    if (csv) {
        return tariffs.ToCsv() + "\r\n" + connections.ToCsv();
    }
    return Caption() + "\n\n" + tariffs.ToAlignedText() + "\n" + ConnectionsCaption(line) + "\n\n" +
           connections.ToAlignedText();
}
