#include "platform/ConnectionSources.h"

#include "core/FileDescriptor.h"
#include "core/TextLines.h"
#include "platform/CheckpointFile.h"

#include <cstdlib>

namespace {

std::string EnvironmentOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

// The boot the machine is in; empty where the kernel does not say.
std::string BootId(const std::string& proc) {
    std::string text;
    ReadWholeFile(proc + "/sys/kernel/random/boot_id", text, 64);
    const std::vector<std::string_view> lines = SplitLines(text);
    return lines.empty() ? std::string() : std::string(lines.front());
}

} // namespace

CConnectionSources::CConnectionSources(PppRoots roots, const QString& busAddress, std::string serialDirectory)
    : m_ppp(roots), m_networkManager(busAddress), m_dialUp(m_ppp, m_networkManager, BootId(roots.proc)),
      m_modem(std::move(serialDirectory)) {}

void CConnectionSources::AwaitLinksFor(const std::string& dataDirectory) {
    if (CCheckpointFile(dataDirectory).Read()) {
        WaitForAnswers(std::chrono::seconds(2));
    }
}

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
