#pragma once

#include "core/TextPool.h"
#include "log/LogEntry.h"
#include "log/LogTotals.h"
#include "log/ProtokollFilter.h"
#include "log/ProtokollZeile.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class CStringTable;

// The rows of the log that a filter lets through, read in one pass in log order, with their
// texts interned. The log view, the summary, printing, the export and the command line share them.
class CProtokollRows {
public:
    // The columns of the log view, by which the rows can be ordered.
    enum Column { kStart, kDuration, kUnits, kCosts, kConnection, kUser, kDevice, kTariff, kColumns };
    // The heading of a column (the user's column comes before the device's, though their headings
    // are numbered the other way round).
    static unsigned Heading(int column);
    // Told now and then how far the reading is (records of the file, deleted slots included);
    // answers false to stop the reading.
    using Progress = std::function<bool(uint32_t done, uint32_t total)>;

    // False when the reading was stopped; the rows are then those read so far. A name stored in
    // another language's words for "none" (CStringTable::ShownName) reads as the strings' own.
    bool Read(const std::string& directory, const CProtokollFilter* filter, const CStringTable& strings,
              const Progress& progress = {});

    size_t Size() const { return m_rows.size(); }
    const ProtokollZeile& operator[](size_t row) const { return m_rows[row]; }
    const std::string& Text(uint32_t id) const { return m_texts.Text(id); }
    // The row with its texts, reusing the entry's strings.
    void ToEntry(size_t row, LogEntry& entry) const;
    const LogTotals& Totals() const { return m_totals; }

    // The rows' positions in the order of a column. Rows whose duration is not valid come first in
    // either direction, among themselves in log order; texts compare byte by byte, so capitals come
    // before small letters; rows that compare equal keep their log order.
    std::vector<uint32_t> Order(Column column, bool descending) const;

private:
    uint32_t Intern(Column column, std::string_view text);
    void Renumber(const std::vector<uint32_t>& newIds);
    void KeepMatching(const CProtokollFilter& filter, const CStringTable& strings);
    void AddToTotals(const ProtokollZeile& row);
    static CProtokollFilter::TextField FilterField(Column column);
    // The row's value in a column of numbers, as one number that orders as the column does.
    static double SortKey(const ProtokollZeile& row, Column column);
    static uint32_t TextId(const ProtokollZeile& row, Column column);
    void AppendByValue(std::vector<uint32_t>& order, Column column, bool descending) const;
    // Appends the rows with a valid duration when they are in the column's order already.
    bool AppendIfInOrder(std::vector<uint32_t>& order, Column column, bool descending) const;
    void AppendByText(std::vector<uint32_t>& order, Column column, bool descending) const;

    std::vector<ProtokollZeile> m_rows;
    CTextPool m_texts;
    static constexpr size_t kRecentTexts = 8;
    std::array<std::array<uint32_t, kRecentTexts>, 4> m_recentTexts{}; // by text column, the latest first
    LogTotals m_totals;
};
