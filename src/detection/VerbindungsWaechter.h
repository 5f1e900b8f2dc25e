#pragma once

#include "core/Services.h"

#include <cstdint>
#include <optional>
#include <string>

class CStringTable;
class DialUpSource;
class SettingsStore;
class ModemLine;

// Decides at every heartbeat whether a dial-up connection is up, from the dial-up networking
// source and from the carrier line of a serial modem device, and reports the start and end edges,
// the connection's names, how long before its detection it is taken to have started, and which
// tariff file and tariff name apply to it.
class CVerbindungsWaechter {
public:
    enum State { kNone = 0, kDialUp = 1, kModemLine = 2 };

    CVerbindungsWaechter(const Services& services, DialUpSource& dialUp, ModemLine& modem);

    // Reads the monitoring settings; again after the options changed.
    void ReadSettings();
    // One observation; called once per heartbeat before the edges are asked.
    void Poll();

    bool HasStarted() const { return m_state != kNone && m_previousState == kNone; }
    bool HasEnded() const { return m_state == kNone && m_previousState != kNone; }
    int GetState() const { return m_state; }
    // Seconds before the detection at which the connection is taken to have started.
    int GetStartOffset() const;
    const std::string& GetConnectionName() const { return m_connectionName; }
    const std::string& GetDeviceName() const { return m_deviceName; }
    // What tells the present connection's link from others (DialUpLink::identity; the modem line by
    // its device); empty when nothing can.
    std::string GetLinkIdentity() const;
    // Whether a link of that identity is up now, asked of the sources at once (a connection that a
    // stopped meter left on it may be resumed).
    bool IsLinkUp(const std::string& identity);
    // The connection on that link is metered already: the next poll that finds it up sees no start,
    // and one that does not sees its end.
    void ContinueLink(const std::string& identity);
    // The tariff file assigned to the present connection, or the default tariff file.
    std::string GetTariffFile() const;
    // The name the present connection's tariff is logged under.
    std::string GetTariffName() const;
    // Whether dial-up networking can be watched here now: pppd or NetworkManager is there (the
    // options page asks).
    bool IsDialUpAvailable();
    // A modem device this user may not open, and the group whose members may (empty when none
    // may); or a device in the settings too long to be watched (device empty).
    struct ModemProblem {
        std::string device;
        std::string group;
    };
    // What the user has to be told about the modem device, once per device; nothing when there is
    // nothing (more) to tell.
    std::optional<ModemProblem> TakeModemProblem();
    // The problem told as the program tells it: what to do, with the user's name in the command.
    static std::string Describe(const ModemProblem& problem, const CStringTable& strings, const std::string& user);
    // Whether dial-up networking or the modem line is switched on at all.
    static bool IsAnySourceSwitchedOn(SettingsStore& settings);

private:
    struct AssignedTariff {
        std::string title;
        std::string path;
    };
    // The tariff assigned to the present connection, when its file can be read; looked up once, so
    // that a file deleted meanwhile only means the default tariff.
    std::optional<AssignedTariff> FindAssignedTariff() const;
    void PollDialUp();
    void PollModemLine();
    void NoteProblem(const std::string& group);
    std::string ModemLineIdentity() const { return "modem " + m_modemDevice; }

    const Services& m_services;
    DialUpSource& m_dialUp;
    ModemLine& m_modem;
    int m_previousState = kNone;
    uint64_t m_carrierOffTick = 0;
    bool m_modemMonitoring = false;
    bool m_dialUpMonitoring = false;
    std::string m_modemDevice;
    std::optional<ModemProblem> m_modemProblem;
    std::optional<std::string> m_modemProblemToldFor; // the device whose problem was told, so it is told once
    int m_leadTime = 10;
    int m_tolerance = 4;
    std::string m_connectionName;
    std::string m_deviceName;
    std::string m_linkIdentity; // of the dial-up link that gives the names
    int m_state = kNone;
};
