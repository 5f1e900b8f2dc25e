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
// at in case another connection was logged meanwhile. Its start and texts, as the log holds them,
// tell it apart; its duration may be a second longer than the checkpoint's.
bool IsLogged(const std::string& directory, const LogEntry& record) {
    constexpr uint32_t kLookBack = 8;
    CProtokollFile log(directory);
    if (!log.OpenRecordFile()) {
        return false;
    }
    const LogEntry stored = CProtokollFile::AsStored(record);
    const uint32_t count = log.GetRecordCount();
    for (uint32_t i = count; i > count - std::min(count, kLookBack); --i) {
        log.GoToRecord(i - 1);
        const LogEntry& e = log.Entry();
        if (log.GetStatus() != 0 && e.start == stored.start && e.connectionName == stored.connectionName &&
            e.deviceName == stored.deviceName && e.userName == stored.userName && e.tariffName == stored.tariffName) {
            return true;
        }
    }
    return false;
}

bool Log(const std::string& directory, const LogEntry& record) {
    return IsLogged(directory, record) || CProtokollFile(directory).Append(record).has_value();
}

bool Count(const std::string& directory, const CCheckpoint& checkpoint) {
    bool written = true;
    for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kTotal; ++number) {
        written = CZaehlerFile(directory).WriteCounter(number, checkpoint.counters[number]) && written;
    }
    return written;
}

CRunRecovery::Result RecoverRunning(CheckpointStore& store, const std::string& directory, const std::string& text) {
    const std::optional<CCheckpoint> checkpoint = CCheckpoint::Parse(text);
    if (!checkpoint) {
        return {CRunRecovery::Outcome::Unreadable, {}, store.SetAside(), {}};
    }
    const bool counted = Count(directory, *checkpoint);
    const bool logged = Log(directory, checkpoint->record);
    if (!counted) {
        // Left where it is: the next start counts it again whole, and logs it unless it is logged.
        return {CRunRecovery::Outcome::NotWritten, checkpoint->record, store.GetName(), checkpoint->counters};
    }
    if (!logged) {
        // Kept, so that the next connection's checkpoint does not replace it.
        return {CRunRecovery::Outcome::NotWritten, checkpoint->record, store.KeepUnlogged(), {}};
    }
    store.Remove();
    return {CRunRecovery::Outcome::Recovered, checkpoint->record, {}, {}};
}

CRunRecovery::Result RecoverUnlogged(CheckpointStore& store, const std::string& directory, const std::string& name) {
    const std::optional<CCheckpoint> checkpoint = CCheckpoint::Parse(store.ReadUnlogged(name).value_or(""));
    if (!checkpoint) {
        return {CRunRecovery::Outcome::Unreadable, {}, name, {}};
    }
    if (!Log(directory, checkpoint->record)) {
        return {CRunRecovery::Outcome::NotWritten, checkpoint->record, name, {}};
    }
    store.RemoveUnlogged(name);
    return {CRunRecovery::Outcome::LoggedLater, checkpoint->record, {}, {}};
}

} // namespace

std::vector<CRunRecovery::Result> CRunRecovery::Recover(CheckpointStore& store, const std::string& programDirectory) {
    std::vector<Result> results;
    // The ones kept earlier first, so that the log stays in the order the connections ended.
    for (const std::string& name : store.ListUnlogged()) {
        results.push_back(RecoverUnlogged(store, programDirectory, name));
    }
    if (const std::optional<std::string> text = store.Read()) {
        results.push_back(RecoverRunning(store, programDirectory, *text));
    }
    return results;
}

std::string CRunRecovery::Describe(const Result& result, const CStringTable& strings) {
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    const LogEntry& r = result.record;
    switch (result.outcome) {
    case Outcome::Recovered:
        return strings.Format(Str::kRunRecovered,
                              {r.connectionName, r.start.Format("%c"), FormatDuration(r.duration.GetDays(), facts),
                               FormatAmount(r.costs, facts)});
    case Outcome::LoggedLater:
        return strings.Format(Str::kUnloggedRunLogged, {r.connectionName, r.start.Format("%c")});
    case Outcome::Unreadable:
        return strings.Format(Str::kCheckpointUnreadable, {result.keptAs});
    case Outcome::NotWritten:
        return strings.Format(Str::kRunNotRecorded, {r.connectionName, r.start.Format("%c"), result.keptAs});
    }
    return {};
}
