#pragma once

#include "core/DateTime.h"
#include "core/Money.h"
#include "detection/VerbindungsWaechter.h"
#include "metering/MeterObserver.h"
#include "metering/MeterStation.h"

#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

class CheckpointStore;
class DialUpSource;
class ModemLine;

// The live meter as others may read it.
struct MeterReading {
    bool connected = false;
    std::string connection;
    std::string user;
    std::string device;
    std::string tariff;
    CDateTime started;
    uint64_t seconds = 0;
    uint32_t units = 0;
    CMoney costs;
    uint64_t secondsToNextUnit = 0;
    std::array<CMoney, 4> counterCosts; // daily, weekly, monthly, total
};

// The meter's run loop, whatever shows it: the desktop window and the headless meter drive it with
// a beat every 500 ms. One beat, in this order: a new day's resets, a record that waits to be
// written, one poll of the watcher, a connection's start or end, and the units due. The observers
// hear of each; a connection's end is logged, counted and exported here and nowhere else.
class CMeterLoop {
public:
    static constexpr int kBeatMs = 500;

    CMeterLoop(const Services& services, DialUpSource& dialUp, ModemLine& modem, CheckpointStore* checkpoints);
    CMeterLoop(const CMeterLoop&) = delete;
    CMeterLoop& operator=(const CMeterLoop&) = delete;

    void AddObserver(MeterObserver& observer) { m_observers.push_back(&observer); }
    // Who asks for the description of a connection without a name. It asks after the beat (the
    // beat goes on meanwhile) and then calls CompleteEnd; without one, the record keeps its name.
    void SetDescriptionAsker(std::function<void()> askLater) { m_askLater = std::move(askLater); }

    // Tells the observers what the start found: the last run's connection, resumed or recovered, a
    // budget warning due.
    void ReportStart();
    void Beat();
    // The rest of a connection's end: its description when asked for, then the automatic export.
    void CompleteEnd(bool askDescription);
    // At the program's end a running connection stays in its checkpoint for the next meter, which
    // goes on with it while its link is up. One that cannot stay (no link to find again, no
    // checkpoint) is logged and counted as at its end; nobody is asked unless the user chose to end
    // and is there to answer.
    void EndProgram(bool userPresent);
    // After the options: the tariff, the signals, the watcher and the budget take them up.
    void ReadSettings();
    void ResetCounter(CMeterStation::Counter counter);

    CMeterStation& Station() { return m_station; }
    const CMeterStation& Station() const { return m_station; }
    CVerbindungsWaechter& Watcher() { return m_watcher; }
    const CVerbindungsWaechter& Watcher() const { return m_watcher; }
    // The line under the monthly counter while a budget is set.
    const std::string& BudgetText() const { return m_budgetText; }
    MeterReading Reading() const;

    // The texts of the notices at a connection's start and end.
    static std::string EndedText(const LogEntry& ended, const CStringTable& strings);
    static std::string StartedText(const std::string& connection, const std::string& tariff,
                                   const CStringTable& strings);

private:
    // When the description of a connection without a name is asked for: by the asker after the
    // beat, at once (the user ended the program), or not at all (a signal or the session's end).
    enum class Ask { Later, Now, Never };

    void ReportRecovery();
    void StartConnection();
    void EndConnection(Ask ask);
    void ChargeDueUnits();
    void ReportEndNotWritten();
    void ReportCheckpointFailure();
    void ReportRecordWaiting();
    void ReportTariffPastLimits();
    void CheckBudget();
    void Notify(const MeterNotice& notice);
    void FileProblem(const std::string& text);
    template <typename Event> void Tell(Event event) {
        for (MeterObserver* observer : m_observers) {
            event(*observer);
        }
    }

    const Services& m_services;
    CVerbindungsWaechter m_watcher;
    CMeterStation m_station;
    CheckpointStore* m_checkpoints;
    std::vector<MeterObserver*> m_observers;
    std::function<void()> m_askLater;
    std::string m_budgetText;
    bool m_checkpointFailureTold = false;
    size_t m_unloggedTold = 0;
    std::set<std::string> m_tariffsPastLimitsTold;
};
