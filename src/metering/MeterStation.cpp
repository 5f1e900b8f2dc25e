#include "metering/MeterStation.h"

#include "core/Clock.h"
#include "settings/SettingsStore.h"

CMeterStation::CMeterStation(const Services& services)
    : m_services(services), m_tariff(services.clock, services.settings.GetProgramDirectory()),
      m_meter(m_tariff, services), m_counters{
                                       CSummenZaehler(kDaily, CSummenZaehler::ResetMode::Daily, m_tariff, services),
                                       CSummenZaehler(kWeekly, CSummenZaehler::ResetMode::Weekly, m_tariff, services),
                                       CSummenZaehler(kMonthly, CSummenZaehler::ResetMode::Monthly, m_tariff, services),
                                       CSummenZaehler(kTotal, CSummenZaehler::ResetMode::Never, m_tariff, services)} {
    m_tariff.SetMeter(&m_meter);
    for (CSummenZaehler& counter : m_counters) {
        counter.SetMeter(&m_meter);
    }
}

bool CMeterStation::CheckNewDay() {
    const CDateTime now = m_services.clock.Now();
    if (now.IsSameDay(m_counters[kDaily].GetResetDate()) || m_services.settings.Read(Setting::kNurBeimStart) != 0) {
        return false;
    }
    m_counters[kDaily].Reset();
    m_counters[kWeekly].AutoReset();
    if (m_counters[kMonthly].AutoReset()) {
        m_tariff.Invalidate(); // the discount counter may have been cleared
    }
    return true;
}

void CMeterStation::StartConnection(int offsetSeconds, const std::string& tariffFile, const std::string& deviceName,
                                    const std::string& connectionName, const std::string& tariffName) {
    m_tariff.SetFileName(tariffFile);
    const uint32_t startTick = m_services.clock.GetTickCount() - static_cast<uint32_t>(offsetSeconds) * 1000u;
    m_tariff.CountUnit(); // not yet running: only brings the rate up to date
    for (CSummenZaehler& counter : m_counters) {
        counter.StartConnection(startTick);
    }
    m_meter.StartRun(offsetSeconds, startTick, deviceName, connectionName, tariffName);
}

int CMeterStation::ChargeDueUnits(const std::function<void()>& onUnit) {
    int charged = 0;
    while (m_meter.IsRunning() && m_meter.GetElapsedSeconds() >= m_meter.GetUnitEnd()) {
        m_tariff.CountUnit();
        m_meter.NextUnit();
        for (CSummenZaehler& counter : m_counters) {
            counter.AddUnit();
        }
        ++charged;
        if (onUnit) {
            onUnit();
        }
    }
    return charged;
}

bool CMeterStation::EndConnection(bool askForDescription) {
    // The counters are saved before the meter may ask for a description.
    for (CSummenZaehler& counter : m_counters) {
        counter.EndConnection();
    }
    const bool logged = m_meter.EndRun();
    return (!askForDescription || m_meter.AskDescription()) && logged;
}

void CMeterStation::ResetCounter(Counter counter) {
    if (m_counters[counter].ResetPeriod()) {
        m_tariff.Invalidate();
    }
}
