#include "metering/Zaehlwerk.h"

#include "core/Clock.h"
#include "core/ResourceIds.h"
#include "core/SoundPlayer.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "metering/DescriptionPrompt.h"
#include "settings/DateTimeText.h"
#include "settings/LocaleFacts.h"
#include "settings/SettingsStore.h"
#include "tariffs/Tarif.h"

CZaehlwerk::CZaehlwerk(CTarif& tariff, const Services& services)
    : m_tariff(tariff), m_services(services), m_connection(tariff, services.clock) {
    m_connection.SetMeter(this);
    ReadSettings();
}

void CZaehlwerk::ReadSettings() {
    SettingsStore& s = m_services.settings;
    m_signals.unitCountAlarm = s.Read(Setting::kSignalEinh) != 0;
    m_signals.unitCount = s.Read(Setting::kAnzEinh);
    m_signals.timeAlarm = s.Read(Setting::kSignalZeit) != 0;
    m_signals.minutes = s.Read(Setting::kZeit);
    m_signals.alarmSound = s.Read(Setting::kDatei1);
    m_signals.everyUnit = s.Read(Setting::kSignalJedeEinh) != 0;
    m_signals.beforeUnit = s.Read(Setting::kSignal20secVor) != 0;
    m_signals.unitSound = s.Read(Setting::kDatei2);
    m_costsFirst = s.Read(Setting::kKostenZuerst) != 0;
}

void CZaehlwerk::StartRun(int leadSeconds, uint64_t startTick, const std::string& deviceName,
                          const std::string& connectionName, const std::string& tariffName) {
    ++m_runNumber;
    m_initialPeriod = m_tariff.GetInitialPeriod();
    // Not running yet, so the tariff answers with the initial period: the first unit ends there.
    m_unitEnd = m_tariff.GetSecondsPerUnit();
    m_connection.Start(startTick);
    m_running = true;
    m_connection.userName =
        m_services.userName.empty() ? m_services.strings.Get(Str::kUnknownUser) : m_services.userName;
    m_connection.connectionName = connectionName;
    m_connection.deviceName = deviceName;
    m_connection.tariffName = tariffName;
    m_connection.startTime = m_services.clock.Now() - CTimeSpan::FromSeconds(leadSeconds);
    m_timeAlarmGiven = false;
    m_unitCountAlarmGiven = false;
    ArmUnitSignals();
}

void CZaehlwerk::ContinueRun(const LogEntry& record, const CCheckpoint::Run& run) {
    ++m_runNumber;
    m_initialPeriod = run.initialPeriod;
    m_unitEnd = run.unitEnd;
    const std::optional<uint64_t> lastUnit =
        run.lastUnit < 0 ? std::nullopt : std::optional(run.startTick + static_cast<uint64_t>(run.lastUnit) * 1000);
    m_connection.Continue(run.startTick, record.units, record.costs, run.credit, lastUnit);
    m_running = true;
    m_connection.userName = record.userName;
    m_connection.connectionName = run.name;
    m_connection.deviceName = record.deviceName;
    m_connection.tariffName = record.tariffName;
    m_connection.startTime = record.start;
    m_timeAlarmGiven = record.duration.GetTotalSeconds() / 60 >= m_signals.minutes;
    m_unitCountAlarmGiven = record.units >= static_cast<int64_t>(m_signals.unitCount);
    m_unitSoundPending = false;
    m_preSignalArmed = false;
}

void CZaehlwerk::ArmUnitSignals() {
    m_unitSoundPending = m_signals.everyUnit;
    m_preSignalArmed = m_signals.beforeUnit;
}

uint64_t CZaehlwerk::NextUnit() {
    ArmUnitSignals();
    const uint64_t began = m_connection.GetStartTick() + m_unitEnd * 1000;
    m_connection.AddUnit(began);
    m_unitEnd += m_tariff.GetSecondsPerUnit();
    return began;
}

bool CZaehlwerk::IsInInitialPeriod() const {
    return !m_running || GetElapsedSeconds() < m_initialPeriod;
}

LogEntry CZaehlwerk::MakeLogEntry() const {
    LogEntry entry;
    entry.deviceName = m_connection.deviceName;
    entry.start = m_connection.startTime;
    entry.userName = m_connection.userName;
    const std::string& name = m_connection.connectionName;
    entry.connectionName = name.empty() ? m_services.strings.Get(Str::kNoName) : name;
    entry.duration = CTimeSpan::FromSeconds(m_connection.GetMeteredSeconds());
    entry.costs = m_connection.GetCosts();
    entry.units = m_connection.GetUnits();
    entry.tariffName = m_connection.tariffName;
    return entry;
}

bool CZaehlwerk::EndRun() {
    m_running = false;
    m_connection.Stop();
    m_lastLogged = MakeLogEntry();
    const std::optional<uint32_t> record =
        CProtokollFile(m_services.settings.GetProgramDirectory()).Append(m_lastLogged);
    m_lastRecord = record.value_or(0);
    m_describeLastRecord = record && m_connection.connectionName.empty();
    return record.has_value();
}

bool CZaehlwerk::IsDescriptionDue() const {
    return m_describeLastRecord && m_prompt != nullptr && m_services.settings.Read(Setting::kBeschrAbfragen) != 0;
}

// The record is written before anyone is asked anything, so an open prompt loses nothing.
bool CZaehlwerk::AskDescription() {
    if (!IsDescriptionDue()) {
        return true;
    }
    m_describeLastRecord = false;
    const uint32_t run = m_runNumber;
    const uint32_t record = m_lastRecord;
    const LogEntry logged = m_lastLogged;
    const std::string description = m_prompt->AskDescription();
    if (description.empty()) {
        return true;
    }
    // A connection that started while the prompt was open keeps its own name.
    if (m_runNumber == run) {
        m_connection.connectionName = description;
    }
    return WriteDescription(record, logged, description);
}

bool CZaehlwerk::WriteDescription(uint32_t record, const LogEntry& logged, const std::string& description) {
    CProtokollFile log(m_services.settings.GetProgramDirectory());
    if (!log.OpenRecordFile()) {
        return false;
    }
    log.GoToRecord(record);
    // The user may have deleted the connection from the log view meanwhile, or the whole log, and
    // its place may hold another connection now: the description belongs to none of them.
    const LogEntry& there = log.Entry();
    if (log.GetStatus() == 0 || there.start != logged.start || there.deviceName != logged.deviceName) {
        return true;
    }
    log.Entry().connectionName = description;
    return log.WriteRecord();
}

std::string CZaehlwerk::GetShortText() const {
    if (!m_running) {
        return m_services.strings.Get(Str::kIdleShortText);
    }
    return GetLastCounterText();
}

std::string CZaehlwerk::GetLastCounterText() const {
    return m_connection.FormatShort(m_costsFirst, m_services.strings, LocaleFacts::FromCLibrary());
}

std::string CZaehlwerk::GetConnectionText() const {
    const CStringTable& strings = m_services.strings;
    if (m_runNumber == 0) {
        return strings.Get(Str::kNothingMeteredYet); // rather than the counts of a connection that never was
    }
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    const std::string& name = m_connection.connectionName;
    return strings.Format(Str::kConnectionText,
                          {m_connection.FormatCounter(strings, facts), CDateTimeText().Format(m_connection.startTime),
                           name.empty() ? strings.Get(Str::kNoName) : name, m_connection.tariffName,
                           m_connection.deviceName, m_connection.userName});
}

bool CZaehlwerk::CheckSignals() {
    bool alarm = false;
    const uint64_t elapsed = GetElapsedSeconds();
    if (m_signals.unitCountAlarm && !m_unitCountAlarmGiven &&
        m_connection.GetUnits() >= static_cast<int64_t>(m_signals.unitCount)) {
        m_unitCountAlarmGiven = true;
        alarm = true;
    }
    // Whole minutes since the start, so that an alarm after an hour or more fires too.
    if (m_signals.timeAlarm && !m_timeAlarmGiven && elapsed / 60 >= m_signals.minutes) {
        m_timeAlarmGiven = true;
        alarm = true;
    }
    if (m_preSignalArmed && static_cast<int64_t>(m_unitEnd) - 20 <= static_cast<int64_t>(elapsed)) {
        m_unitSoundPending = true;
        m_preSignalArmed = false;
    }
    if (alarm) {
        m_services.sound.Play(m_signals.alarmSound);
    }
    if (m_unitSoundPending) {
        m_services.sound.Play(m_signals.unitSound);
        m_unitSoundPending = false;
    }
    return alarm;
}
