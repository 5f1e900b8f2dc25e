#include "log/ProtokollRows.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "core/TextEncoding.h"
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

bool CProtokollRows::Read(const std::string& directory, const CProtokollFilter* filter, const CStringTable& strings,
                          const Progress& progress) {
    m_rows.clear();
    m_texts = CTextPool();
    for (auto& recent : m_recentTexts) {
        recent.fill(UINT32_MAX);
    }
    m_totals = LogTotals();
    CProtokollFile log(directory);
    if (!log.OpenForReading()) {
        return true; // a log that cannot be opened shows as empty
    }
    const uint32_t total = log.GetRecordCount();
    // Room for every record: pages that stay unused cost address space, not memory.
    m_rows.reserve(total);
    // Texts are taken as they are stored and decoded once each at the end, not once per record.
    LogEntry numbers;
    const bool complete = log.ForEachValid([&](uint32_t index, const uint8_t* data) {
        if (progress && index % kProgressEvery == 0 && !progress(index, total)) {
            return false;
        }
        CProtokollFile::ReadNumbers(data, numbers);
        m_rows.push_back({numbers.start, numbers.duration, numbers.costs, numbers.units, static_cast<int32_t>(index),
                          Intern(kConnection, CProtokollFile::TextBytes(data, CProtokollFile::Text::kConnection)),
                          Intern(kDevice, CProtokollFile::TextBytes(data, CProtokollFile::Text::kDevice)),
                          Intern(kUser, CProtokollFile::TextBytes(data, CProtokollFile::Text::kUser)),
                          Intern(kTariff, CProtokollFile::TextBytes(data, CProtokollFile::Text::kTariff))});
        return true;
    });
    log.Close();
    const std::vector<uint32_t> newIds = m_texts.Transform([&strings](const std::string& stored) {
        std::string text;
        DecodeTextBytes(stored, text);
        return strings.ShownName(text);
    });
    Renumber(newIds);
    if (filter != nullptr && filter->IsActive()) {
        KeepMatching(*filter, strings);
    }
    for (const ProtokollZeile& row : m_rows) {
        AddToTotals(row);
    }
    return complete;
}

// Only a log that holds one name in two languages has texts made one.
void CProtokollRows::Renumber(const std::vector<uint32_t>& newIds) {
    bool same = true;
    for (uint32_t id = 0; id < newIds.size() && same; ++id) {
        same = newIds[id] == id;
    }
    if (same) {
        return;
    }
    for (ProtokollZeile& row : m_rows) {
        for (uint32_t* text : {&row.connectionName, &row.deviceName, &row.userName, &row.tariffName}) {
            *text = newIds[*text];
        }
    }
}

void CProtokollRows::KeepMatching(const CProtokollFilter& filter, const CStringTable& strings) {
    // The chosen texts as ids of the pool, a name as these strings show it; a text the log does not
    // hold lets nothing through.
    std::array<std::optional<uint32_t>, 4> chosen;
    for (const Column column : {kConnection, kUser, kDevice, kTariff}) {
        if (const std::optional<std::string> text = filter.ChosenText(FilterField(column))) {
            chosen[column - kConnection] = m_texts.Find(strings.ShownName(*text)).value_or(UINT32_MAX);
        }
    }
    auto passes = [&](const ProtokollZeile& row) {
        // In the order of the columns, as the chosen ids are.
        const uint32_t ids[] = {row.connectionName, row.userName, row.deviceName, row.tariffName};
        for (size_t i = 0; i < chosen.size(); ++i) {
            if (chosen[i] && *chosen[i] != ids[i]) {
                return false;
            }
        }
        return filter.MatchesValues(row.start, row.duration, row.costs, row.units);
    };
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [&](const ProtokollZeile& row) { return !passes(row); }),
                 m_rows.end());
}

CProtokollFilter::TextField CProtokollRows::FilterField(Column column) {
    switch (column) {
    case kConnection:
        return CProtokollFilter::kConnection;
    case kDevice:
        return CProtokollFilter::kDevice;
    case kUser:
        return CProtokollFilter::kUser;
    default:
        return CProtokollFilter::kTariff;
    }
}

void CProtokollRows::AddToTotals(const ProtokollZeile& row) {
    ++m_totals.count;
    m_totals.duration += row.duration;
    m_totals.units += row.units;
    m_totals.costs += row.costs;
}

// A log uses a handful of names per column over and over: the column's recent texts are tried
// before the pool is asked.
uint32_t CProtokollRows::Intern(Column column, std::string_view text) {
    std::array<uint32_t, kRecentTexts>& recent = m_recentTexts[column - kConnection];
    for (const uint32_t id : recent) {
        if (id == UINT32_MAX) {
            break;
        }
        if (m_texts.Text(id) == text) {
            return id;
        }
    }
    const uint32_t id = m_texts.Intern(text);
    std::copy_backward(recent.begin(), recent.end() - 1, recent.end());
    recent.front() = id;
    return id;
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

double CProtokollRows::SortKey(const ProtokollZeile& row, Column column) {
    switch (column) {
    case kStart:
        return row.start.Linear();
    case kDuration:
        return row.duration.GetDays();
    case kUnits:
        return row.units;
    default:
        return static_cast<double>(row.costs.GetValue());
    }
}

uint32_t CProtokollRows::TextId(const ProtokollZeile& row, Column column) {
    switch (column) {
    case kConnection:
        return row.connectionName;
    case kUser:
        return row.userName;
    case kDevice:
        return row.deviceName;
    default:
        return row.tariffName;
    }
}

// Rows without a valid duration lead in both directions, in log order; the others follow in the
// column's order, equal ones in log order.
std::vector<uint32_t> CProtokollRows::Order(Column column, bool descending) const {
    std::vector<uint32_t> order;
    order.reserve(m_rows.size());
    for (uint32_t row = 0; row < m_rows.size(); ++row) {
        if (!m_rows[row].duration.IsValid()) {
            order.push_back(row);
        }
    }
    if (column >= kConnection) {
        AppendByText(order, column, descending);
    } else {
        AppendByValue(order, column, descending);
    }
    return order;
}

void CProtokollRows::AppendByValue(std::vector<uint32_t>& order, Column column, bool descending) const {
    // Logs are written as time runs, so by start they are in order already, mostly.
    if (AppendIfInOrder(order, column, descending)) {
        return;
    }
    std::vector<std::pair<double, uint32_t>> keyed;
    keyed.reserve(m_rows.size());
    for (uint32_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].duration.IsValid()) {
            const double key = SortKey(m_rows[row], column);
            keyed.emplace_back(descending ? -key : key, row);
        }
    }
    std::sort(keyed.begin(), keyed.end());
    for (const auto& [key, row] : keyed) {
        order.push_back(row);
    }
}

bool CProtokollRows::AppendIfInOrder(std::vector<uint32_t>& order, Column column, bool descending) const {
    std::vector<uint32_t> valid;
    valid.reserve(m_rows.size() - order.size());
    for (uint32_t row = 0; row < m_rows.size(); ++row) {
        if (!m_rows[row].duration.IsValid()) {
            continue;
        }
        if (!valid.empty() && SortKey(m_rows[row], column) < SortKey(m_rows[valid.back()], column)) {
            return false;
        }
        valid.push_back(row);
    }
    if (!descending) {
        order.insert(order.end(), valid.begin(), valid.end());
        return true;
    }
    // From the end, each run of equal values in log order.
    for (size_t end = valid.size(); end > 0;) {
        size_t begin = end - 1;
        while (begin > 0 && SortKey(m_rows[valid[begin - 1]], column) == SortKey(m_rows[valid[end - 1]], column)) {
            --begin;
        }
        order.insert(order.end(), valid.begin() + static_cast<ptrdiff_t>(begin),
                     valid.begin() + static_cast<ptrdiff_t>(end));
        end = begin;
    }
    return true;
}

// A log holds few distinct texts: the rows are counted into one bucket per text, in byte order.
void CProtokollRows::AppendByText(std::vector<uint32_t>& order, Column column, bool descending) const {
    std::vector<uint32_t> ranks = m_texts.ByteOrderRanks();
    if (descending) {
        for (uint32_t& rank : ranks) {
            rank = static_cast<uint32_t>(ranks.size()) - 1 - rank;
        }
    }
    std::vector<size_t> start(ranks.size() + 1, 0);
    for (const ProtokollZeile& row : m_rows) {
        if (row.duration.IsValid()) {
            ++start[ranks[TextId(row, column)] + 1];
        }
    }
    for (size_t rank = 1; rank < start.size(); ++rank) {
        start[rank] += start[rank - 1];
    }
    const size_t first = order.size();
    order.resize(first + start.back());
    for (uint32_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].duration.IsValid()) {
            order[first + start[ranks[TextId(m_rows[row], column)]]++] = row;
        }
    }
}
