#include "metering/RunRecovery.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "metering/Checkpoint.h"
#include "metering/CheckpointStore.h"
#include "metering/RunningCounters.h"
#include "metering/ZaehlerFile.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"
#include "settings/LocaleFacts.h"

namespace {

// Whether the log holds the record, told by its start and texts as the log holds them (its duration
// may be a second longer than the checkpoint's). A crash after the record was appended leaves it
// last in the log, so the walk goes from the end; but any number of connections may have been logged
// since (a checkpoint that could not be removed, one put back), so it goes on to the first record.
bool IsLogged(const std::string& directory, const LogEntry& record) {
    CProtokollFile log(directory);
    if (!log.OpenRecordFile()) {
        return false;
    }
    const LogEntry stored = CProtokollFile::AsStored(record);
    for (uint32_t i = log.GetRecordCount(); i > 0; --i) {
        log.GoToRecord(i - 1);
        const LogEntry& e = log.Entry();
        if (log.GetStatus() != 0 && e.start == stored.start && e.connectionName == stored.connectionName &&
            e.deviceName == stored.deviceName && e.userName == stored.userName && e.tariffName == stored.tariffName) {
            return true;
        }
    }
    return false;
}

// The counters as their file holds them now; a counter without a record starts now. Nothing when
// the file cannot be opened.
std::optional<std::array<CounterState, 4>> StoredCounters(const std::string& directory, const CDateTime& now) {
    CZaehlerFile file(directory);
    if (!file.OpenRecordFile()) {
        return std::nullopt;
    }
    CounterState startingNow;
    startingNow.resetDate = now;
    std::array<CounterState, 4> stored;
    for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kTotal; ++number) {
        stored[number] = file.FindFirst(0, number) ? file.State() : startingNow;
    }
    return stored;
}

// A counter that moved on gets more than the checkpoint's state: the checkpoint first says so, so
// that a stop after the counters are written finds them counted.
bool Retarget(CheckpointStore& store, CCheckpoint checkpoint, const std::array<CounterState, 4>& stored,
              const std::array<CounterState, 4>& counted) {
    bool moved = false;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (counted[i] != checkpoint.counters[i] && counted[i] != stored[i]) {
            checkpoint.saved[i] = stored[i];
            checkpoint.counters[i] = counted[i];
            moved = true;
        }
    }
    return !moved || store.Write(checkpoint.ToText());
}

bool Count(const std::string& directory, const std::array<CounterState, 4>& stored,
           const std::array<CounterState, 4>& counted) {
    bool written = true;
    for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kTotal; ++number) {
        if (counted[number] != stored[number]) {
            written = CZaehlerFile(directory).WriteCounter(number, counted[number]) && written;
        }
    }
    return written;
}

std::optional<CRunRecovery::Result> RecoverRunning(CheckpointStore& store, const std::string& directory,
                                                   const std::string& text, const CDateTime& now) {
    const std::optional<CCheckpoint> checkpoint = CCheckpoint::Parse(text);
    if (!checkpoint || !checkpoint->EndsBy(now)) {
        // Where it cannot be set aside it stays, and is told by its own name.
        const std::string keptAs = store.SetAside();
        return CRunRecovery::Result{
            CRunRecovery::Outcome::Unreadable, {}, keptAs.empty() ? store.GetName() : keptAs, {}};
    }
    const bool logged = IsLogged(directory, checkpoint->record);
    const std::optional<std::array<CounterState, 4>> stored = StoredCounters(directory, now);
    const std::array<CounterState, 4> counted =
        stored ? WithRunningConnection(*stored, *checkpoint, logged) : checkpoint->counters;
    if (stored && !Retarget(store, *checkpoint, *stored, counted)) {
        // Nothing counted: left where it is for the next start.
        return CRunRecovery::Result{CRunRecovery::Outcome::NotWritten, checkpoint->record, store.GetName(), {}};
    }
    if (!stored || !Count(directory, *stored, counted)) {
        // The meter takes the counters over and saves them with its next save; what is left is the
        // record, which the next start writes from a checkpoint kept for that alone.
        const std::string keptAs = logged ? store.GetName() : store.KeepUnlogged();
        return CRunRecovery::Result{CRunRecovery::Outcome::NotWritten, checkpoint->record,
                                    keptAs.empty() ? store.GetName() : keptAs, counted};
    }
    if (!logged && !CProtokollFile(directory).Append(checkpoint->record)) {
        // Kept, so that the next connection's checkpoint does not replace it.
        return CRunRecovery::Result{CRunRecovery::Outcome::NotWritten, checkpoint->record, store.KeepUnlogged(), {}};
    }
    store.Remove();
    if (logged && counted == *stored) {
        return std::nullopt; // told when it was logged; a checkpoint whose removal failed then is only removed now
    }
    // Logged but not counted: the end logs even when the counters could not be saved.
    return CRunRecovery::Result{
        logged ? CRunRecovery::Outcome::CountedLater : CRunRecovery::Outcome::Recovered, checkpoint->record, {}, {}};
}

CRunRecovery::Result RecoverUnlogged(CheckpointStore& store, const std::string& directory, const std::string& name,
                                     const CDateTime& now) {
    const std::optional<CCheckpoint> checkpoint = CCheckpoint::Parse(store.ReadUnlogged(name).value_or(""));
    if (!checkpoint || !checkpoint->EndsBy(now)) {
        return {CRunRecovery::Outcome::Unreadable, {}, name, {}};
    }
    if (!IsLogged(directory, checkpoint->record) && !CProtokollFile(directory).Append(checkpoint->record)) {
        return {CRunRecovery::Outcome::NotWritten, checkpoint->record, name, {}};
    }
    store.RemoveUnlogged(name);
    return {CRunRecovery::Outcome::LoggedLater, checkpoint->record, {}, {}};
}

} // namespace

std::vector<CRunRecovery::Result> CRunRecovery::Recover(CheckpointStore& store, const std::string& programDirectory,
                                                        const CDateTime& now, bool leaveRunning) {
    std::vector<Result> results;
    // The ones kept earlier first, so that the log stays in the order the connections ended.
    for (const std::string& name : store.ListUnlogged()) {
        results.push_back(RecoverUnlogged(store, programDirectory, name, now));
    }
    if (const std::optional<std::string> text = leaveRunning ? std::nullopt : store.Read()) {
        if (std::optional<Result> result = RecoverRunning(store, programDirectory, *text, now)) {
            results.push_back(std::move(*result));
        }
    }
    return results;
}

// A counter file that holds what the checkpoint would save, and not what it held before, counted the
// connection: its end had begun, so the link it ran on went down in between.
std::optional<CCheckpoint> CRunRecovery::FindResumable(CheckpointStore& store, const std::string& programDirectory,
                                                       const CDateTime& now, uint64_t nowTick,
                                                       const std::function<bool(const std::string&)>& isLinkUp) {
    const std::optional<CCheckpoint> checkpoint = CCheckpoint::Parse(store.Read().value_or(""));
    // Its time reaches into the second in which its last unit began, which may not be over yet.
    const auto metered = [&](const CCheckpoint::Run& run) {
        const uint64_t seconds = static_cast<uint64_t>(checkpoint->record.duration.GetTotalSeconds());
        return run.startTick <= nowTick && seconds <= (nowTick - run.startTick) / 1000 + 1;
    };
    if (!checkpoint || !checkpoint->run || !checkpoint->EndsBy(now) || !metered(*checkpoint->run) ||
        !isLinkUp(checkpoint->run->link) || IsLogged(programDirectory, checkpoint->record)) {
        return std::nullopt;
    }
    const std::optional<std::array<CounterState, 4>> stored = StoredCounters(programDirectory, now);
    for (size_t i = 0; stored && i < stored->size(); ++i) {
        if ((*stored)[i].Matches(checkpoint->counters[i]) && !(*stored)[i].Matches(checkpoint->saved[i])) {
            return std::nullopt;
        }
    }
    return checkpoint;
}

std::string CRunRecovery::Describe(const Result& result, const CStringTable& strings) {
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    const LogEntry& r = result.record;
    const std::string started = CDateTimeText().Format(r.start); // as the window's lists write it
    switch (result.outcome) {
    case Outcome::Recovered:
    case Outcome::CountedLater:
        return strings.Format(
            result.outcome == Outcome::Recovered ? Str::kRunRecovered : Str::kUncountedRunCounted,
            {r.connectionName, started, FormatDuration(r.duration.GetDays(), facts), FormatAmount(r.costs, facts)});
    case Outcome::LoggedLater:
        return strings.Format(Str::kUnloggedRunLogged, {r.connectionName, started});
    case Outcome::Unreadable:
        return strings.Format(Str::kCheckpointUnreadable, {result.keptAs});
    case Outcome::NotWritten:
        return strings.Format(Str::kRunNotRecorded, {r.connectionName, started, result.keptAs});
    }
    return {};
}
