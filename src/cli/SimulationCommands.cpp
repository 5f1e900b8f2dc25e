#include "cli/SimulationCommands.h"

#include "cli/CommandOptions.h"
#include "cli/JsonText.h"
#include "cli/TariffLookup.h"
#include "cli/TemporaryDirectory.h"
#include "core/NumberText.h"
#include "core/SilentSoundPlayer.h"
#include "core/SimulatedClock.h"
#include "core/StringTable.h"
#include "metering/MeterStation.h"
#include "platform/UserName.h"
#include "settings/Formatting.h"
#include "settings/MemorySettingsStore.h"
#include "tariffs/InitialPeriodSource.h"

#include <filesystem>
#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2};
constexpr uint32_t kSimulationStartTick = 1000;

// Asks the rate for the units after the initial period.
class CAfterInitialPeriod : public InitialPeriodSource {
public:
    bool IsInInitialPeriod() const override { return false; }
};

std::optional<uint32_t> ParseCount(const std::optional<std::string>& text) {
    return text ? ParseUint32(*text) : std::nullopt;
}

// What both commands are told: which tariff, when, and the discount counter to begin with.
struct Simulation {
    std::string tariffPath;
    CDateTime moment;
    std::optional<uint32_t> discountCount;
};

bool ReadSimulation(const CCommandOptions& options, const char* timeOption, const CliContext& context,
                    Simulation& simulation) {
    const std::optional<std::string> tariff = options.Get("--tariff");
    const std::optional<std::string> time = options.Get(timeOption);
    if (!tariff || !time) {
        context.err << "fernzahl-cli: --tariff and " << timeOption << " are needed\n";
        return false;
    }
    const std::optional<std::string> path = ResolveTariffFile(*tariff, context.dataDirectory);
    if (!path) {
        context.err << "fernzahl-cli: no tariff file " << *tariff << '\n';
        return false;
    }
    const std::optional<CDateTime> moment = ParseLocalDateTime(*time);
    if (!moment) {
        context.err << "fernzahl-cli: '" << *time << "' is no date and time (YYYY-MM-DD HH:MM[:SS])\n";
        return false;
    }
    simulation.discountCount = ParseCount(options.Get("--discount-count"));
    if (options.Has("--discount-count") && !simulation.discountCount) {
        context.err << "fernzahl-cli: --discount-count needs a whole number\n";
        return false;
    }
    simulation.tariffPath = *path;
    simulation.moment = *moment;
    return true;
}

// The discount counter the simulation starts with: the one given, else the one stored, else 0.
void PrepareDiscountCounter(const std::string& directory, const Simulation& simulation, const CliContext& context) {
    std::optional<uint32_t> count = simulation.discountCount;
    std::error_code error;
    if (!count && std::filesystem::is_regular_file(context.dataDirectory + CZaehlerFile::kFileName, error)) {
        CZaehlerFile stored(context.dataDirectory);
        if (stored.OpenRecordFile() && stored.FindFirst(0, CZaehlerFile::kDiscount)) {
            count = static_cast<uint32_t>(stored.units);
        }
    }
    if (count) {
        CRabattZaehler discount(directory);
        discount.SetCount(*count);
        discount.Save();
    }
}

std::string RateText(const CTarif& tarif, const Simulation& simulation) {
    char zone[64];
    std::snprintf(zone, sizeof zone, "%s-%s%s", FormatQuarterHour(tarif.GetZoneFirstQuarter(), false, kPlain).c_str(),
                  FormatQuarterHour(tarif.GetZoneLastQuarter(), true, kPlain).c_str(),
                  tarif.HasZone() ? "" : " (no zone: the default rate)");
    const std::string discount = tarif.IsDiscountActive()
                                     ? "active, " + std::to_string(tarif.GetDiscountCounter().GetCount()) + " of " +
                                           std::to_string(tarif.GetDiscountLimit()) + " units counted, " +
                                           FormatAmount(tarif.GetDiscountPrice(), kPlain) + " per unit of " +
                                           std::to_string(tarif.GetDiscountSecondsPerUnit()) + " s"
                                     : "not active";
    return "Tariff file:      " + simulation.tariffPath +
           "\nAt:               " + simulation.moment.Format("%Y-%m-%d %H:%M (%A)") +
           "\nDay kind:         " + NameOfDayKind(tarif.GetDayKind()) + " (" + std::to_string(tarif.GetDayKind()) +
           ")\nZone:             " + zone + "\nSeconds per unit: " + std::to_string(tarif.GetZoneSecondsPerUnit()) +
           "\nPrice per unit:   " + FormatAmount(tarif.GetZonePrice(), kPlain) +
           "\nStart charge:     " + FormatAmount(tarif.GetStartCharge(), kPlain) +
           "\nMinimum charge:   " + FormatAmount(tarif.GetMinimumCharge(), kPlain) +
           "\nInitial period:   " + std::to_string(tarif.GetInitialPeriod()) + " s\nDiscount:         " + discount +
           "\n";
}

std::string RateJson(const CTarif& tarif, const Simulation& simulation) {
    return "{\"tariff\":" + JsonString(simulation.tariffPath) + ",\"at\":" + JsonString(simulation.moment.FormatIso()) +
           ",\"dayKind\":" + std::to_string(tarif.GetDayKind()) + ",\"zone\":" + (tarif.HasZone() ? "true" : "false") +
           ",\"firstQuarter\":" + std::to_string(tarif.GetZoneFirstQuarter()) +
           ",\"lastQuarter\":" + std::to_string(tarif.GetZoneLastQuarter()) +
           ",\"secondsPerUnit\":" + std::to_string(tarif.GetZoneSecondsPerUnit()) +
           ",\"price\":" + FormatAmount(tarif.GetZonePrice(), kPlain) +
           ",\"startCharge\":" + FormatAmount(tarif.GetStartCharge(), kPlain) +
           ",\"minimumCharge\":" + FormatAmount(tarif.GetMinimumCharge(), kPlain) +
           ",\"initialPeriod\":" + std::to_string(tarif.GetInitialPeriod()) +
           ",\"discount\":{\"active\":" + (tarif.IsDiscountActive() ? "true" : "false") +
           ",\"count\":" + std::to_string(tarif.GetDiscountCounter().GetCount()) +
           ",\"limit\":" + std::to_string(tarif.GetDiscountLimit()) +
           ",\"price\":" + FormatAmount(tarif.GetDiscountPrice(), kPlain) +
           ",\"secondsPerUnit\":" + std::to_string(tarif.GetDiscountSecondsPerUnit()) + "}}\n";
}

struct TracedUnit {
    uint32_t second;
    CMoney price;
    uint32_t length;
    int32_t units;
    CMoney costs;
};

std::string TraceLine(const TracedUnit& u) {
    char line[160];
    std::snprintf(line, sizeof line, "%8u s  %10s  %6u s  %6d  %12s\n", u.second, FormatAmount(u.price, kPlain).c_str(),
                  u.length, u.units, FormatAmount(u.costs, kPlain).c_str());
    return line;
}

std::string TraceJson(const TracedUnit& u) {
    return "{\"second\":" + std::to_string(u.second) + ",\"price\":" + FormatAmount(u.price, kPlain) +
           ",\"length\":" + std::to_string(u.length) + ",\"units\":" + std::to_string(u.units) +
           ",\"costs\":" + FormatAmount(u.costs, kPlain) + "}";
}

} // namespace

int RunRateCommand(const std::vector<std::string>& words, const CliContext& context) {
    CCommandOptions options;
    Simulation simulation;
    if (!options.Parse(words, {"--tariff", "--at", "--discount-count"}, {"--json"})) {
        context.err
            << "fernzahl-cli: " << options.GetError()
            << "\nusage: fernzahl-cli rate --tariff FILE --at \"YYYY-MM-DD HH:MM\" [--discount-count K] [--json]\n";
        return 2;
    }
    if (!ReadSimulation(options, "--at", context, simulation)) {
        return 2;
    }
    CTemporaryDirectory directory;
    PrepareDiscountCounter(directory.Path(), simulation, context);
    const CSimulatedClock clock(simulation.moment, kSimulationStartTick);
    const CAfterInitialPeriod afterInitialPeriod;
    CTarif tarif(clock, directory.Path());
    tarif.SetMeter(&afterInitialPeriod);
    tarif.SetFileName(simulation.tariffPath);
    tarif.Refresh();
    const std::string text = options.Has("--json") ? RateJson(tarif, simulation) : RateText(tarif, simulation);
    std::fputs(text.c_str(), context.out);
    return 0;
}

int RunMeterCommand(const std::vector<std::string>& words, const CliContext& context, bool useDataDirectory) {
    CCommandOptions options;
    Simulation simulation;
    if (!options.Parse(words, {"--tariff", "--start", "--seconds", "--discount-count"}, {"--trace", "--json"})) {
        context.err << "fernzahl-cli: " << options.GetError()
                    << "\nusage: fernzahl-cli meter --tariff FILE --start \"YYYY-MM-DD HH:MM:SS\" --seconds N "
                       "[--discount-count K] [--trace] [--json]\n";
        return 2;
    }
    const std::optional<uint32_t> seconds = ParseCount(options.Get("--seconds"));
    if (!ReadSimulation(options, "--start", context, simulation) || !seconds) {
        if (!seconds) {
            context.err << "fernzahl-cli: --seconds needs a whole number\n";
        }
        return 2;
    }
    CTemporaryDirectory temporary;
    const std::string directory = useDataDirectory ? context.dataDirectory : temporary.Path();
    PrepareDiscountCounter(directory, simulation, context);
    CMemorySettingsStore memorySettings(directory);
    CSimulatedClock clock(simulation.moment, kSimulationStartTick);
    CSilentSoundPlayer silence;
    const CStringTable noStrings;
    const CStringTable* strings = context.strings();
    const Services services{clock, useDataDirectory ? context.settings : memorySettings, strings ? *strings : noStrings,
                            silence, GetLoginName()};
    CMeterStation station(services);

    std::vector<TracedUnit> trace;
    uint32_t unitStart = 0;
    auto record = [&] {
        const CZaehlwerk& meter = station.Meter();
        trace.push_back({unitStart, station.Tariff().GetUnitPrice(), meter.GetUnitEnd() - unitStart,
                         meter.GetConnection().GetUnits(), meter.GetConnection().GetCosts()});
        unitStart = meter.GetUnitEnd();
    };
    station.StartConnection(0, simulation.tariffPath, "fernzahl-cli", "Simulation", TariffTitle(simulation.tariffPath));
    unitStart = station.Meter().GetUnitEnd();
    // The heartbeat: a tick every 500 ms while the connection lasts; a unit due at its very end is not charged.
    station.ChargeDueUnits(record);
    const uint64_t length = static_cast<uint64_t>(*seconds) * 1000;
    for (uint64_t at = 500; at < length; at += 500) {
        clock.Advance(500);
        station.CheckNewDay();
        station.ChargeDueUnits(record);
    }
    clock.Advance(length - clock.GetElapsedMilliseconds());
    const bool logged = station.EndConnection();
    const CVerbindungsZaehler& connection = station.Meter().GetConnection();

    std::string text;
    if (options.Has("--json")) {
        text = "{\"seconds\":" + std::to_string(*seconds) + ",\"units\":" + std::to_string(connection.GetUnits()) +
               ",\"costs\":" + FormatAmount(connection.GetCosts(), kPlain);
        if (options.Has("--trace")) {
            text += ",\"trace\":[";
            for (size_t i = 0; i < trace.size(); ++i) {
                text += (i ? "," : "") + TraceJson(trace[i]);
            }
            text += "]";
        }
        text += "}\n";
    } else {
        if (options.Has("--trace")) {
            text = "  second       price    length   units         costs\n";
            for (const TracedUnit& unit : trace) {
                text += TraceLine(unit);
            }
        }
        text += "Units: " + std::to_string(connection.GetUnits()) +
                "\nCosts: " + FormatAmount(connection.GetCosts(), kPlain) + "\n";
    }
    std::fputs(text.c_str(), context.out);
    if (useDataDirectory && !logged) {
        context.err << "fernzahl-cli: the connection could not be written to the log\n";
        return 1;
    }
    return 0;
}
