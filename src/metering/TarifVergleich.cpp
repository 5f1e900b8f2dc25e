#include "metering/TarifVergleich.h"

#include "log/ProtokollRows.h"
#include "tariffs/TariffFiles.h"

#include <algorithm>
#include <numeric>

std::vector<CTarifVergleich::Tariff> CTarifVergleich::TariffFilesOf(const std::string& directory) {
    std::vector<Tariff> tariffs;
    for (const TariffFileEntry& file : CTariffFiles::List(directory)) {
        tariffs.push_back({file.title, directory + file.fileName});
    }
    return tariffs;
}

CTarifVergleich::CTarifVergleich(const CProtokollRows& rows, const std::vector<uint32_t>& positions) {
    for (const uint32_t position : positions) {
        const ProtokollZeile& row = rows[position];
        const int64_t seconds = row.duration.IsValid() ? row.duration.GetTotalSeconds() : -1;
        if (!row.start.IsValid() || seconds < 0 || seconds > kLongestConnection) {
            continue;
        }
        m_rows.push_back(position);
        m_connections.push_back({row.start, static_cast<uint32_t>(seconds)});
        m_loggedSeconds += seconds;
        m_loggedUnits += row.units;
        m_loggedCosts += row.costs;
    }
}

bool CTarifVergleich::Compare(const std::vector<Tariff>& tariffs, const CNachberechnung::CounterRules& rules,
                              const Progress& progress) {
    m_lines.clear();
    m_cheapest.reset();
    const size_t total = tariffs.size() * m_connections.size();
    for (const Tariff& tariff : tariffs) {
        const size_t before = m_lines.size() * m_connections.size();
        const CNachberechnung rating(tariff.path, rules);
        Line line{tariff.title, rating.IsReadable(), 0, CMoney(), {}};
        if (line.readable) {
            bool cancelled = false;
            line.ratings = rating.Rate(m_connections, [&](size_t done) {
                cancelled = progress && !progress(before + done, total);
                return !cancelled;
            });
            if (cancelled) {
                return false;
            }
        }
        for (const CNachberechnung::Rating& r : line.ratings) {
            line.units += r.units;
            line.costs += r.costs;
        }
        m_lines.push_back(std::move(line));
    }
    // Two tariffs that cost the same are both the cheapest: then none is named so.
    const std::vector<size_t> order = CheapestFirst();
    const bool tie =
        order.size() >= 2 && m_lines[order[1]].readable && m_lines[order[1]].costs == m_lines[order.front()].costs;
    if (!m_rows.empty() && !order.empty() && m_lines[order.front()].readable && !tie) {
        m_cheapest = order.front();
    }
    return true;
}

std::vector<size_t> CTarifVergleich::CheapestFirst() const {
    std::vector<size_t> order(m_lines.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        const Line& x = m_lines[a];
        const Line& y = m_lines[b];
        return x.readable != y.readable ? x.readable : x.readable && x.costs < y.costs;
    });
    return order;
}

double CTarifVergleich::SavingPercent(const Line& line) const {
    if (m_loggedCosts.GetValue() == 0) {
        return 0.0;
    }
    return static_cast<double>((m_loggedCosts - line.costs).GetValue()) * 100.0 /
           static_cast<double>(m_loggedCosts.GetValue());
}
