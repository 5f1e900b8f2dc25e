#pragma once

#include "detection/DialUpSource.h"
#include "detection/Phonebook.h"

class CNetworkManagerLinks;
class CPppLinks;

// Dial-up networking on Linux: NetworkManager's dial-up connections and pppd's links together. A
// link that both show (NetworkManager runs pppd itself) counts once, under NetworkManager's name.
class CDialUpNetworking : public DialUpSource, public Phonebook {
public:
    CDialUpNetworking(CPppLinks& ppp, CNetworkManagerLinks& networkManager);

    bool IsAvailable() override;
    std::optional<std::vector<DialUpLink>> ActiveLinks() override;
    // The peers of pppd and NetworkManager's dial-up profiles, sorted, each once.
    std::vector<std::string> ListEntries() override;

private:
    CPppLinks& m_ppp;
    CNetworkManagerLinks& m_networkManager;
};
