#pragma once

#include "core/Services.h"
#include "metering/SummenZaehler.h"
#include "metering/Zaehlwerk.h"
#include "tariffs/Tarif.h"

#include <array>
#include <functional>
#include <string>

// The metering side of the main window: the running tariff, the meter run and the four totals
// counters, advanced in the order the heartbeat gives. The desktop program and the simulator of
// fernzahl-cli drive the same object.
class CMeterStation {
public:
    enum Counter { kDaily = 0, kWeekly, kMonthly, kTotal };

    explicit CMeterStation(const Services& services);
    CMeterStation(const CMeterStation&) = delete;
    CMeterStation& operator=(const CMeterStation&) = delete;

    CZaehlwerk& Meter() { return m_meter; }
    const CZaehlwerk& Meter() const { return m_meter; }
    CTarif& Tariff() { return m_tariff; }
    CSummenZaehler& GetCounter(Counter counter) { return m_counters[counter]; }
    const CSummenZaehler& GetCounter(Counter counter) const { return m_counters[counter]; }

    // At the first tick of a new day: the daily counter starts again, the weekly and monthly ones
    // when their period is over (unless the counters are reset only at program start). True when so.
    bool CheckNewDay();
    // A connection was detected offsetSeconds after it is taken to have started.
    void StartConnection(int offsetSeconds, const std::string& tariffFile, const std::string& deviceName,
                         const std::string& connectionName, const std::string& tariffName);
    // Charges every unit that has fallen due, each at the rate of this moment; calls onUnit after each.
    int ChargeDueUnits(const std::function<void()>& onUnit = {});
    // Saves the counters and logs the connection; then, for a connection without a name and when
    // wanted, asks for a description. At the program's end nobody is asked: the record keeps the
    // default name. False when the log could not be written.
    bool EndConnection(bool askForDescription = true);
    // The user's reset of one counter; the monthly one also clears the discount counter when wanted.
    void ResetCounter(Counter counter);

private:
    const Services& m_services;
    CTarif m_tariff;
    CZaehlwerk m_meter;
    std::array<CSummenZaehler, 4> m_counters;
};
