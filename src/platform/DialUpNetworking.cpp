#include "platform/DialUpNetworking.h"

#include "platform/NetworkManagerLinks.h"
#include "platform/PppLinks.h"

#include <algorithm>
#include <utility>

CDialUpNetworking::CDialUpNetworking(CPppLinks& ppp, CNetworkManagerLinks& networkManager, std::string bootId)
    : m_ppp(ppp), m_networkManager(networkManager), m_bootId(std::move(bootId)) {}

bool CDialUpNetworking::IsAvailable() {
    return m_ppp.IsAvailable() || m_networkManager.IsAvailable();
}

std::optional<std::vector<DialUpLink>> CDialUpNetworking::ActiveLinks() {
    std::optional<std::vector<DialUpLink>> links = Links();
    if (links) {
        for (DialUpLink& link : *links) {
            link.identity = m_bootId + " " + link.identity;
        }
    }
    return links;
}

std::optional<std::vector<DialUpLink>> CDialUpNetworking::Links() {
    std::optional<std::vector<DialUpLink>> links = m_networkManager.ActiveLinks();
    std::optional<std::vector<DialUpLink>> ppp = m_ppp.ActiveLinks();
    if (!links) {
        return ppp;
    }
    for (DialUpLink& link : ppp.value_or(std::vector<DialUpLink>{})) {
        const bool seen = std::any_of(links->begin(), links->end(), [&](const DialUpLink& known) {
            return !known.interfaceName.empty() && known.interfaceName == link.interfaceName;
        });
        if (!seen) {
            links->push_back(std::move(link));
        }
    }
    return links;
}

std::vector<std::string> CDialUpNetworking::ListEntries() {
    std::vector<std::string> entries = m_ppp.PeerNames();
    const std::vector<std::string> profiles = m_networkManager.DialUpProfiles();
    entries.insert(entries.end(), profiles.begin(), profiles.end());
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}
