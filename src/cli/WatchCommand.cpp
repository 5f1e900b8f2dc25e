#include "cli/WatchCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandUsage.h"
#include "core/SilentSoundPlayer.h"
#include "core/StringTable.h"
#include "detection/ModemDevice.h"
#include "detection/VerbindungsWaechter.h"
#include "platform/ConnectionSources.h"
#include "platform/SystemClock.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <ostream>

namespace {

constexpr int kHeartbeatMs = 500;
// NetworkManager answers after the start; a look at the present state waits this long for it.
constexpr std::chrono::seconds kFirstAnswerWait(2);

const char* SourceName(int state) {
    switch (state) {
    case CVerbindungsWaechter::kDialUp:
        return "dial-up";
    case CVerbindungsWaechter::kModemLine:
        return "modem-line";
    default:
        return "none";
    }
}

// time, what happened, source, connection, device, start offset, tariff file, tariff name; tab-separated.
void PrintLine(std::FILE* out, const CSystemClock& clock, const char* what, int state,
               const CVerbindungsWaechter& watcher) {
    std::fprintf(out, "%s\t%s\t%s\t%s\t%s\t%d\t%s\t%s\n", clock.Now().FormatIso().c_str(), what, SourceName(state),
                 watcher.GetConnectionName().c_str(), watcher.GetDeviceName().c_str(), watcher.GetStartOffset(),
                 watcher.GetTariffFile().c_str(), watcher.GetTariffName().c_str());
    std::fflush(out);
}

const char* StatusName(ModemLine::Status status) {
    switch (status) {
    case ModemLine::Status::kCarrier:
        return "carrier";
    case ModemLine::Status::kNoCarrier:
        return "no-carrier";
    case ModemLine::Status::kNoPermission:
        return "no-permission";
    default:
        return "absent";
    }
}

// The command line speaks English whether or not the resource library is there.
void TellModemProblem(const CliContext& context, const CVerbindungsWaechter::ModemProblem& problem) {
    if (problem.device.empty()) {
        context.err << "fernzahl-cli: the modem device in the settings (Überwachung/Gerät) is longer than "
                    << SettingsStore::kMaxStringLength << " characters; no modem line is watched\n";
    } else if (problem.group.empty()) {
        context.err << "fernzahl-cli: you may not open " << problem.device
                    << ", and no group may; ask the administrator for access (a udev rule giving it to a group "
                       "such as dialout)\n";
    } else {
        context.err << "fernzahl-cli: you may not open " << problem.device << "; members of the group \""
                    << problem.group << "\" may (sudo adduser $USER " << problem.group
                    << ", then log out and back in)\n";
    }
}

// The modem line's device and what it reports, watched or not: modem-line, device, status.
void PrintModemLine(const CliContext& context, ModemLine& modem) {
    const std::string device = ModemDevice::Watched(context.settings);
    const ModemLine::Reading reading = device.empty() ? ModemLine::Reading{} : modem.Read(device);
    std::fprintf(context.out, "modem-line\t%s\t%s\n", device.c_str(), StatusName(reading.status));
    if (device.empty() || reading.status == ModemLine::Status::kNoPermission) {
        TellModemProblem(context, {device, reading.group});
    }
}

} // namespace

int RunWatchCommand(const std::vector<std::string>& words, const CliContext& context) {
    CCommandOptions options;
    if (!options.Parse(words, {}, {"--once"})) {
        return WrongUse(context.err, "watch", options.GetError());
    }
    const CStringTable noStrings;
    const CStringTable* strings = context.strings();
    CSystemClock clock;
    CSilentSoundPlayer silence;
    const Services services{clock, context.settings, strings ? *strings : noStrings, silence, ""};
    int argc = 1;
    char name[] = "fernzahl-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv); // NetworkManager's signals arrive through its event loop
    const std::unique_ptr<CConnectionSources> sources = CConnectionSources::FromEnvironment();
    sources->WaitForAnswers(kFirstAnswerWait);
    CVerbindungsWaechter watcher(services, sources->DialUp(), sources->ModemLine());
    if (!CVerbindungsWaechter::IsAnySourceSwitchedOn(context.settings)) {
        context.err << "fernzahl-cli: neither dial-up networking nor the modem line is watched (settings "
                       "Überwachung/DFÜNetzwerk and Überwachung/Modem)\n";
    } else if (context.settings.Read(Setting::kDfueNetzwerk) != 0 && !watcher.IsDialUpAvailable()) {
        context.err << "fernzahl-cli: dial-up networking cannot be watched here (neither PPP links nor "
                       "NetworkManager can be read)\n";
    }
    if (options.Has("--once")) {
        watcher.Poll();
        PrintLine(context.out, clock, watcher.GetState() == CVerbindungsWaechter::kNone ? "idle" : "connected",
                  watcher.GetState(), watcher);
        PrintModemLine(context, sources->ModemLine());
        return 0;
    }
    // The first beat tells a connection that was up before the watch began as started, as the
    // desktop program meters it, so that no end is told without its start.
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const int before = watcher.GetState();
        watcher.Poll();
        if (const auto problem = watcher.TakeModemProblem()) {
            TellModemProblem(context, *problem);
        }
        if (watcher.HasStarted()) {
            PrintLine(context.out, clock, "started", watcher.GetState(), watcher);
        } else if (watcher.HasEnded()) {
            PrintLine(context.out, clock, "ended", before, watcher);
        }
    });
    heartbeat.start(kHeartbeatMs);
    return app.exec(); // until interrupted; every line is already written
}

int RunPhonebookCommand(const std::vector<std::string>& words, const CliContext& context) {
    if (!words.empty()) {
        return WrongUse(context.err, "phonebook", "unknown word '" + words[0] + "'");
    }
    const std::unique_ptr<CConnectionSources> sources = CConnectionSources::FromEnvironment();
    for (const std::string& entry : sources->DialUp().ListEntries()) {
        std::fprintf(context.out, "%s\n", entry.c_str());
    }
    return 0;
}
