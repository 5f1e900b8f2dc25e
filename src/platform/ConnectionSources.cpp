#include "platform/ConnectionSources.h"

#include <cstdlib>

namespace {

std::string EnvironmentOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

} // namespace

CConnectionSources::CConnectionSources(PppRoots roots, const QString& busAddress, std::string serialDirectory)
    : m_ppp(std::move(roots)), m_networkManager(busAddress), m_dialUp(m_ppp, m_networkManager),
      m_modem(std::move(serialDirectory)) {}

std::unique_ptr<CConnectionSources> CConnectionSources::FromEnvironment() {
    PppRoots roots;
    roots.sysfs = EnvironmentOr("FERNZAHL_SYSFS_ROOT", roots.sysfs);
    if (const char* run = std::getenv("FERNZAHL_RUN_ROOT"); run && *run) {
        roots.runDirectories = {run, std::string(run) + "/pppd"};
    }
    roots.proc = EnvironmentOr("FERNZAHL_PROC_ROOT", roots.proc);
    roots.peers = EnvironmentOr("FERNZAHL_PEERS_DIR", roots.peers);
    const std::string bus = EnvironmentOr("FERNZAHL_NM_BUS", "");
    return std::unique_ptr<CConnectionSources>(
        new CConnectionSources(std::move(roots), bus == "none" ? QStringLiteral("none:") : QString::fromStdString(bus),
                               EnvironmentOr("FERNZAHL_SERIAL_DIR", "/dev")));
}
