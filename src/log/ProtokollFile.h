#pragma once

#include "core/RecordFile.h"
#include "log/LogEntry.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CProtokollRows;
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

    enum class Text { kConnection, kDevice, kUser, kTariff };
    // The numbers of a record's data (start, duration, costs, units), its texts left alone.
    static void ReadNumbers(const uint8_t* data, LogEntry& entry);
    // A text field of a record's data as it is stored (Windows-1252, up to its NUL); the tariff
    // of a record older than the tariff field is empty.
    static std::string_view TextBytes(const uint8_t* data, Text field);

    // The entry as the log holds it once written: its texts in the log's character set, cut to size.
    static LogEntry AsStored(const LogEntry& entry);

    // Reserves a new record at the end of the log for this system's format version.
    bool AppendEntry();
    // Opens the log, appends a record with these values, flushes it to the disk and closes the log
    // again: the record's index, nothing when it could not be written.
    std::optional<uint32_t> Append(const LogEntry& entry);

    // Writes the ";"-separated text export: the given rows, or with none every valid record of the
    // log in file order, as a whole new file: an earlier export stays whole until the new one is.
    // False when the file could not be written completely.
    bool ExportText(const std::string& fileName, const CProtokollRows* rows, const CStringTable& strings);
    // The same export into an open stream.
    bool WriteExport(std::FILE* out, const CProtokollRows* rows, const CStringTable& strings);

protected:
    uint32_t GetDataSize() const override { return kDataSize; }
    std::string GetRecordFileName() const override { return m_directory + kFileName; }
    void ReadData(const uint8_t* data) override;
    void WriteData(uint8_t* data) const override;

private:
    std::string m_directory;
    LogEntry m_entry;
    int16_t m_version = kVersion;
};
