#pragma once

#include "core/Services.h"
#include "metering/CheckpointWriter.h"
#include "metering/MomentClock.h"
#include "metering/RunRecovery.h"
#include "metering/SummenZaehler.h"
#include "metering/Zaehlwerk.h"
#include "tariffs/Tarif.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CheckpointStore;

// The metering side of the main window: the running tariff, the meter run and the four totals
// counters, advanced in the order the heartbeat gives. The desktop program and the simulator of
// fernzahl-cli drive the same object.
//
// Given a checkpoint store (the desktop program's data directory), the station keeps a checkpoint
// of the running connection: at its start, at every charged unit, at least every 30 seconds and
// after a counter reset; and before it loads the counters, it logs and counts a connection that
// the last run of the program left behind, unless that connection's link is still up: then it goes
// on with it, one connection in one record, charging the units due since unit by unit.
class CMeterStation {
public:
    enum Counter { kDaily = 0, kWeekly, kMonthly, kTotal };
    // The steps of a connection's end, in the order of their writes; a tester may stop the program
    // at each as a crash would.
    enum class EndStep { CheckpointWritten, DailyCounterSaved, CountersSaved, Logged };
    static constexpr uint32_t kCheckpointIntervalMs = 30000;

    // isLinkUp tells whether the link of a connection left behind is still up.
    explicit CMeterStation(const Services& services, CheckpointStore* checkpoints = nullptr,
                           const std::function<bool(const std::string&)>& isLinkUp = {});
    CMeterStation(const CMeterStation&) = delete;
    CMeterStation& operator=(const CMeterStation&) = delete;

    CZaehlwerk& Meter() { return m_meter; }
    const CZaehlwerk& Meter() const { return m_meter; }
    CTarif& Tariff() { return m_tariff; }
    CSummenZaehler& GetCounter(Counter counter) { return m_counters[counter]; }
    const CSummenZaehler& GetCounter(Counter counter) const { return m_counters[counter]; }
    // What was found of the last run's connection at construction.
    const std::vector<CRunRecovery::Result>& GetRecovery() const { return m_recovery; }

    // At the first tick of a new day: the daily counter starts again, the weekly and monthly ones
    // when their period is over (unless the counters are reset only at program start). True when so.
    bool CheckNewDay();
    // A connection was detected offsetSeconds after it is taken to have started; but it starts no
    // earlier than the last connection this station ended. The link it runs on, when it can be told
    // from others, lets a later meter go on with it.
    void StartConnection(int offsetSeconds, const std::string& tariffFile, const std::string& deviceName,
                         const std::string& connectionName, const std::string& tariffName,
                         const std::string& link = {});
    // The link of the running connection (empty when none, or it cannot be told from others).
    const std::string& GetLink() const { return m_link; }
    // Charges every unit that has fallen due, each at the rate of this moment; calls onUnit after each.
    // Keeps the checkpoint after a charged unit, or when the last one is 30 seconds old.
    int ChargeDueUnits(const std::function<void()>& onUnit = {});
    // Saves the counters and logs the connection; then, for a connection without a name and when
    // wanted, asks for a description. At the program's end nobody is asked: the record keeps the
    // default name. False when the log could not be written.
    bool EndConnection(bool askForDescription = true);
    // What the last connection's end could write.
    struct EndWrites {
        bool logged = true;
        bool counted = true;
        std::string unloggedKeptAs;  // where the checkpoint of an unlogged connection is kept; empty when nowhere
        bool checkpointLeft = false; // logged and counted, but its checkpoint could not be removed
    };
    const EndWrites& GetLastEnd() const { return m_end; }
    // Counts and logs a connection metered elsewhere (a simulation's, on a clock of its own) as the
    // counters stand on this station's clock, with the units it counted at the discount price.
    EndWrites AddConnection(const LogEntry& record, uint32_t discountedUnits);
    // A record that could be neither written nor kept (a disk full from before the connection began)
    // waits here and is written again at most once a minute, and before the next record: true when
    // one was written now.
    bool RetryUnlogged(bool now = false);
    size_t CountUnlogged() const { return m_unlogged.size(); }
    const std::vector<LogEntry>& Unlogged() const { return m_unlogged; }
    // The user's reset of one counter; the monthly one also clears the discount counter when wanted.
    void ResetCounter(Counter counter);
    // Writes the running connection's checkpoint now (the session may be about to end).
    void SaveState();
    // At the program's end while the link is up: the connection stays in its checkpoint, for the next
    // meter to go on with, or to log once the link is gone. False when it cannot stay (its link cannot
    // be found again, or the checkpoint could not be written): it must be ended now.
    bool LeaveConnection();
    // Whether the last checkpoint could not be written.
    bool HasCheckpointFailed() const { return m_checkpoints && m_checkpoints->HasFailed(); }
    void SetEndStepHook(std::function<void(EndStep)> hook) { m_endStepHook = std::move(hook); }

private:
    void ResumeConnection(const CCheckpoint& left);
    // The lead time, cut to the time since the last connection's logged end.
    int LeadAfterLastEnd(int offsetSeconds) const;
    std::string CheckpointText() const;
    // Posts the checkpoint to the writer's thread, or with now writes it before returning.
    // The text kept; empty when nothing was (no checkpoints, or no connection).
    std::string KeepCheckpoint(bool now);
    void Reached(EndStep step) const;
    // While held, the counters save nothing: they hold a connection that nothing on the disk proves
    // counted, and a save would have the next start count it again from its older checkpoint.
    void HoldCounters(bool held);

    CMomentClock m_clock;
    Services m_services; // on m_clock
    CTarif m_tariff;
    CZaehlwerk m_meter;
    std::optional<CCheckpoint> m_left;            // a connection left behind on a link still up, until resumed
    std::vector<CRunRecovery::Result> m_recovery; // before the counters, which then load what it stored
    std::array<CSummenZaehler, 4> m_counters;
    std::unique_ptr<CCheckpointWriter> m_checkpoints;
    uint64_t m_lastCheckpointTick = 0;
    std::string m_link;
    EndWrites m_end;
    std::vector<LogEntry> m_unlogged;
    uint64_t m_lastRetryTick = 0;
    std::function<void(EndStep)> m_endStepHook;
};
