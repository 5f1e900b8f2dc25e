#include "cli/SimulationCommands.h"

#include "cli/CommandOptions.h"
#include "cli/CommandUsage.h"
#include "cli/Interruption.h"
#include "cli/JsonText.h"
#include "cli/TariffLookup.h"
#include "cli/TemporaryDirectory.h"
#include "core/NumberText.h"
#include "core/ResourceIds.h"
#include "core/SilentSoundPlayer.h"
#include "core/SimulatedClock.h"
#include "core/StringTable.h"
#include "core/TimeRules.h"
#include "log/ProtokollFile.h"
#include "metering/MeterStation.h"
#include "metering/SimulatedConnection.h"
#include "metering/ZaehlerFile.h"
#include "platform/DataPaths.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "platform/UserName.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"
#include "settings/MemorySettingsStore.h"
#include "tariffs/DefaultTariff.h"
#include "tariffs/InitialPeriodSource.h"
#include "tariffs/RabattZaehler.h"
#include "tariffs/TarifFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2, ""};
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
    std::string tariffName;
    bool builtInRate = false; // the default tariff file is missing
    CDateTime moment;
    std::optional<uint32_t> discountCount;
};

// The tariff named, else the default tariff the desktop program meters with.
bool ReadTariff(const CCommandOptions& options, const CliContext& context, Simulation& simulation) {
    const std::optional<std::string> tariff = options.Get("--tariff");
    if (!tariff) {
        const CStringTable* strings = context.windowStrings();
        simulation.tariffPath = DefaultTariffFile(context.dataDirectory);
        std::error_code error;
        simulation.builtInRate = !std::filesystem::is_regular_file(simulation.tariffPath, error);
        simulation.tariffName = strings ? strings->Get(Str::kDefaultTariff) : TariffTitle(simulation.tariffPath);
        return simulation.builtInRate || IsWithinLimits(simulation.tariffPath, context.err);
    }
    const std::optional<std::string> path = FindTariffFile(*tariff, context.dataDirectory, context.err);
    if (!path) {
        return false;
    }
    simulation.tariffPath = *path;
    simulation.tariffName = TariffTitle(*path);
    return true;
}

bool ReadSimulation(const CCommandOptions& options, const char* timeOption, const CliContext& context,
                    Simulation& simulation) {
    if (!ReadTariff(options, context, simulation)) {
        return false;
    }
    const std::optional<std::string> time = options.Get(timeOption);
    const std::optional<CDateTime> moment = time ? ParseLocalDateTime(*time) : CSystemClock().Now();
    if (!moment) {
        context.err << "fernzahl-cli: " << timeOption << " \"" << *time
                    << "\" is no date and time; expected \"YYYY-MM-DD HH:MM[:SS]\"\n";
        return false;
    }
    simulation.discountCount = ParseCount(options.Get("--discount-count"));
    if (options.Has("--discount-count") && !simulation.discountCount) {
        context.err << "fernzahl-cli: --discount-count needs a whole number\n";
        return false;
    }
    simulation.moment = *moment;
    return true;
}

// Opening a tariff file creates it. Without a default tariff the rate lookup reads an empty stand-in
// in the scratch directory, so the data directory gains no empty "Fernzahl.tff" that would hide the
// missing tariff from the desktop program.
std::string FileToRead(const Simulation& simulation, const std::string& scratchDirectory) {
    return simulation.builtInRate ? scratchDirectory + "Fernzahl.tff" : simulation.tariffPath;
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
    const LocaleFacts facts = LocaleFacts::FromCLibrary(); // for people, as every table of the terminal
    char zone[64];
    std::snprintf(zone, sizeof zone, "%s-%s%s", FormatQuarterHour(tarif.GetZoneFirstQuarter(), false, facts).c_str(),
                  FormatQuarterHour(tarif.GetZoneLastQuarter(), true, facts).c_str(),
                  tarif.HasZone() ? "" : " (no zone: the default rate)");
    const std::string discount = tarif.IsDiscountActive()
                                     ? "active, " + std::to_string(tarif.GetDiscountCounter().GetCount()) + " of " +
                                           std::to_string(tarif.GetDiscountLimit()) + " units counted, " +
                                           FormatAmount(tarif.GetDiscountPrice(), facts) + " per unit of " +
                                           std::to_string(tarif.GetDiscountSecondsPerUnit()) + " s"
                                     : "not active";
    return "Tariff file:      " + simulation.tariffPath +
           (simulation.builtInRate ? " (missing: the built-in rate)" : "") +
           "\nAt:               " + CDateTimeText().Format(simulation.moment) + simulation.moment.Format(" (%A)") +
           "\nDay kind:         " + NameOfDayKind(tarif.GetDayKind()) + " (" + std::to_string(tarif.GetDayKind()) +
           ")\nZone:             " + zone + "\nSeconds per unit: " + std::to_string(tarif.GetZoneSecondsPerUnit()) +
           "\nPrice per unit:   " + FormatAmount(tarif.GetZonePrice(), facts) +
           "\nStart charge:     " + FormatAmount(tarif.GetStartCharge(), facts) +
           "\nMinimum charge:   " + FormatAmount(tarif.GetMinimumCharge(), facts) +
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
    uint64_t second;
    CMoney price;
    uint64_t length;
    int32_t units;
    CMoney costs;
};

std::string TraceLine(const TracedUnit& u, const LocaleFacts& facts) {
    char line[160];
    std::snprintf(line, sizeof line, "%8llu s  %10s  %6llu s  %6d  %12s\n", static_cast<unsigned long long>(u.second),
                  FormatAmount(u.price, facts).c_str(), static_cast<unsigned long long>(u.length), u.units,
                  FormatAmount(u.costs, facts).c_str());
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
        return WrongUse(context.err, "rate", options.GetError());
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
    tarif.SetFileName(FileToRead(simulation, directory.Path()));
    tarif.Refresh();
    const std::string text = options.Has("--json") ? RateJson(tarif, simulation) : RateText(tarif, simulation);
    std::fputs(text.c_str(), context.out);
    return 0;
}

namespace {

int ReportNotWritten(const CMeterStation::EndWrites& end, const CliContext& context) {
    if (!end.counted) {
        context.err << "fernzahl-cli: the counters could not be saved in " << context.dataDirectory
                    << CZaehlerFile::kFileName << "; the connection is not counted\n";
    }
    if (!end.logged) {
        context.err << "fernzahl-cli: the connection could not be written to the log " << context.dataDirectory
                    << CProtokollFile::kFileName << '\n';
    }
    return 1;
}

// A simulation is no connection of the data folder: it meters in a scratch folder, and only its
// result is added to the folder's counters and log, on the real clock, so that no counter is reset
// or dated by the simulated one.
int CountInDataDirectory(const LogEntry& record, uint32_t discountedUnits, const CliContext& context) {
    CSystemClock clock;
    CSilentSoundPlayer silence;
    const CStringTable noStrings;
    const CStringTable* strings = context.windowStrings();
    const Services services{clock, context.settings, strings ? *strings : noStrings, silence, GetLoginName()};
    CMeterStation station(services);
    const CMeterStation::EndWrites end = station.AddConnection(record, discountedUnits);
    return end.logged && end.counted ? 0 : ReportNotWritten(end, context);
}

uint32_t DiscountCount(const std::string& directory) {
    return CRabattZaehler(directory).GetCount();
}

std::string ResultText(const CCommandOptions& options, uint32_t seconds, const CVerbindungsZaehler& connection,
                       const std::vector<TracedUnit>& trace) {
    std::string text;
    if (options.Has("--json")) {
        text = "{\"seconds\":" + std::to_string(seconds) + ",\"units\":" + std::to_string(connection.GetUnits()) +
               ",\"costs\":" + FormatAmount(connection.GetCosts(), kPlain);
        if (options.Has("--trace")) {
            text += ",\"trace\":[";
            for (size_t i = 0; i < trace.size(); ++i) {
                text += (i ? "," : "") + TraceJson(trace[i]);
            }
            text += "]";
        }
        return text + "}\n";
    }
    // Text for people, in the locale's numbers as every table of the terminal.
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    if (options.Has("--trace")) {
        text = "  second       price    length   units         costs\n";
        for (const TracedUnit& unit : trace) {
            text += TraceLine(unit, facts);
        }
    }
    return text + "Units: " + std::to_string(connection.GetUnits()) +
           "\nCosts: " + FormatAmount(connection.GetCosts(), facts) + "\n";
}

} // namespace

int RunMeterCommand(const std::vector<std::string>& words, const CliContext& context, bool useDataDirectory) {
    CCommandOptions options;
    Simulation simulation;
    if (!options.Parse(words, {"--tariff", "--start", "--seconds", "--discount-count"}, {"--trace", "--json"})) {
        return WrongUse(context.err, "meter", options.GetError());
    }
    const std::optional<uint32_t> seconds = ParseCount(options.Get("--seconds"));
    if (!ReadSimulation(options, "--start", context, simulation) || !seconds) {
        if (!seconds) {
            context.err << "fernzahl-cli: --seconds needs a whole number\n";
        }
        return 2;
    }
    if (*seconds > kLongestMeteredSeconds) {
        context.err << "fernzahl-cli: --seconds may be at most " << kLongestMeteredSeconds
                    << " (68 years), the longest connection whose units a record can hold\n";
        return 2;
    }
    if (useDataDirectory && simulation.moment > CSystemClock().Now()) {
        context.err << "fernzahl-cli: --start lies in the future; a connection counted in the data folder must "
                       "have begun by now\n";
        return 2;
    }
    if (const std::optional<std::string> problem =
            useDataDirectory ? DataPaths::MakeDataDirectory(context.dataDirectory) : std::nullopt) {
        context.err << "fernzahl-cli: the data folder " << context.dataDirectory << " cannot be used: " << *problem
                    << "; nothing was metered\n";
        return 1;
    }
    // One writer per data folder: the desktop program keeps its counters in memory and would save
    // them over what this run adds.
    CSingleInstance meterLock;
    if (useDataDirectory && meterLock.Acquire(context.dataDirectory, CSingleInstance::Purpose::Simulation) ==
                                CSingleInstance::Result::HeldByAnother) {
        context.err << "fernzahl-cli: " << context.dataDirectory << " is held by " << meterLock.DescribeHolder()
                    << ", which may write its counters over what this run adds; meter into it once that has ended, "
                       "or leave out --data-dir\n";
        return 1;
    }
    const CInterruption interruption;
    CTemporaryDirectory scratch;
    const std::string& directory = scratch.Path();
    if (directory.empty()) {
        context.err << "fernzahl-cli: no folder for the simulation could be made: " << std::strerror(errno) << '\n';
        return 1;
    }
    PrepareDiscountCounter(directory, simulation, context);
    const uint32_t discountAtStart = DiscountCount(directory);
    CMemorySettingsStore memorySettings(directory);
    CSimulatedClock clock(simulation.moment, kSimulationStartTick);
    CSilentSoundPlayer silence;
    const CStringTable noStrings;
    const CStringTable* strings = context.windowStrings();
    const Services services{clock, memorySettings, strings ? *strings : noStrings, silence, GetLoginName()};
    CMeterStation station(services);

    std::vector<TracedUnit> trace;
    uint64_t unitStart = 0;
    auto record = [&] {
        const CZaehlwerk& meter = station.Meter();
        trace.push_back({unitStart, station.Tariff().GetUnitPrice(), meter.GetUnitEnd() - unitStart,
                         meter.GetConnection().GetUnits(), meter.GetConnection().GetCosts()});
        unitStart = meter.GetUnitEnd();
    };
    station.StartConnection(0, FileToRead(simulation, directory), "fernzahl-cli", "Simulation", simulation.tariffName);
    unitStart = station.Meter().GetUnitEnd();
    if (!MeterSimulatedConnection(station, clock, *seconds, record, [] { return CInterruption::Signal() == 0; })) {
        context.err << "fernzahl-cli: interrupted; nothing was logged or counted\n";
        return CInterruption::ExitCode();
    }
    station.EndConnection();
    const std::string text = ResultText(options, *seconds, station.Meter().GetConnection(), trace);
    std::fputs(text.c_str(), context.out);
    if (!useDataDirectory) {
        return 0;
    }
    const uint32_t discountAtEnd = DiscountCount(directory);
    // A monthly reset in the simulated time clears the discount counter: then the end's count is new.
    const uint32_t discounted = discountAtEnd >= discountAtStart ? discountAtEnd - discountAtStart : discountAtEnd;
    return CountInDataDirectory(station.Meter().GetLastLogged(), discounted, context);
}
