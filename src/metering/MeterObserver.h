#pragma once

#include "log/LogEntry.h"

#include <string>

// A message for the desktop: a title and a text, and its kind, so that a newer message of a kind
// replaces the one before instead of piling up.
struct MeterNotice {
    enum class Kind {
        ConnectionStarted,
        ConnectionEnded,
        BudgetWarning,
        ModemProblem,
        Recovery,
        RecordWaiting,
        TariffPastLimits
    };
    Kind kind;
    std::string title;
    std::string text;
    bool warning = false; // something the user should act on, not only know
};

// Whoever follows the meter: the window, the session bus, a terminal. Each hears of what happened
// in a beat after the meter has done it.
class MeterObserver {
public:
    virtual ~MeterObserver() = default;
    virtual void OnConnectionStarted() {}
    // A connection that a stopped meter left on a link still up, gone on with from this meter's
    // start; to most faces, a start that is not told as one.
    virtual void OnConnectionResumed() { OnConnectionStarted(); }
    // Every beat while a connection is metered, with the units charged in it (mostly none).
    virtual void OnMetering(int /*unitsCharged*/) {}
    // The connection as it was logged, or as it was to be when the log could not take it.
    virtual void OnConnectionEnded(const LogEntry& /*ended*/) {}
    // The counters changed other than by a unit: a new day, a reset, the settings.
    virtual void OnCountersChanged() {}
    // The log gained a record, or a record's description.
    virtual void OnLogChanged() {}
    virtual void OnNotice(const MeterNotice& /*notice*/) {}
    // A file could not be written; the text says which, and what became of what it was to hold.
    virtual void OnFileProblem(const std::string& /*text*/) {}
    // An alarm of the signals page fired.
    virtual void OnAlarm() {}
};
