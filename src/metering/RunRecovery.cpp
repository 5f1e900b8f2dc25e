#include "metering/RunRecovery.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "metering/Checkpoint.h"
#include "metering/CheckpointStore.h"
#include "metering/ZaehlerFile.h"
#include "settings/Formatting.h"
#include "settings/LocaleFacts.h"

#include <algorithm>

namespace {

// A crash after the record was appended leaves it last in the log; a few records more are looked
// at in case another program appended meanwhile. Start, duration, units and costs tell it apart
// (its texts may have changed on the way into the file's character set).
bool IsLogged(const std::string& directory, const LogEntry& record) {
    constexpr uint32_t kLookBack = 8;
    CProtokollFile log(directory);
    if (!log.OpenRecordFile()) {
        return false;
    }
    const uint32_t count = log.GetRecordCount();
    for (uint32_t i = count; i > count - std::min(count, kLookBack); --i) {
        log.GoToRecord(i - 1);
        const LogEntry& e = log.Entry();
        if (log.GetStatus() != 0 && e.start == record.start && e.duration == record.duration &&
            e.units == record.units && e.costs == record.costs) {
            return true;
        }
    }
    return false;
}

} // namespace

CRunRecovery::Result CRunRecovery::Recover(CheckpointStore& store, const std::string& programDirectory) {
    const std::optional<std::string> text = store.Read();
    if (!text) {
        return {};
    }
    const std::optional<CCheckpoint> checkpoint = CCheckpoint::Parse(*text);
    if (!checkpoint) {
        return {Outcome::Unreadable, {}, store.SetAside()};
    }
    bool written = true;
    for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kTotal; ++number) {
        written = CZaehlerFile(programDirectory).WriteCounter(number, checkpoint->counters[number]) && written;
    }
    written = written && (IsLogged(programDirectory, checkpoint->record) ||
                          CProtokollFile(programDirectory).Append(checkpoint->record).has_value());
    // Kept aside, so that the next connection's checkpoint does not replace it.
    if (!written) {
        return {Outcome::NotWritten, checkpoint->record, store.SetAside()};
    }
    store.Remove();
    return {Outcome::Recovered, checkpoint->record, {}};
}

std::string CRunRecovery::Describe(const Result& result, const CStringTable& strings) {
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    const LogEntry& r = result.record;
    switch (result.outcome) {
    case Outcome::None:
        break;
    case Outcome::Recovered:
        return strings.Format(Str::kRunRecovered,
                              {r.connectionName, r.start.Format("%c"), FormatDuration(r.duration.GetDays(), facts),
                               FormatAmount(r.costs, facts)});
    case Outcome::Unreadable:
        return strings.Format(Str::kCheckpointUnreadable, {result.keptAs});
    case Outcome::NotWritten:
        return strings.Format(Str::kRunNotRecorded, {r.connectionName, r.start.Format("%c"), result.keptAs});
    }
    return {};
}
