#include "metering/MeterLoop.h"

#include "core/Clock.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "log/AutoExport.h"
#include "log/ProtokollFile.h"
#include "metering/Budget.h"
#include "metering/CheckpointStore.h"
#include "metering/ZaehlerFile.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"
#include "settings/SettingsStore.h"
#include "tariffs/TariffLimits.h"

CMeterLoop::CMeterLoop(const Services& services, DialUpSource& dialUp, ModemLine& modem, CheckpointStore* checkpoints)
    : m_services(services), m_watcher(services, dialUp, modem),
      m_station(services, checkpoints, [this](const std::string& link) { return m_watcher.IsLinkUp(link); }),
      m_checkpoints(checkpoints) {
    if (m_station.Meter().IsRunning()) {
        m_watcher.ContinueLink(m_station.GetLink()); // resumed: its end is the next edge
    }
}

void CMeterLoop::ReportStart() {
    if (m_station.Meter().IsRunning()) {
        Tell([](MeterObserver& o) { o.OnConnectionResumed(); });
    }
    ReportRecovery();
    CheckBudget();
}

void CMeterLoop::ReportRecovery() {
    for (const CRunRecovery::Result& recovery : m_station.GetRecovery()) {
        const bool recovered = recovery.outcome != CRunRecovery::Outcome::Unreadable &&
                               recovery.outcome != CRunRecovery::Outcome::NotWritten;
        Notify({MeterNotice::Kind::Recovery, m_services.strings.Get(Str::kRecoveryTitle),
                CRunRecovery::Describe(recovery, m_services.strings), !recovered});
    }
}

void CMeterLoop::Beat() {
    if (m_station.CheckNewDay()) {
        CheckBudget();
        Tell([](MeterObserver& o) { o.OnCountersChanged(); });
    }
    if (m_station.RetryUnlogged()) {
        Tell([](MeterObserver& o) { o.OnLogChanged(); });
    }
    ReportRecordWaiting();
    m_watcher.Poll();
    if (const auto problem = m_watcher.TakeModemProblem()) {
        Notify({MeterNotice::Kind::ModemProblem, m_services.strings.Get(Str::kModemLineTitle),
                CVerbindungsWaechter::Describe(*problem, m_services.strings, m_services.userName), true});
    }
    if (m_watcher.HasStarted()) {
        StartConnection();
    } else if (m_watcher.HasEnded()) {
        EndConnection(Ask::Later);
    }
    if (m_station.Meter().IsRunning()) {
        ChargeDueUnits();
    }
    ReportTariffPastLimits();
}

void CMeterLoop::StartConnection() {
    m_station.StartConnection(m_watcher.GetStartOffset(), m_watcher.GetTariffFile(), m_watcher.GetDeviceName(),
                              m_watcher.GetConnectionName(), m_watcher.GetTariffName(), m_watcher.GetLinkIdentity());
    CheckBudget(); // the minimum charge counts from the start
    Tell([](MeterObserver& o) { o.OnConnectionStarted(); });
    if (m_services.settings.Read(Setting::kNotifyStart) != 0) {
        const LogEntry running = m_station.Meter().MakeLogEntry();
        Notify({MeterNotice::Kind::ConnectionStarted, m_services.strings.Get(Str::kConnectionStartedTitle),
                StartedText(running.connectionName, running.tariffName, m_services.strings)});
    }
}

void CMeterLoop::EndConnection(Ask ask) {
    if (!m_station.EndConnection(false)) {
        ReportEndNotWritten();
    }
    const LogEntry& ended = m_station.Meter().GetLastLogged();
    Tell([&ended](MeterObserver& o) { o.OnConnectionEnded(ended); });
    if (m_services.settings.Read(Setting::kNotifyEnd) != 0) {
        Notify({MeterNotice::Kind::ConnectionEnded, m_services.strings.Get(Str::kConnectionEndedTitle),
                EndedText(ended, m_services.strings)});
    }
    if (ask == Ask::Later && m_askLater && m_station.Meter().IsDescriptionDue()) {
        m_askLater(); // the asker completes the end
        return;
    }
    CompleteEnd(ask == Ask::Now);
}

void CMeterLoop::CompleteEnd(bool askDescription) {
    const std::string directory = m_services.settings.GetProgramDirectory();
    if (askDescription && m_station.Meter().IsDescriptionDue() && !m_station.Meter().AskDescription()) {
        // The record is there; only its description could not be written into it.
        FileProblem(m_services.strings.Format(Str::kFileNotWritten, {directory + CProtokollFile::kFileName}));
    }
    Tell([](MeterObserver& o) { o.OnLogChanged(); });
    if (!AutoExport(m_services.settings, m_services.strings)) {
        FileProblem(m_services.strings.Format(Str::kFileNotWritten, {directory + CProtokollFile::kAutoExportName}));
    }
}

// A connection whose link is up stays in its checkpoint: the next meter goes on with it, or logs
// it once the link is gone. A record that waits for room gets a last try; one that still cannot be
// written is lost with the program, and the user is told which, to note it down.
void CMeterLoop::EndProgram(bool userPresent) {
    if (m_station.Meter().IsRunning() && !m_station.LeaveConnection()) {
        EndConnection(userPresent ? Ask::Now : Ask::Never);
    }
    if (m_station.RetryUnlogged(true)) {
        Tell([](MeterObserver& o) { o.OnLogChanged(); });
    }
    if (m_station.Unlogged().empty()) {
        return;
    }
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    std::string lost;
    for (const LogEntry& record : m_station.Unlogged()) {
        lost += (lost.empty() ? "\"" : "; \"") + record.connectionName + "\", " + CDateTimeText().Format(record.start) +
                ", " + FormatDuration(record.duration.GetDays(), facts) + ", " + FormatAmount(record.costs, facts);
    }
    FileProblem(m_services.strings.Format(
        Str::kRecordsLostAtEnd, {m_services.settings.GetProgramDirectory() + CProtokollFile::kFileName, lost}));
}

void CMeterLoop::ReadSettings() {
    m_station.Tariff().Invalidate();
    m_station.Meter().ReadSettings();
    m_watcher.ReadSettings();
    CheckBudget();
    Tell([](MeterObserver& o) { o.OnCountersChanged(); });
}

void CMeterLoop::ResetCounter(CMeterStation::Counter counter) {
    m_station.ResetCounter(counter);
    CheckBudget();
    Tell([](MeterObserver& o) { o.OnCountersChanged(); });
}

void CMeterLoop::ChargeDueUnits() {
    const int charged = m_station.ChargeDueUnits();
    if (charged > 0) {
        CheckBudget();
    }
    ReportCheckpointFailure();
    Tell([charged](MeterObserver& o) { o.OnMetering(charged); });
    if (m_station.Meter().CheckSignals()) {
        Tell([](MeterObserver& o) { o.OnAlarm(); });
    }
}

void CMeterLoop::ReportEndNotWritten() {
    const std::string directory = m_services.settings.GetProgramDirectory();
    const CMeterStation::EndWrites& end = m_station.GetLastEnd();
    if (!end.counted) {
        FileProblem(m_services.strings.Format(Str::kFileNotWritten, {directory + CZaehlerFile::kFileName}));
    }
    if (end.checkpointLeft && m_checkpoints != nullptr) {
        FileProblem(m_services.strings.Format(Str::kCheckpointNotRemoved, {m_checkpoints->GetName()}));
    }
    // A record kept in no file waits in memory, which its own notice tells.
    if (!end.logged && !end.unloggedKeptAs.empty()) {
        FileProblem(m_services.strings.Format(Str::kLogNotWrittenKept,
                                              {directory + CProtokollFile::kFileName, end.unloggedKeptAs}));
    }
}

// Told once until a checkpoint is written again.
void CMeterLoop::ReportCheckpointFailure() {
    const bool failed = m_station.HasCheckpointFailed();
    if (failed && !m_checkpointFailureTold && m_checkpoints != nullptr) {
        FileProblem(m_services.strings.Format(Str::kCheckpointNotWritten, {m_checkpoints->GetName()}));
    }
    m_checkpointFailureTold = failed;
}

// A record that could be neither written nor kept waits in memory: told once when one more waits.
void CMeterLoop::ReportRecordWaiting() {
    const size_t waiting = m_station.CountUnlogged();
    if (waiting > m_unloggedTold) {
        Notify({MeterNotice::Kind::RecordWaiting, m_services.strings.Get(Str::kRecordWaitingTitle),
                m_services.strings.Format(Str::kRecordWaiting,
                                          {m_services.settings.GetProgramDirectory() + CProtokollFile::kFileName}),
                true});
    }
    m_unloggedTold = waiting;
}

// A tariff file too large to be read charges at the rates last read from it, else at the default
// rate: told once for each file.
void CMeterLoop::ReportTariffPastLimits() {
    const std::string& path = m_station.Tariff().GetFilePastLimits();
    if (path.empty() || !m_tariffsPastLimitsTold.insert(path).second) {
        return;
    }
    Notify({MeterNotice::Kind::TariffPastLimits, m_services.strings.Get(Str::kTariffPastLimitsTitle),
            m_services.strings.Format(Str::kTariffPastLimits, {path, std::to_string(CTariffLimits::kFileRecords),
                                                               std::to_string(CTariffLimits::FileBytes())}),
            true});
}

void CMeterLoop::CheckBudget() {
    const CBudget budget = CBudget::Read(
        m_services.settings, m_station.GetCounter(CMeterStation::kMonthly).GetStateAtEnd(), m_services.clock.Now());
    m_budgetText = budget.IsSet() ? budget.FormatRemaining(m_services.strings) : std::string();
    if (const uint32_t due = budget.TakeWarnings(m_services.settings); due != 0) {
        Notify({MeterNotice::Kind::BudgetWarning, m_services.strings.Get(Str::kBudgetTitle),
                budget.FormatWarning(due, m_services.strings), true});
    }
}

void CMeterLoop::Notify(const MeterNotice& notice) {
    Tell([&notice](MeterObserver& o) { o.OnNotice(notice); });
}

void CMeterLoop::FileProblem(const std::string& text) {
    Tell([&text](MeterObserver& o) { o.OnFileProblem(text); });
}

MeterReading CMeterLoop::Reading() const {
    MeterReading reading;
    for (size_t i = 0; i < reading.counterCosts.size(); ++i) {
        reading.counterCosts[i] = m_station.GetCounter(CMeterStation::Counter(i)).GetCosts();
    }
    const CZaehlwerk& meter = m_station.Meter();
    reading.connected = meter.IsRunning();
    if (!reading.connected) {
        return reading;
    }
    const LogEntry running = meter.MakeLogEntry();
    reading.connection = running.connectionName;
    reading.user = running.userName;
    reading.device = running.deviceName;
    reading.tariff = running.tariffName;
    reading.started = running.start;
    reading.seconds = meter.GetElapsedSeconds();
    reading.units = static_cast<uint32_t>(std::max(running.units, 0));
    reading.costs = running.costs;
    reading.secondsToNextUnit = meter.GetUnitEnd() > reading.seconds ? meter.GetUnitEnd() - reading.seconds : 0;
    return reading;
}

std::string CMeterLoop::EndedText(const LogEntry& ended, const CStringTable& strings) {
    const std::string duration = FormatDuration(ended.duration.GetDays());
    const std::string costs = FormatAmount(ended.costs);
    return ended.units == 1 ? strings.Format(Str::kConnectionEndedOneUnit, {ended.connectionName, duration, costs})
                            : strings.Format(Str::kConnectionEnded,
                                             {ended.connectionName, duration, std::to_string(ended.units), costs});
}

std::string CMeterLoop::StartedText(const std::string& connection, const std::string& tariff,
                                    const CStringTable& strings) {
    return strings.Format(Str::kConnectionStarted, {connection, tariff});
}
