#pragma once

#include "core/RecordFile.h"
#include "log/LogEntry.h"
#include "log/ProtokollZeile.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CStringTable;

// The connection log "Fernzahl.log": one 794-byte record per finished connection.
class CProtokollFile : public CRecordFile {
public:
    static constexpr uint32_t kDataSize = 790;
    static constexpr int16_t kVersion = 3100;
    static constexpr const char* kFileName = "Fernzahl.log";
    static constexpr const char* kAutoExportName = "Log.txt";

    explicit CProtokollFile(std::string programDirectory) : m_directory(std::move(programDirectory)) {}

    // The current record's values.
    LogEntry& Entry() { return m_entry; }
    const LogEntry& Entry() const { return m_entry; }
    int16_t GetVersion() const { return m_version; }

    // Reserves a new record at the end of the log for this system's format version.
    bool AppendEntry();
    // Opens the log, appends a record with these values and closes it again: the record's index,
    // nothing when it could not be written.
    std::optional<uint32_t> Append(const LogEntry& entry);
    // The test FindFirst/FindNext apply to each valid record; none lets every record through.
    void SetFilter(std::function<bool(const LogEntry&)> filter) { m_filter = std::move(filter); }

    // Writes the ";"-separated text export: the given rows, or with none every valid record of the
    // log in file order. False when the file could not be written completely; lines written stay.
    bool ExportText(const std::string& fileName, const std::vector<ProtokollZeile>* rows, const CStringTable& strings);
    // The same export into an open stream.
    bool WriteExport(std::FILE* out, const std::vector<ProtokollZeile>* rows, const CStringTable& strings);

protected:
    uint32_t GetDataSize() const override { return kDataSize; }
    std::string GetRecordFileName() const override { return m_directory + kFileName; }
    void ReadData(const uint8_t* data) override;
    void WriteData(uint8_t* data) const override;
    bool Matches(int32_t key1, int32_t key2) const override;

private:
    std::string m_directory;
    LogEntry m_entry;
    int16_t m_version = kVersion;
    std::function<bool(const LogEntry&)> m_filter;
};
