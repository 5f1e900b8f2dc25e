#include "metering/MeterStation.h"

#include "core/Clock.h"
#include "log/ProtokollFile.h"
#include "metering/Checkpoint.h"
#include "settings/SettingsStore.h"
#include "tariffs/RabattZaehler.h"

#include <algorithm>
#include <utility>

CMeterStation::CMeterStation(const Services& services, CheckpointStore* checkpoints,
                             const std::function<bool(const std::string&)>& isLinkUp)
    : m_clock(services.clock), m_services{m_clock, services.settings, services.strings, services.sound,
                                          services.userName},
      m_tariff(m_clock, services.settings.GetProgramDirectory()), m_meter(m_tariff, m_services),
      m_left(checkpoints && isLinkUp
                 ? CRunRecovery::FindResumable(*checkpoints, services.settings.GetProgramDirectory(),
                                               services.clock.Now(), services.clock.GetTickCount(), isLinkUp)
                 : std::nullopt),
      m_recovery(checkpoints ? CRunRecovery::Recover(*checkpoints, services.settings.GetProgramDirectory(),
                                                     services.clock.Now(), m_left.has_value())
                             : std::vector<CRunRecovery::Result>{}),
      m_counters{CSummenZaehler(kDaily, CSummenZaehler::ResetMode::Daily, m_tariff, m_services),
                 CSummenZaehler(kWeekly, CSummenZaehler::ResetMode::Weekly, m_tariff, m_services),
                 CSummenZaehler(kMonthly, CSummenZaehler::ResetMode::Monthly, m_tariff, m_services),
                 CSummenZaehler(kTotal, CSummenZaehler::ResetMode::Never, m_tariff, m_services)} {
    m_tariff.SetMeter(&m_meter);
    for (CSummenZaehler& counter : m_counters) {
        counter.SetMeter(&m_meter);
    }
    for (const CRunRecovery::Result& recovered : m_recovery) {
        for (size_t i = 0; recovered.uncounted && i < m_counters.size(); ++i) {
            m_counters[i].TakeOver((*recovered.uncounted)[i]);
        }
    }
    if (checkpoints != nullptr) {
        m_checkpoints = std::make_unique<CCheckpointWriter>(*checkpoints);
    }
    if (m_left) {
        ResumeConnection(*std::exchange(m_left, std::nullopt));
    }
}

// Each counter goes on from what it holds now with what the connection had added to it; a counter
// reset while the connection ran times it from the reset on. The units due since are charged at
// the next ChargeDueUnits, each at its own moment.
void CMeterStation::ResumeConnection(const CCheckpoint& left) {
    const CCheckpoint::Run& run = *left.run;
    m_link = run.link;
    m_tariff.SetFileName(run.tariffFile);
    m_meter.ContinueRun(left.record, run);
    const int64_t seconds = left.record.duration.GetTotalSeconds();
    for (size_t i = 0; i < m_counters.size(); ++i) {
        const CounterFigures added = left.counters[i].Since(left.saved[i]);
        const int64_t notCounted = std::clamp<int64_t>(seconds - added.duration.GetTotalSeconds(), 0, seconds);
        m_counters[i].ContinueConnection(run.startTick + static_cast<uint64_t>(notCounted) * 1000, added, run.credit,
                                         m_meter.GetConnection().GetLastUnitTick());
    }
}

bool CMeterStation::CheckNewDay() {
    const CDateTime now = m_services.clock.Now();
    const CDateTime& dayOfReset = m_counters[kDaily].GetResetDate();
    // Only forwards: a clock set back never moves the day's counter back to an earlier day.
    if (now.IsSameDay(dayOfReset) || now < dayOfReset || m_services.settings.Read(Setting::kNurBeimStart) != 0) {
        return false;
    }
    m_counters[kDaily].Reset();
    m_counters[kWeekly].AutoReset();
    if (m_counters[kMonthly].AutoReset()) {
        m_tariff.Invalidate(); // the discount counter may have been cleared
    }
    KeepCheckpoint(true); // the counter file has changed under the running connection
    return true;
}

void CMeterStation::StartConnection(int offsetSeconds, const std::string& tariffFile, const std::string& deviceName,
                                    const std::string& connectionName, const std::string& tariffName,
                                    const std::string& link) {
    m_link = link;
    m_tariff.SetFileName(tariffFile);
    const int lead = LeadAfterLastEnd(offsetSeconds);
    const uint64_t startTick = m_services.clock.GetTickCount() - static_cast<uint64_t>(lead) * 1000u;
    m_tariff.CountUnit(); // not yet running: only brings the rate up to date
    for (CSummenZaehler& counter : m_counters) {
        counter.StartConnection(startTick);
    }
    m_meter.StartRun(lead, startTick, deviceName, connectionName, tariffName);
    KeepCheckpoint(false);
}

// Two records of one line that overlap would charge the same time twice. The logged end is what
// the log shows, so the records are compared as they are written: in whole seconds of local time.
int CMeterStation::LeadAfterLastEnd(int offsetSeconds) const {
    // Before the first end, the record of none lies in 1899 and cuts nothing.
    const LogEntry& last = m_meter.GetLastLogged();
    const int64_t sinceEnd = (m_services.clock.Now() - (last.start + last.duration)).GetTotalSeconds();
    return static_cast<int>(std::clamp<int64_t>(sinceEnd, 0, std::max(offsetSeconds, 0)));
}

int CMeterStation::ChargeDueUnits(const std::function<void()>& onUnit) {
    int charged = 0;
    while (m_meter.IsRunning() && m_meter.GetElapsedSeconds() >= m_meter.GetUnitEnd()) {
        m_clock.HoldAt(m_meter.GetConnection().GetStartTick() + m_meter.GetUnitEnd() * 1000);
        m_tariff.CountUnit();
        const uint64_t began = m_meter.NextUnit();
        for (CSummenZaehler& counter : m_counters) {
            counter.AddUnit(began);
        }
        m_clock.Release();
        ++charged;
        if (onUnit) {
            onUnit();
        }
    }
    if (charged > 0 || m_services.clock.GetTickCount() - m_lastCheckpointTick >= kCheckpointIntervalMs) {
        KeepCheckpoint(false);
    }
    return charged;
}

// The writes in this order: the final checkpoint, the counters, the log record (each flushed to
// the disk), the checkpoint's removal. Until the removal, the next start finds a checkpoint whose
// counters it finds counted or counts, and whose record it appends unless the log already holds
// it; so the connection is counted and logged once, wherever the program stops. When a write
// fails, the checkpoint is kept for the next start instead.
//
// Without the final checkpoint, the one on the disk is older than the counters would be: only the
// record can then prove them counted, so it is written first, and the counters only once it is.
// Without either, the counters keep the connection in memory until its record is written.
bool CMeterStation::EndConnection(bool askForDescription) {
    const std::string finalState = KeepCheckpoint(true);
    const bool marked = !m_checkpoints || !m_checkpoints->HasFailed();
    Reached(EndStep::CheckpointWritten);
    RetryUnlogged(true); // an earlier record first, so the log keeps the order of the ends
    bool logged = !marked && m_meter.EndRun();
    if (!marked && !logged) {
        HoldCounters(true);
    }
    bool counted = true;
    for (CSummenZaehler& counter : m_counters) {
        counted = counter.EndConnection() && counted;
        if (&counter == &m_counters[kDaily]) {
            Reached(EndStep::DailyCounterSaved);
        }
    }
    Reached(EndStep::CountersSaved);
    if (marked) {
        logged = m_meter.EndRun();
    }
    Reached(EndStep::Logged);
    m_end = {logged, counted, {}, false};
    if (m_checkpoints && !logged && marked) {
        m_end.unloggedKeptAs = m_checkpoints->KeepUnlogged();
    }
    if (!logged && m_end.unloggedKeptAs.empty()) {
        m_unlogged.push_back(m_meter.GetLastLogged());
        m_lastRetryTick = m_services.clock.GetTickCount();
    }
    if (m_checkpoints && !counted && marked) {
        // The counters hold the connection in memory and are saved whole with the next ones; till
        // then the checkpoint stays, so that a start before that counts it.
        m_checkpoints->Write(finalState);
    } else if (m_checkpoints && logged) {
        m_end.checkpointLeft = !m_checkpoints->Remove();
    }
    return (!askForDescription || m_meter.AskDescription()) && logged && counted && !m_end.checkpointLeft;
}

void CMeterStation::HoldCounters(bool held) {
    for (CSummenZaehler& counter : m_counters) {
        counter.Hold(held);
    }
}

CMeterStation::EndWrites CMeterStation::AddConnection(const LogEntry& record, uint32_t discountedUnits) {
    EndWrites end;
    for (CSummenZaehler& counter : m_counters) {
        end.counted = counter.Add(CounterFigures::Of(record)) && end.counted;
    }
    if (discountedUnits > 0) {
        CRabattZaehler discount(m_services.settings.GetProgramDirectory());
        discount.SetCount(discount.GetCount() + discountedUnits);
        end.counted = discount.Save() && end.counted;
    }
    end.logged = CProtokollFile(m_services.settings.GetProgramDirectory()).Append(record).has_value();
    return end;
}

bool CMeterStation::RetryUnlogged(bool now) {
    constexpr uint32_t kRetryIntervalMs = 60000;
    const uint64_t tick = m_services.clock.GetTickCount();
    if (m_unlogged.empty() || (!now && tick - m_lastRetryTick < kRetryIntervalMs)) {
        return false;
    }
    m_lastRetryTick = tick;
    const size_t before = m_unlogged.size();
    const std::string directory = m_services.settings.GetProgramDirectory();
    while (!m_unlogged.empty() && CProtokollFile(directory).Append(m_unlogged.front())) {
        m_unlogged.erase(m_unlogged.begin());
    }
    if (m_unlogged.empty() && m_counters[kDaily].IsHeld()) {
        // The records prove the connections counted now.
        HoldCounters(false);
        for (CSummenZaehler& counter : m_counters) {
            counter.Save();
        }
    }
    return m_unlogged.size() < before;
}

void CMeterStation::ResetCounter(Counter counter) {
    if (m_counters[counter].ResetPeriod()) {
        m_tariff.Invalidate();
    }
    KeepCheckpoint(true);
}

void CMeterStation::SaveState() {
    KeepCheckpoint(true);
}

bool CMeterStation::LeaveConnection() {
    return !m_link.empty() && !KeepCheckpoint(true).empty() && !m_checkpoints->HasFailed();
}

std::string CMeterStation::CheckpointText() const {
    CCheckpoint checkpoint;
    checkpoint.record = m_meter.MakeLogEntry();
    if (!m_link.empty()) {
        const CVerbindungsZaehler& connection = m_meter.GetConnection();
        const uint64_t start = connection.GetStartTick();
        const std::optional<uint64_t> lastUnit = connection.GetLastUnitTick();
        checkpoint.run = CCheckpoint::Run{m_link,
                                          m_tariff.GetFileName(),
                                          connection.connectionName,
                                          start,
                                          static_cast<uint32_t>(m_meter.GetUnitEnd()),
                                          lastUnit ? static_cast<int32_t>((*lastUnit - start) / 1000) : -1,
                                          connection.GetCredit(),
                                          m_meter.GetInitialPeriod()};
    }
    for (size_t i = 0; i < m_counters.size(); ++i) {
        checkpoint.counters[i] = m_counters[i].GetStateAtEnd();
        checkpoint.saved[i] = m_counters[i].GetSavedState();
    }
    return checkpoint.ToText();
}

std::string CMeterStation::KeepCheckpoint(bool now) {
    if (!m_checkpoints || !m_meter.IsRunning()) {
        return {};
    }
    m_lastCheckpointTick = m_services.clock.GetTickCount();
    std::string text = CheckpointText();
    if (now) {
        m_checkpoints->Write(text);
    } else {
        m_checkpoints->Post(text);
    }
    return text;
}

void CMeterStation::Reached(EndStep step) const {
    if (m_endStepHook) {
        m_endStepHook(step);
    }
}
