#include "cli/CounterResetCommand.h"

#include "cli/CountersCommand.h"
#include "cli/RunCommand.h"
#include "core/Services.h"
#include "core/SilentSoundPlayer.h"
#include "core/StringTable.h"
#include "metering/SummenZaehler.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "tariffs/RabattZaehler.h"
#include "tariffs/Tarif.h"

#include <ostream>

namespace {

constexpr CSummenZaehler::ResetMode kModes[] = {CSummenZaehler::ResetMode::Daily, CSummenZaehler::ResetMode::Weekly,
                                                CSummenZaehler::ResetMode::Monthly, CSummenZaehler::ResetMode::Never};

} // namespace

int RunCounterReset(uint8_t counter, const CliContext& context) {
    const std::string& folder = context.dataDirectory;
    CSingleInstance lock;
    if (lock.Acquire(folder, CSingleInstance::Purpose::Simulation) == CSingleInstance::Result::HeldByAnother) {
        context.err << "fernzahl-cli: " << folder << " is held by " << lock.DescribeHolder()
                    << ", which keeps the counters in memory and would save them over the reset; reset the counter "
                       "in its window, or once it has ended; nothing was reset\n";
        return kFolderHeld;
    }
    // A damaged file is not written over: what it still holds of the other counters would be lost.
    if (!CZaehlerFile(folder).IsWhole()) {
        context.err << "fernzahl-cli: cannot read the counter file " << folder << CZaehlerFile::kFileName
                    << " (missing permission, or damaged); nothing was reset\n";
        return 1;
    }
    const CSystemClock clock;
    CSilentSoundPlayer silence;
    const CStringTable noStrings;
    const Services services{clock, context.settings, noStrings, silence, ""};
    CTarif tariff(clock, folder);
    CSummenZaehler totals(counter, kModes[counter], tariff, services);
    const bool discountCleared = totals.ResetPeriod();
    const std::string file = folder + CZaehlerFile::kFileName;
    if (totals.GetSavedState() != totals.GetStateAtEnd()) {
        context.err << "fernzahl-cli: the counter file " << file << " could not be written; the "
                    << kCounterNames[counter] << " counter was not reset\n";
        return 1;
    }
    if (discountCleared && CRabattZaehler(folder).GetCount() != 0) {
        context.err << "fernzahl-cli: the " << kCounterNames[counter] << " counter is reset, but the counter file "
                    << file << " could not be written for the discount counter, which was not reset\n";
        return 1;
    }
    std::fprintf(context.out, "The %s counter is reset%s.\n", kCounterNames[counter],
                 discountCleared ? ", and with it the discount counter" : "");
    return 0;
}
