#pragma once

#include "core/TextTable.h"
#include "settings/DateTimeText.h"
#include "settings/LocaleFacts.h"

#include <string>
#include <vector>

class CProtokollRows;
class CStringTable;
class CTarifVergleich;

// The cells of a tariff comparison as text: the line of each tariff and the connections under one
// of them, in the user's locale for people or plain for machines (ISO dates, seconds, "." amounts).
// The window's lists, its export and the command line show the same cells.
class CTarifVergleichText {
public:
    // kWindow and kTerminal are for people; the terminal names the default tariff by the title that
    // --tariff takes, as its CSV and JSON do, where the window says "(Default tariff)".
    enum class Style { kWindow, kTerminal, kPlain };
    enum TariffColumn { kTariff, kUnits, kCosts, kDifference, kSaving, kTariffColumns };
    enum ConnectionColumn {
        kStart,
        kConnection,
        kUser,
        kDevice,
        kDuration,
        kLoggedUnits,
        kLoggedCosts,
        kRatedUnits,
        kRatedCosts,
        kRatedDifference,
        kConnectionColumns
    };

    CTarifVergleichText(const CTarifVergleich& comparison, const CProtokollRows& rows, const CStringTable& strings,
                        Style style);

    // "The N connections shown, which cost X as logged, ..." and "Each connection under T:".
    std::string Caption() const;
    std::string ConnectionsCaption(size_t line) const;
    std::string TariffName(size_t line) const;
    std::string TariffHeading(int column) const;
    std::string ConnectionHeading(int column) const;
    // The tariff's name; for people the cheapest is marked.
    std::string TariffCell(size_t line, int column) const;
    std::string ConnectionCell(size_t line, size_t connection, int column) const;

    std::vector<std::string> TariffHeadings() const;
    std::vector<std::string> ConnectionHeadings() const;
    std::vector<std::string> TariffCells(size_t line) const;
    std::vector<std::string> ConnectionCells(size_t line, size_t connection) const;
    // The sums of the connections' columns, headed "Total".
    std::vector<std::string> ConnectionTotals(size_t line) const;
    // Whether a connection column holds text rather than a number.
    static bool IsTextColumn(int column) { return column <= kDevice; }

    // The tariffs in the order given, and the connections under one tariff with their totals.
    CTextTable Tariffs(const std::vector<size_t>& order) const;
    CTextTable Connections(size_t line) const;
    // The tariffs in the order given, then the connections under one of them: aligned text or CSV.
    std::string Report(const std::vector<size_t>& order, size_t line, bool csv) const;

private:
    std::string Amount(int64_t value) const;
    std::string Difference(int64_t value) const;
    std::string Percent(double value) const;

    const CTarifVergleich& m_comparison;
    const CProtokollRows& m_rows;
    const CStringTable& m_strings;
    Style m_style;
    LocaleFacts m_facts;
    mutable CDateTimeText m_startText; // remembers the last date it formatted
};
