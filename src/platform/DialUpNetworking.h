#pragma once

#include "detection/DialUpSource.h"
#include "detection/Phonebook.h"

#include <string>

class CNetworkManagerLinks;
class CPppLinks;

// Dial-up networking on Linux: NetworkManager's dial-up connections and pppd's links together. A
// link that both show (NetworkManager runs pppd itself) counts once, under NetworkManager's name.
// A link's identity carries the boot it is up in: after a restart of the machine, pids and
// NetworkManager's objects are given again, to other links.
class CDialUpNetworking : public DialUpSource, public Phonebook {
public:
    CDialUpNetworking(CPppLinks& ppp, CNetworkManagerLinks& networkManager, std::string bootId);

    bool IsAvailable() override;
    std::optional<std::vector<DialUpLink>> ActiveLinks() override;
    // The peers of pppd and NetworkManager's dial-up profiles, sorted, each once.
    std::vector<std::string> ListEntries() override;

private:
    // Both sources' links, each once.
    std::optional<std::vector<DialUpLink>> Links();

    CPppLinks& m_ppp;
    CNetworkManagerLinks& m_networkManager;
    std::string m_bootId;
};
