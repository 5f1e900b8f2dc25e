#pragma once

#include "core/Money.h"
#include "metering/Nachberechnung.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CProtokollRows;

// Logged connections re-rated under several tariff files, beside what was logged for them: which
// tariff would have been cheapest for the way the line was used.
class CTarifVergleich {
public:
    // A connection longer than this is taken for a damaged record and left out: an always-on link
    // lasts months, but re-rating years unit by unit would hold up the comparison.
    static constexpr uint32_t kLongestConnection = 366 * 86400;

    struct Line {
        std::string title; // of the tariff file; empty for the default tariff
        bool readable = false;
        int64_t units = 0;
        CMoney costs;
        std::vector<CNachberechnung::Rating> ratings; // by connection compared
    };
    struct Tariff {
        std::string title;
        std::string path;
    };
    // Every tariff file of the data directory, the default tariff first.
    static std::vector<Tariff> TariffFilesOf(const std::string& directory);
    // Told how many connections of all tariffs are done, of how many; false cancels.
    using Progress = std::function<bool(size_t done, size_t total)>;

    // The rows to compare, by their positions; those without a valid start or duration are left out.
    CTarifVergleich(const CProtokollRows& rows, const std::vector<uint32_t>& positions);

    // Re-rates the connections under each tariff; false when cancelled.
    bool Compare(const std::vector<Tariff>& tariffs, const CNachberechnung::CounterRules& rules,
                 const Progress& progress = {});

    // The positions of the rows compared, and what was logged for them.
    const std::vector<uint32_t>& Rows() const { return m_rows; }
    int64_t LoggedSeconds() const { return m_loggedSeconds; }
    int64_t LoggedUnits() const { return m_loggedUnits; }
    CMoney LoggedCosts() const { return m_loggedCosts; }

    const std::vector<Line>& Lines() const { return m_lines; }
    // The readable tariffs from the cheapest, then those that could not be read.
    std::vector<size_t> CheapestFirst() const;
    // Nothing when there was nothing to compare.
    std::optional<size_t> Cheapest() const { return m_cheapest; }
    // What the tariff would have cost more than the logged costs (less when negative).
    CMoney Difference(const Line& line) const { return line.costs - m_loggedCosts; }
    // The logged costs saved, in percent of them; 0 when nothing was logged.
    double SavingPercent(const Line& line) const;

private:
    std::vector<uint32_t> m_rows;
    std::vector<CNachberechnung::Connection> m_connections;
    int64_t m_loggedSeconds = 0;
    int64_t m_loggedUnits = 0;
    CMoney m_loggedCosts;
    std::vector<Line> m_lines;
    std::optional<size_t> m_cheapest; // found once the comparison is complete
};
