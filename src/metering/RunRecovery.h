#pragma once

#include "core/DateTime.h"
#include "log/LogEntry.h"
#include "metering/Checkpoint.h"
#include "metering/CounterState.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CStringTable;
class CheckpointStore;

// At start-up, before anything is metered: a connection that the last run of the program left
// unlogged (a crash, a kill, a power cut, a log that could not be written) is logged and counted
// from its checkpoint, once.
class CRunRecovery {
public:
    enum class Outcome {
        Recovered,    // logged and counted; the checkpoint is gone
        LoggedLater,  // a connection kept because its record could not be written is logged now
        CountedLater, // a connection logged at its end, whose counters could not be saved then, is counted now
        Unreadable,   // damaged, or no checkpoint of this program: set aside
        NotWritten,   // the log or the counters could not be written: the checkpoint is kept for the next start
    };
    struct Result {
        Outcome outcome = Outcome::Recovered;
        LogEntry record;    // the connection, when the checkpoint could be read
        std::string keptAs; // where a checkpoint that was set aside is now; empty when it could not be moved
        // The counters with the connection counted, when the counter file could not take them: the
        // meter then starts from these, and saves them with its next save.
        std::optional<std::array<CounterState, 4>> uncounted;
    };

    // The checkpoint of the connection that was running adds the connection to the counters as they
    // are now and gives the log its record, unless the log holds it already; never does it write an
    // older state of a counter back. Every step can be repeated, so a crash during the recovery, or
    // one between the normal end's writes, still counts the connection exactly once, and a checkpoint
    // whose removal failed is only removed (no result). A checkpoint kept because its record could
    // not be written gives only the record (its counters were saved by the run that kept it). One
    // result per checkpoint that had something to do; now dates a counter that has no record yet.
    // With leaveRunning, the checkpoint of the running connection is left alone (it is resumed).
    static std::vector<Result> Recover(CheckpointStore& store, const std::string& programDirectory,
                                       const CDateTime& now, bool leaveRunning = false);
    // The checkpoint of a connection whose link is still up (isLinkUp says so of its link), metered in
    // this boot (its ticks lie before nowTick), and that
    // nothing has logged or counted yet: the meter goes on with it instead of logging it. Nothing for
    // any other, which Recover logs and counts.
    static std::optional<CCheckpoint> FindResumable(CheckpointStore& store, const std::string& programDirectory,
                                                    const CDateTime& now, uint64_t nowTick,
                                                    const std::function<bool(const std::string&)>& isLinkUp);
    // What the user is told of it (once: the checkpoint is gone afterwards).
    static std::string Describe(const Result& result, const CStringTable& strings);
};
