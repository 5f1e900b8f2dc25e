#include "log/ChosenRecords.h"

#include "core/FileLayer.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollRows.h"

#include <algorithm>

CChosenRecords CChosenRecords::Of(const CProtokollRows& rows, const std::vector<size_t>& positions) {
    CChosenRecords chosen;
    for (const size_t position : positions) {
        chosen.Add(rows, position);
    }
    return chosen;
}

CChosenRecords CChosenRecords::All(const CProtokollRows& rows) {
    CChosenRecords chosen;
    for (size_t position = 0; position < rows.Size(); ++position) {
        chosen.Add(rows, position);
    }
    return chosen;
}

void CChosenRecords::Add(const CProtokollRows& rows, size_t position) {
    const ProtokollZeile& row = rows[position];
    m_records.push_back({static_cast<uint32_t>(row.recordIndex), row.start, rows.Text(row.connectionName),
                         rows.Text(row.deviceName), rows.Text(row.userName)});
}

CChosenRecords::Outcome CChosenRecords::Delete(const std::string& directory, const CStringTable& strings) const {
    if (m_records.empty()) {
        return Outcome::kDeleted; // nor is a missing log created
    }
    CProtokollFile log(directory);
    if (!log.OpenRecordFile()) {
        return Outcome::kNotWritten;
    }
    // The chosen rows' names are as the rows show them.
    const bool unchanged = std::all_of(m_records.begin(), m_records.end(), [&](const Identity& chosen) {
        log.GoToRecord(chosen.recordIndex);
        const LogEntry& e = log.Entry();
        return log.GetStatus() != 0 && e.start == chosen.start &&
               strings.ShownName(e.connectionName) == chosen.connectionName && e.deviceName == chosen.deviceName &&
               strings.ShownName(e.userName) == chosen.userName;
    });
    if (!unchanged) {
        return Outcome::kChanged;
    }
    for (const Identity& chosen : m_records) {
        log.GoToRecord(chosen.recordIndex);
        if (!log.DeleteRecord()) {
            return Outcome::kNotWritten;
        }
    }
    if (!log.Flush()) {
        return Outcome::kNotWritten;
    }
    // A log of deleted slots only goes, so that thinning it out gives the space back.
    const bool empty = !log.FirstValid();
    log.Close();
    return !empty || CFileLayer::Remove(directory + CProtokollFile::kFileName) ? Outcome::kDeleted
                                                                               : Outcome::kNotWritten;
}
