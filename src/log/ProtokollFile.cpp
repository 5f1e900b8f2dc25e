#include "log/ProtokollFile.h"

#include "core/ChunkWriter.h"
#include "core/FileLayer.h"
#include "core/LittleEndian.h"
#include "core/StringTable.h"
#include "core/TextEncoding.h"
#include "log/ExportLine.h"
#include "log/ProtokollRows.h"

#include <cstdio>
#include <memory>

// Offsets within the 790 data bytes.
namespace {
constexpr size_t kDurationStatusAt = 0;
constexpr size_t kDurationAt = 4;
constexpr size_t kUnitsAt = 12;
constexpr size_t kCostsStatusAt = 16;
constexpr size_t kCostsHighAt = 20;
constexpr size_t kCostsLowAt = 24;
constexpr size_t kStartStatusAt = 28;
constexpr size_t kStartAt = 32;
constexpr size_t kDeviceAt = 40;
constexpr size_t kTariffAt = 165;
constexpr size_t kUserAt = 290;
constexpr size_t kVersionAt = 415;
constexpr size_t kConnectionAt = 540;
constexpr size_t kTextField = 125;
} // namespace

void CProtokollFile::ReadNumbers(const uint8_t* d, LogEntry& entry) {
    entry.duration = CTimeSpan::FromFileParts(LoadLittleEndian<int32_t>(d + kDurationStatusAt),
                                              LoadLittleEndian<double>(d + kDurationAt));
    entry.units = LoadLittleEndian<int32_t>(d + kUnitsAt);
    entry.costs =
        CMoney::FromFileParts(LoadLittleEndian<int32_t>(d + kCostsStatusAt),
                              LoadLittleEndian<int32_t>(d + kCostsHighAt), LoadLittleEndian<uint32_t>(d + kCostsLowAt));
    entry.start =
        CDateTime::FromFileParts(LoadLittleEndian<int32_t>(d + kStartStatusAt), LoadLittleEndian<double>(d + kStartAt));
}

std::string_view CProtokollFile::TextBytes(const uint8_t* d, Text field) {
    size_t at = kConnectionAt;
    switch (field) {
    case Text::kConnection:
        break;
    case Text::kDevice:
        at = kDeviceAt;
        break;
    case Text::kUser:
        at = kUserAt;
        break;
    case Text::kTariff:
        // The tariff name came with format version 3100; older records have none.
        if (LoadLittleEndian<int16_t>(d + kVersionAt) != kVersion) {
            return {};
        }
        at = kTariffAt;
        break;
    }
    return TextFieldBytes(d + at, kTextField);
}

void CProtokollFile::ReadData(const uint8_t* d) {
    ReadNumbers(d, m_entry);
    m_version = LoadLittleEndian<int16_t>(d + kVersionAt);
    for (const auto& [field, text] :
         {std::pair{Text::kDevice, &m_entry.deviceName}, std::pair{Text::kUser, &m_entry.userName},
          std::pair{Text::kTariff, &m_entry.tariffName}, std::pair{Text::kConnection, &m_entry.connectionName}}) {
        DecodeTextBytes(TextBytes(d, field), *text);
    }
}

void CProtokollFile::WriteData(uint8_t* d) const {
    StoreLittleEndian<int32_t>(d + kDurationStatusAt, static_cast<int32_t>(m_entry.duration.GetStatus()));
    StoreLittleEndian<double>(d + kDurationAt, m_entry.duration.GetDays());
    StoreLittleEndian<int32_t>(d + kUnitsAt, m_entry.units);
    StoreLittleEndian<int32_t>(d + kCostsStatusAt, static_cast<int32_t>(m_entry.costs.GetStatus()));
    StoreLittleEndian<int32_t>(d + kCostsHighAt, m_entry.costs.High());
    StoreLittleEndian<uint32_t>(d + kCostsLowAt, m_entry.costs.Low());
    StoreLittleEndian<int32_t>(d + kStartStatusAt, static_cast<int32_t>(m_entry.start.GetStatus()));
    StoreLittleEndian<double>(d + kStartAt, m_entry.start.GetOleDate());
    WriteTextField(d + kDeviceAt, kTextField, m_entry.deviceName);
    WriteTextField(d + kTariffAt, kTextField, m_entry.tariffName);
    WriteTextField(d + kUserAt, kTextField, m_entry.userName);
    StoreLittleEndian<int16_t>(d + kVersionAt, m_version);
    WriteTextField(d + kConnectionAt, kTextField, m_entry.connectionName);
}

bool CProtokollFile::AppendEntry() {
    const bool appended = AppendRecord();
    m_version = kVersion;
    return appended;
}

LogEntry CProtokollFile::AsStored(const LogEntry& entry) {
    CProtokollFile file({});
    file.m_entry = entry;
    std::vector<uint8_t> data(kDataSize, 0);
    file.WriteData(data.data());
    file.ReadData(data.data());
    return file.m_entry;
}

std::optional<uint32_t> CProtokollFile::Append(const LogEntry& entry) {
    bool written = OpenRecordFile() && AppendEntry();
    m_entry = entry;
    written = written && WriteRecord() && Flush();
    const uint32_t index = GetRecordIndex();
    Close();
    return written ? std::optional(index) : std::nullopt;
}

bool CProtokollFile::ExportText(const std::string& fileName, const CProtokollRows* rows, const CStringTable& strings) {
    return CFileLayer::ReplaceThroughStream(fileName, [&](std::FILE* out) { return WriteExport(out, rows, strings); });
}

bool CProtokollFile::WriteExport(std::FILE* out, const CProtokollRows* rows, const CStringTable& strings) {
    CExportLine line;
    CChunkWriter writer(out);
    writer.Append(ExportHeader(strings));
    bool read = true;
    if (rows != nullptr) {
        LogEntry entry;
        for (size_t row = 0; row < rows->Size(); ++row) {
            rows->ToEntry(row, entry);
            writer.Append(line.Format(entry));
        }
    } else if (OpenForReading()) {
        for (bool more = FirstValid(); more; more = NextValid()) {
            // As the log view shows them: one name for a name's placeholder in any language.
            for (std::string* name : {&m_entry.connectionName, &m_entry.userName, &m_entry.tariffName}) {
                *name = strings.ShownName(*name);
            }
            writer.Append(line.Format(m_entry));
        }
        Close();
    } else {
        read = false;
    }
    return writer.Finish() && std::fflush(out) == 0 && read;
}
