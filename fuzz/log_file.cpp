// Arbitrary bytes as "Fernzahl.log": walked, read into the log view's rows and sorted, exported,
// appended to.
#include "FuzzFile.h"

#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollRows.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string directory = WriteFuzzFile(CProtokollFile::kFileName, data, size);
    CProtokollFile log(directory);
    if (!log.OpenRecordFile()) {
        return 0;
    }
    CDateTimeText startText;
    size_t sum = 0;
    for (bool more = log.FirstValid(); more; more = log.NextValid()) {
        const LogEntry& e = log.Entry();
        sum += startText.Format(e.start).size() + FormatTimeOfDay(e.duration.GetDays()).size() +
               FormatDuration(e.duration.GetDays()).size() + FormatAmount(e.costs).size() + e.connectionName.size() +
               e.deviceName.size() + e.userName.size() + e.tariffName.size();
    }
    log.Close();
    CProtokollRows rows;
    rows.Read(directory, nullptr);
    for (const uint32_t row : rows.Order(CProtokollRows::kConnection, true)) {
        sum += rows.Text(rows[row].connectionName).size();
    }
    log.OpenRecordFile();
    log.GoToRecord(log.GetRecordCount());
    log.AppendEntry();
    log.WriteRecord();
    log.Close();
    // Into one stream kept open: opening a file per input would be the thing measured.
    static std::FILE* const sink = std::fopen("/dev/null", "wb");
    log.WriteExport(sink, nullptr, CStringTable());
    return sum == SIZE_MAX;
}
