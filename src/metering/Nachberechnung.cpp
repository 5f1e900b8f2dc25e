#include "metering/Nachberechnung.h"

#include "core/MemoryDirectory.h"
#include "core/SilentSoundPlayer.h"
#include "core/SimulatedClock.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "metering/MeterStation.h"
#include "metering/SimulatedConnection.h"
#include "settings/MemorySettingsStore.h"
#include "tariffs/RabattZaehler.h"
#include "tariffs/TariffLimits.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

constexpr uint32_t kStartTick = 1000;
constexpr size_t kProgressStep = 256;
const std::string kTariffName = "Tariff.tff";

// One connection as the heartbeat meters it.
CNachberechnung::Rating Replay(CMeterStation& station, CSimulatedClock& clock, const std::string& tariffFile,
                               const CNachberechnung::Connection& connection) {
    clock.SetNow(connection.start);
    station.CheckNewDay();
    station.StartConnection(0, tariffFile, std::string(), std::string(), std::string());
    MeterSimulatedConnection(station, clock, connection.seconds);
    station.EndConnection(false);
    const CVerbindungsZaehler& counted = station.Meter().GetConnection();
    return {counted.GetUnits(), counted.GetCosts()};
}

} // namespace

CNachberechnung::CounterRules CNachberechnung::CounterRules::FromSettings(SettingsStore& settings) {
    CounterRules rules;
    rules.monthlyReset = settings.Read(Setting::kAutoReset) == 1;
    rules.resetDay = settings.Read(Setting::kResetTag);
    rules.clearDiscount = settings.Read(Setting::kResetRabatt) != 0;
    return rules;
}

CNachberechnung::CNachberechnung(const std::string& tariffFile, CounterRules rules)
    : m_tariff(CMemoryDirectory::ReadFromDisk(tariffFile, CTariffLimits::FileBytes())), m_rules(rules) {}

std::vector<CNachberechnung::Rating> CNachberechnung::Rate(const std::vector<Connection>& connections,
                                                           const Progress& progress) const {
    if (!m_tariff) {
        return {};
    }
    CMemoryDirectory directory;
    directory.Put(kTariffName, *m_tariff);
    const std::string tariffFile = directory.Path() + kTariffName;
    CMemorySettingsStore settings(directory.Path());
    settings.Write(Setting::kAutoReset, m_rules.monthlyReset ? 1 : 0);
    settings.Write(Setting::kResetTag, m_rules.resetDay);
    settings.Write(Setting::kResetRabatt, m_rules.clearDiscount ? 1 : 0);
    settings.Write(Setting::kNurBeimStart, 0);
    CRabattZaehler discount(directory.Path());
    discount.SetCount(m_rules.discountCount);
    discount.Save();

    std::vector<size_t> order(connections.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return connections[a].start < connections[b].start; });
    CSimulatedClock clock(order.empty() ? CDateTime() : connections[order.front()].start, kStartTick);
    CSilentSoundPlayer silence;
    const CStringTable noTexts;
    const Services services{clock, settings, noTexts, silence, std::string()};
    CMeterStation station(services);
    std::vector<Rating> ratings(connections.size());
    for (size_t done = 0; done < order.size(); ++done) {
        if (progress && done % kProgressStep == 0 && !progress(done)) {
            return {};
        }
        ratings[order[done]] = Replay(station, clock, tariffFile, connections[order[done]]);
        directory.Remove(CProtokollFile::kFileName); // nobody reads the replayed connections' log
    }
    if (progress) {
        progress(order.size());
    }
    return ratings;
}
