#include "log/ProtokollRows.h"

#include "core/ResourceIds.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollFilter.h"

#include <algorithm>
#include <numeric>

namespace {
// The progress is told once per this many records: often enough for a bar, rarely enough to cost
// nothing.
constexpr uint32_t kProgressEvery = 16384;

// -1, 0 or 1, as three-way comparisons answer.
template <class T> int Compare(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}
} // namespace

unsigned CProtokollRows::Heading(int column) {
    static constexpr unsigned kHeadings[kColumns] = {0, 1, 2, 3, 4, 6, 5, 7};
    return Str::kFirstLogColumn + kHeadings[column];
}

bool CProtokollRows::Read(const std::string& directory, const CProtokollFilter* filter, const Progress& progress) {
    m_rows.clear();
    m_texts = CTextPool();
    m_totals = LogTotals();
    CProtokollFile log(directory);
    if (!log.OpenRecordFile()) {
        return true; // a log that cannot be opened shows as empty
    }
    if (filter != nullptr) {
        log.SetFilter([filter](const LogEntry& entry) { return filter->Matches(entry); });
    }
    const uint32_t total = log.GetRecordCount();
    bool complete = true;
    for (bool found = log.FindFirst(0, 0); found; found = log.FindNext()) {
        const uint32_t index = log.GetRecordIndex();
        if (progress && index % kProgressEvery == 0 && !progress(index, total)) {
            complete = false;
            break;
        }
        Add(log.Entry(), index);
    }
    log.Close();
    return complete;
}

void CProtokollRows::Add(const LogEntry& e, uint32_t recordIndex) {
    m_rows.push_back({e.start, e.duration, e.costs, e.units, static_cast<int32_t>(recordIndex),
                      m_texts.Intern(e.connectionName), m_texts.Intern(e.deviceName), m_texts.Intern(e.userName),
                      m_texts.Intern(e.tariffName)});
    ++m_totals.count;
    m_totals.duration += e.duration;
    m_totals.units += e.units;
    m_totals.costs += e.costs;
}

void CProtokollRows::ToEntry(size_t row, LogEntry& entry) const {
    const ProtokollZeile& r = m_rows[row];
    entry.start = r.start;
    entry.duration = r.duration;
    entry.costs = r.costs;
    entry.units = r.units;
    entry.connectionName = Text(r.connectionName);
    entry.deviceName = Text(r.deviceName);
    entry.userName = Text(r.userName);
    entry.tariffName = Text(r.tariffName);
}

std::vector<uint32_t> CProtokollRows::Order(Column column, bool descending) const {
    const std::vector<uint32_t> ranks = column >= kConnection ? m_texts.ByteOrderRanks() : std::vector<uint32_t>();
    auto textRank = [&ranks, column](const ProtokollZeile& r) {
        switch (column) {
        case kConnection:
            return ranks[r.connectionName];
        case kUser:
            return ranks[r.userName];
        case kDevice:
            return ranks[r.deviceName];
        default:
            return ranks[r.tariffName];
        }
    };
    auto compare = [&](const ProtokollZeile& a, const ProtokollZeile& b) {
        switch (column) {
        case kStart:
            return Compare(a.start, b.start);
        case kDuration:
            return Compare(a.duration, b.duration);
        case kUnits:
            return Compare(a.units, b.units);
        case kCosts:
            return Compare(a.costs, b.costs);
        default:
            return Compare(textRank(a), textRank(b));
        }
    };
    std::vector<uint32_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t x, uint32_t y) {
        const ProtokollZeile& a = m_rows[x];
        const ProtokollZeile& b = m_rows[y];
        // Rows without a valid duration lead in both directions and are equal among themselves.
        if (!a.duration.IsValid() || !b.duration.IsValid()) {
            return !a.duration.IsValid() && b.duration.IsValid();
        }
        const int sign = compare(a, b);
        return descending ? sign > 0 : sign < 0;
    });
    return order;
}
