#pragma once

#include "core/Services.h"
#include "log/LogEntry.h"
#include "metering/Checkpoint.h"
#include "metering/VerbindungsZaehler.h"
#include "tariffs/InitialPeriodSource.h"

#include <cstdint>
#include <string>

class CTarif;
class DescriptionPrompt;

// The meter run: meters one connection from its start to its end, unit by unit, each unit charged
// when it begins at the rate of that moment; logs the connection at its end; gives the texts that
// show it; and signals units and alarms by sound.
class CZaehlwerk : public InitialPeriodSource {
public:
    CZaehlwerk(CTarif& tariff, const Services& services);

    // Reads the signal settings and "KostenZuerst"; again after the options changed.
    void ReadSettings();
    void SetDescriptionPrompt(DescriptionPrompt* prompt) { m_prompt = prompt; }

    void StartRun(int leadSeconds, uint64_t startTick, const std::string& deviceName, const std::string& connectionName,
                  const std::string& tariffName);
    // Goes on with the connection of the record that an earlier meter ran as the checkpoint says;
    // the units due since are charged by the next NextUnit calls. Alarms that were due by then were
    // given by that meter.
    void ContinueRun(const LogEntry& record, const CCheckpoint::Run& run);
    bool IsRunning() const { return m_running; }
    uint32_t GetInitialPeriod() const { return m_initialPeriod; }
    // The second since the start at which the present unit ends and the next one is due.
    uint64_t GetUnitEnd() const { return m_unitEnd; }
    uint64_t GetElapsedSeconds() const { return m_connection.GetElapsedSeconds(); }
    // Counts the unit that begins at the present unit's end, which is due, and schedules the next
    // unit's end. Gives the tick at which the unit counted began.
    uint64_t NextUnit();
    bool IsInInitialPeriod() const override;
    // The log record of the connection as it stands now.
    LogEntry MakeLogEntry() const;
    // The record of the run that ended last, as it was to be written.
    const LogEntry& GetLastLogged() const { return m_lastLogged; }
    // Stops the count and logs the connection. False when the log could not be written.
    bool EndRun();
    // Whether the connection that ended last has no name and the user wants to be asked for one.
    bool IsDescriptionDue() const;
    // Asks for that description and writes it into its record. False when it could not be written.
    bool AskDescription();

    // The tray tooltip and the caption of the minimized window.
    std::string GetShortText() const;
    // The counter of the present connection, or of the last one as it ended, even when none runs.
    std::string GetLastCounterText() const;
    // The main window's text of the present (or last) connection.
    std::string GetConnectionText() const;
    // Plays the sounds due now; true when an alarm fired (the window then flashes).
    bool CheckSignals();

    const CVerbindungsZaehler& GetConnection() const { return m_connection; }
    // Where EndRun logged the last connection.
    uint32_t GetLastRecordIndex() const { return m_lastRecord; }

private:
    struct SignalSettings {
        bool unitCountAlarm = false;
        uint32_t unitCount = 5;
        bool timeAlarm = false;
        uint32_t minutes = 3;
        std::string alarmSound;
        bool everyUnit = false;
        bool beforeUnit = false;
        std::string unitSound;
    };

    void ArmUnitSignals();
    // Into the record, if it still holds the connection that was logged there.
    bool WriteDescription(uint32_t record, const LogEntry& logged, const std::string& description);

    CTarif& m_tariff;
    const Services& m_services;
    DescriptionPrompt* m_prompt = nullptr;
    bool m_running = false;
    uint64_t m_unitEnd = 0;
    CVerbindungsZaehler m_connection;
    uint32_t m_initialPeriod = 0;
    SignalSettings m_signals;
    bool m_timeAlarmGiven = false;
    bool m_unitCountAlarmGiven = false;
    bool m_unitSoundPending = false;
    bool m_preSignalArmed = false;
    bool m_costsFirst = false;
    uint32_t m_runNumber = 0; // tells whether a new connection started while the prompt was open
    uint32_t m_lastRecord = 0;
    LogEntry m_lastLogged; // what was written there, to know the record again
    bool m_describeLastRecord = false;
};
