// Arbitrary bytes as "Fernzahl.log": read into the log view's rows, sorted and shown, walked and
// exported, appended to.
#include "FuzzFile.h"

#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollRows.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"

#include <cstdio>

const CStringTable kStrings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string directory = WriteFuzzFile(CProtokollFile::kFileName, data, size);
    CProtokollRows rows;
    rows.Read(directory, nullptr, kStrings);
    // The locale's facts once, as the log view takes them.
    static const LocaleFacts facts = LocaleFacts::FromCLibrary();
    CDateTimeText startText;
    LogEntry e;
    size_t sum = 0;
    for (const uint32_t row : rows.Order(CProtokollRows::kConnection, true)) {
        rows.ToEntry(row, e);
        sum += startText.Format(e.start).size() + FormatTimeOfDay(e.duration.GetDays(), facts).size() +
               FormatDuration(e.duration.GetDays(), facts).size() + FormatAmount(e.costs, facts).size() +
               e.connectionName.size();
    }
    // The export walks the file itself, record by record; into one stream kept open, since opening
    // a file per input would be the thing measured.
    static std::FILE* const sink = std::fopen("/dev/null", "wb");
    CProtokollFile log(directory);
    log.WriteExport(sink, nullptr, CStringTable());
    if (log.OpenRecordFile()) {
        log.AppendEntry();
        log.WriteRecord();
        log.Close();
    }
    return sum == SIZE_MAX;
}
