#include "detection/VerbindungsWaechter.h"

#include "core/Clock.h"
#include "core/FileDescriptor.h"
#include "core/FileNames.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "detection/DialUpSource.h"
#include "detection/ModemDevice.h"
#include "detection/ModemLine.h"
#include "settings/SettingsStore.h"
#include "tariffs/DefaultTariff.h"

#include <fcntl.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// The file of a tariff title in the program directory, matched without regard to case.
std::optional<std::string> ReadableTariffFile(const std::string& directory, const std::string& title) {
    const std::optional<std::string> path = FindFileNoCase(directory, title + ".TFF");
    if (!path) {
        return std::nullopt;
    }
    return OpenRegularFile(*path, O_RDONLY).IsOpen() ? path : std::nullopt;
}
} // namespace

CVerbindungsWaechter::CVerbindungsWaechter(const Services& services, DialUpSource& dialUp, ModemLine& modem)
    : m_services(services), m_dialUp(dialUp), m_modem(modem), m_carrierOffTick(services.clock.GetTickCount() + 300) {
    ReadSettings();
}

void CVerbindungsWaechter::ReadSettings() {
    SettingsStore& settings = m_services.settings;
    // Polled even while neither pppd nor NetworkManager is there (each then answers at once with
    // nothing), so that one installed or started later is watched from then on.
    m_dialUpMonitoring = settings.Read(Setting::kDfueNetzwerk) != 0;
    m_modemMonitoring = settings.Read(Setting::kModem) != 0;
    m_modemDevice = ModemDevice::Watched(settings);
    if (m_modemMonitoring && m_modemDevice.empty()) {
        NoteProblem({});
    }
    m_leadTime = static_cast<int>(settings.Read(Setting::kVorlaufzeit));
    m_tolerance = static_cast<int>(settings.Read(Setting::kToleranzzeit));
}

bool CVerbindungsWaechter::IsDialUpAvailable() {
    return m_dialUp.IsAvailable();
}

void CVerbindungsWaechter::Poll() {
    m_previousState = m_state;
    m_state = kNone;
    if (m_dialUpMonitoring) {
        PollDialUp();
    }
    if (m_modemMonitoring && m_state != kDialUp) {
        PollModemLine();
    }
}

void CVerbindungsWaechter::PollDialUp() {
    const std::optional<std::vector<DialUpLink>> links = m_dialUp.ActiveLinks();
    if (!links || links->empty()) {
        return;
    }
    // With several links, the last one gives the names.
    m_state = kDialUp;
    m_deviceName = links->back().device;
    m_connectionName = links->back().name;
    m_linkIdentity = links->back().identity;
}

std::string CVerbindungsWaechter::GetLinkIdentity() const {
    if (m_state == kModemLine) {
        return ModemLineIdentity();
    }
    return m_state == kDialUp ? m_linkIdentity : std::string();
}

bool CVerbindungsWaechter::IsLinkUp(const std::string& identity) {
    if (m_modemMonitoring && !m_modemDevice.empty() && identity == ModemLineIdentity()) {
        return m_modem.Read(m_modemDevice).status == ModemLine::Status::kCarrier;
    }
    const std::optional<std::vector<DialUpLink>> links = m_dialUpMonitoring ? m_dialUp.ActiveLinks() : std::nullopt;
    return !identity.empty() && links &&
           std::any_of(links->begin(), links->end(), [&](const DialUpLink& link) { return link.identity == identity; });
}

void CVerbindungsWaechter::ContinueLink(const std::string& identity) {
    const bool modemLine = identity == ModemLineIdentity();
    m_state = modemLine ? kModemLine : kDialUp;
    m_linkIdentity = modemLine ? std::string() : identity;
}

void CVerbindungsWaechter::PollModemLine() {
    const uint64_t now = m_services.clock.GetTickCount();
    const ModemLine::Reading reading = m_modemDevice.empty() ? ModemLine::Reading{} : m_modem.Read(m_modemDevice);
    if (reading.status == ModemLine::Status::kNoPermission) {
        NoteProblem(reading.group);
    }
    if (reading.status != ModemLine::Status::kCarrier) {
        m_carrierOffTick = now;
        return;
    }
    if (m_previousState == kModemLine || now - m_carrierOffTick > static_cast<uint64_t>(m_tolerance) * 1000u) {
        m_state = kModemLine;
    }
    if (m_state == kModemLine && HasStarted()) {
        m_deviceName = m_modemDevice;
        m_connectionName.clear();
    }
}

void CVerbindungsWaechter::NoteProblem(const std::string& group) {
    if (m_modemProblemToldFor == m_modemDevice) {
        return;
    }
    m_modemProblemToldFor = m_modemDevice;
    m_modemProblem = ModemProblem{m_modemDevice, group};
}

std::optional<CVerbindungsWaechter::ModemProblem> CVerbindungsWaechter::TakeModemProblem() {
    return std::exchange(m_modemProblem, std::nullopt);
}

std::string CVerbindungsWaechter::Describe(const ModemProblem& problem, const CStringTable& strings,
                                           const std::string& user) {
    if (problem.device.empty()) {
        return strings.Format(Str::kModemDeviceTooLong, {std::to_string(SettingsStore::kMaxStringLength)});
    }
    if (problem.group.empty()) {
        return strings.Format(Str::kModemNoGroup, {problem.device});
    }
    return strings.Format(Str::kModemNoPermission, {problem.device, problem.group, user.empty() ? "$USER" : user});
}

bool CVerbindungsWaechter::IsAnySourceSwitchedOn(SettingsStore& settings) {
    return settings.Read(Setting::kDfueNetzwerk) != 0 || settings.Read(Setting::kModem) != 0;
}

int CVerbindungsWaechter::GetStartOffset() const {
    return m_leadTime + (m_state == kModemLine ? m_tolerance : 0);
}

std::optional<CVerbindungsWaechter::AssignedTariff> CVerbindungsWaechter::FindAssignedTariff() const {
    const std::string key = m_state == kModemLine ? "*" : m_connectionName;
    const std::string value = m_services.settings.ReadSettingString(Section::kZuordnung, key, "*");
    if (value == "*" || value.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> path = ReadableTariffFile(m_services.settings.GetProgramDirectory(), value);
    if (!path) {
        return std::nullopt;
    }
    return AssignedTariff{value, std::move(*path)};
}

std::string CVerbindungsWaechter::GetTariffFile() const {
    const std::optional<AssignedTariff> assigned = FindAssignedTariff();
    return assigned ? assigned->path : DefaultTariffFile(m_services.settings.GetProgramDirectory());
}

std::string CVerbindungsWaechter::GetTariffName() const {
    const std::optional<AssignedTariff> assigned = FindAssignedTariff();
    return assigned ? assigned->title : m_services.strings.Get(Str::kDefaultTariff);
}
