#pragma once

#include "core/DateTime.h"

#include <cstdint>
#include <string>
#include <vector>

class CProtokollRows;
class CStringTable;

// Logged connections as the user chose them: each record's index with the fields that tell one
// connection from another. They are taken before the user is asked, so that what is deleted is what
// was chosen, whatever was logged or deleted while the question was open.
class CChosenRecords {
public:
    enum class Outcome { kDeleted, kChanged, kNotWritten };

    // The rows at these positions of the rows read.
    static CChosenRecords Of(const CProtokollRows& rows, const std::vector<size_t>& positions);
    // Every row read.
    static CChosenRecords All(const CProtokollRows& rows);

    size_t Size() const { return m_records.size(); }
    // Deletes the chosen records when each still holds its connection; when one does not (deleted
    // meanwhile, or the log replaced), nothing is deleted. With kNotWritten the records before the
    // failed write are deleted, the others kept.
    Outcome Delete(const std::string& directory, const CStringTable& strings) const;

private:
    struct Identity {
        uint32_t recordIndex;
        CDateTime start;
        std::string connectionName;
        std::string deviceName;
        std::string userName;
    };
    void Add(const CProtokollRows& rows, size_t position);

    std::vector<Identity> m_records;
};
