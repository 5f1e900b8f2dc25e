#pragma once

#include "platform/DialUpNetworking.h"
#include "platform/NetworkManagerLinks.h"
#include "platform/PppLinks.h"
#include "platform/SerialModemLine.h"

#include <chrono>
#include <memory>
#include <string>

// The connection sources of this machine, placed where the environment says. Tests and scripts
// move them: FERNZAHL_SYSFS_ROOT (for /sys), FERNZAHL_RUN_ROOT (for /run, /run/pppd and /var/run),
// FERNZAHL_PROC_ROOT (/proc), FERNZAHL_PEERS_DIR (/etc/ppp/peers), FERNZAHL_NM_BUS (a D-Bus address
// of NetworkManager instead of the system bus; "none" for no NetworkManager) and FERNZAHL_SERIAL_DIR
// (instead of /dev, for the serial devices).
class CConnectionSources {
public:
    static std::unique_ptr<CConnectionSources> FromEnvironment();

    CDialUpNetworking& DialUp() { return m_dialUp; }
    CSerialModemLine& ModemLine() { return m_modem; }
    // For a one-off look, not for the heartbeat: lets NetworkManager give its first answer, for at
    // most the time given.
    void WaitForAnswers(std::chrono::milliseconds longest) { m_networkManager.WaitForAnswers(longest); }
    // At a meter's start, before its heartbeat: when a connection was left running in the data
    // folder, lets NetworkManager say which links are up (for at most 2 s), so that the connection
    // is resumed on its link rather than logged as gone.
    void AwaitLinksFor(const std::string& dataDirectory);

private:
    CConnectionSources(PppRoots roots, const QString& busAddress, std::string serialDirectory);

    CPppLinks m_ppp;
    CNetworkManagerLinks m_networkManager;
    CDialUpNetworking m_dialUp;
    CSerialModemLine m_modem;
};
