#pragma once

#include "detection/DialUpSource.h"

#include <map>
#include <string>
#include <vector>

// Where the PPP links of this machine can be seen; tests point these at a temporary tree.
struct PppRoots {
    std::string sysfs = "/sys";
    std::vector<std::string> runDirectories = {"/run", "/run/pppd", "/var/run"};
    std::string proc = "/proc";
    std::string peers = "/etc/ppp/peers";
    std::vector<std::string> programs = {"/usr/sbin/pppd", "/sbin/pppd"};
};

// The PPP links of pppd: interfaces of type ppp that are up, joined to their pppd through its pid
// files. A link of a pppd that dials on demand counts only while pppd has its serial device open,
// since its interface is up before anything is dialled.
class CPppLinks : public DialUpSource {
public:
    explicit CPppLinks(PppRoots roots);

    bool IsAvailable() override;
    std::optional<std::vector<DialUpLink>> ActiveLinks() override;
    // The entries of the peers directory, sorted.
    std::vector<std::string> PeerNames() const;

private:
    struct Daemon {
        int pid = 0;
        std::string linkName;
    };

    std::vector<std::string> UpPppInterfaces();
    bool IsPppInterface(const std::string& name);
    std::map<std::string, Daemon> DaemonsByInterface() const;
    std::optional<DialUpLink> LinkOf(const std::string& interfaceName, const Daemon& daemon) const;

    PppRoots m_roots;
    std::string m_netDirectory;
    std::map<std::string, bool> m_isPpp; // interface name: is it a PPP interface (asked once)
};
