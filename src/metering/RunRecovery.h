#pragma once

#include "log/LogEntry.h"

#include <string>

class CStringTable;
class CheckpointStore;

// At start-up, before anything is metered: a connection that the last run of the program left
// unlogged (a crash, a kill, a power cut) is logged and counted from its checkpoint, once.
class CRunRecovery {
public:
    enum class Outcome {
        None,       // no checkpoint
        Recovered,  // logged and counted; the checkpoint is gone
        Unreadable, // damaged, or no checkpoint of this program: set aside
        NotWritten, // the log or the counters could not be written: the checkpoint is set aside
    };
    struct Result {
        Outcome outcome = Outcome::None;
        LogEntry record;    // the connection, when the checkpoint could be read
        std::string keptAs; // where a checkpoint that was set aside is now; empty when it could not be moved
    };

    // Every step can be repeated: the counters get the checkpoint's values whole, and the record is
    // appended only when the end of the log does not hold it yet. So a crash during the recovery, or
    // one between the normal end's writes, still counts the connection exactly once.
    static Result Recover(CheckpointStore& store, const std::string& programDirectory);
    // What the user is told of it (once: the checkpoint is gone afterwards); empty for no checkpoint.
    static std::string Describe(const Result& result, const CStringTable& strings);
};
