#include "log/ProtokollRows.h"

#include "core/ResourceIds.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollFilter.h"

#include <algorithm>

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
    m_lastText.fill(UINT32_MAX);
    m_totals = LogTotals();
    CProtokollFile log(directory);
    if (!log.OpenRecordFile()) {
        return true; // a log that cannot be opened shows as empty
    }
    if (filter != nullptr && filter->IsActive()) {
        log.SetFilter([filter](const LogEntry& entry) { return filter->Matches(entry); });
    }
    const uint32_t total = log.GetRecordCount();
    // Room for every record: pages that stay unused cost address space, not memory.
    m_rows.reserve(total);
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
                      Intern(kConnection, e.connectionName), Intern(kDevice, e.deviceName),
                      Intern(kUser, e.userName), Intern(kTariff, e.tariffName)});
    ++m_totals.count;
    m_totals.duration += e.duration;
    m_totals.units += e.units;
    m_totals.costs += e.costs;
}

// Logs repeat a name many times in a row: the text of the row before is tried first.
uint32_t CProtokollRows::Intern(Column column, const std::string& text) {
    uint32_t& last = m_lastText[column - kConnection];
    if (last < m_texts.Size() && m_texts.Text(last) == text) {
        return last;
    }
    last = m_texts.Intern(text);
    return last;
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

double CProtokollRows::SortKey(const ProtokollZeile& row, Column column, const std::vector<uint32_t>& ranks) {
    switch (column) {
    case kStart:
        return row.start.Linear();
    case kDuration:
        return row.duration.GetDays();
    case kUnits:
        return row.units;
    case kCosts:
        return static_cast<double>(row.costs.GetValue());
    case kConnection:
        return ranks[row.connectionName];
    case kUser:
        return ranks[row.userName];
    case kDevice:
        return ranks[row.deviceName];
    default:
        return ranks[row.tariffName];
    }
}

std::vector<uint32_t> CProtokollRows::Order(Column column, bool descending) const {
    const std::vector<uint32_t> ranks = column >= kConnection ? m_texts.ByteOrderRanks() : std::vector<uint32_t>();
    // Rows without a valid duration lead in both directions, in log order; the others are sorted by
    // one key each, equal keys in log order.
    std::vector<uint32_t> order;
    std::vector<std::pair<double, uint32_t>> keyed;
    keyed.reserve(m_rows.size());
    for (uint32_t row = 0; row < m_rows.size(); ++row) {
        if (!m_rows[row].duration.IsValid()) {
            order.push_back(row);
        } else {
            const double key = SortKey(m_rows[row], column, ranks);
            keyed.emplace_back(descending ? -key : key, row);
        }
    }
    // Logs are written as time runs, so by start they are mostly in order already.
    if (!std::is_sorted(keyed.begin(), keyed.end())) {
        std::sort(keyed.begin(), keyed.end());
    }
    order.reserve(m_rows.size());
    for (const auto& [key, row] : keyed) {
        order.push_back(row);
    }
    return order;
}
