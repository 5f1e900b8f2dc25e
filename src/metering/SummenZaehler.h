#pragma once

#include "core/DateTime.h"
#include "core/Services.h"
#include "metering/GebuehrenZaehler.h"
#include "metering/ZaehlerFile.h"

#include <cstdint>
#include <string>

// One of the four totals counters (daily, weekly, monthly, total): the connections, time, units
// and costs since its last reset, kept in the counter file and reset when its period is over.
class CSummenZaehler : public CGebuehrenZaehler {
public:
    enum class ResetMode { Never = 0, Daily = 1, Weekly = 2, Monthly = 3 };

    // Loads the counter's record (creating it when missing) and resets it if its period is over.
    CSummenZaehler(uint8_t recordNumber, ResetMode mode, CTarif& tariff, const Services& services);

    void StartConnection(uint64_t startTick);
    // Counts a connection that an earlier meter counted up to what it added, timed from startTick.
    void ContinueConnection(uint64_t startTick, const CounterFigures& added, CMoney credit,
                            std::optional<uint64_t> lastUnitTick);
    // Adds the connection's time and saves.
    // False when the counter could not be saved (it still holds the connection).
    bool EndConnection();
    // Clears the counter and saves; a connection in progress counts from now on.
    void Reset();
    // Resets when the counter's period is over; true when it did.
    bool AutoReset();
    // Reset, and for the monthly counter also the discount counter when "ResetRabatt" says so;
    // true when the discount counter was cleared.
    bool ResetPeriod();
    // False when it could not be saved, or is held.
    bool Save();
    // While held, saves keep the counter in memory only.
    void Hold(bool held) { m_held = held; }
    bool IsHeld() const { return m_held; }
    // Starts from a state the counter file could not take (a recovered connection's), and saves it.
    void TakeOver(const CounterState& state);
    // Adds a connection that was metered elsewhere (a simulation's) and saves; false when the counter
    // could not be saved (it still holds the connection).
    bool Add(const CounterFigures& figures);

    // The counter's text for the main window.
    std::string FormatTotals() const;
    int32_t GetConnections() const { return m_connections; }
    CDateTime GetResetDate() const { return m_resetDate; }
    // The stored time plus, while a connection is counted, its time so far.
    CTimeSpan GetTotalDuration() const;
    // What the counter would save if the connection it counts ended now.
    CounterState GetStateAtEnd() const;
    // What the counter file holds of it, as far as this counter knows: what it loaded or last saved.
    const CounterState& GetSavedState() const { return m_saved; }

private:
    void Assign(const CounterState& state);
    // As stored, without a running connection's time.
    CounterState Current() const;

    const Services& m_services;
    int32_t m_connections = 0;
    CDateTime m_resetDate;
    uint8_t m_recordNumber;
    ResetMode m_mode;
    CZaehlerFile m_file;
    CounterState m_saved;
    bool m_held = false;
};
