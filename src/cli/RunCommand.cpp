#include "cli/RunCommand.h"

#include "cli/CommandUsage.h"
#include "core/QuotedText.h"
#include "core/StringTable.h"
#include "metering/MeterLoop.h"
#include "platform/CanberraSoundPlayer.h"
#include "platform/CheckpointFile.h"
#include "platform/ConnectionSources.h"
#include "platform/DataPaths.h"
#include "platform/DesktopNotifications.h"
#include "platform/MeterBusService.h"
#include "platform/ResourceLibrary.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "platform/TerminationSignals.h"
#include "platform/UserName.h"
#include "settings/Formatting.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QTimer>

#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2, ""};

// What the terminal (or the journal) is told: a line at each start and end on standard output,
// the notices and failures on standard error; the notices also go to the desktop where it has a
// notification service.
class CTerminalFace : public MeterObserver {
public:
    CTerminalFace(const CMeterLoop& loop, const CliContext& context, const Clock& clock)
        : m_loop(loop), m_context(context), m_clock(clock),
          m_notifications(QStringLiteral("Fernzahl"), QStringLiteral("org.fernzahl.Fernzahl")) {}

    void OnConnectionStarted() override { PrintRunning("started"); }
    void OnConnectionResumed() override { PrintRunning("resumed"); }
    void OnConnectionEnded(const LogEntry& ended) override {
        std::fprintf(m_context.out, "%s\tended\t%s\t%s\t%s\t%lld\t%d\t%s\n", m_clock.Now().FormatIso().c_str(),
                     EscapeForLine(ended.connectionName).c_str(), EscapeForLine(ended.deviceName).c_str(),
                     EscapeForLine(ended.tariffName).c_str(), static_cast<long long>(ended.duration.GetTotalSeconds()),
                     ended.units, FormatAmount(ended.costs, kPlain).c_str());
        std::fflush(m_context.out);
    }
    void OnNotice(const MeterNotice& notice) override {
        m_notifications.Show(notice, {}); // the terminal is told below whatever the desktop does
        if (notice.kind != MeterNotice::Kind::ConnectionStarted && notice.kind != MeterNotice::Kind::ConnectionEnded) {
            m_context.err << "fernzahl-cli: " << notice.text << '\n';
        }
    }
    void OnFileProblem(const std::string& text) override { m_context.err << "fernzahl-cli: " << text << '\n'; }
    // The last notices reach the desktop before the process ends.
    void FlushNotices() { m_notifications.Flush(); }

private:
    void PrintRunning(const char* what) {
        const MeterReading reading = m_loop.Reading();
        std::fprintf(m_context.out, "%s\t%s\t%s\t%s\t%s\n", m_clock.Now().FormatIso().c_str(), what,
                     EscapeForLine(reading.connection).c_str(), EscapeForLine(reading.device).c_str(),
                     EscapeForLine(reading.tariff).c_str());
        std::fflush(m_context.out);
    }

    const CMeterLoop& m_loop;
    const CliContext& m_context;
    const Clock& m_clock;
    CDesktopNotifications m_notifications;
};

// Whether "status" can see this meter: the folder's name on the bus is its own, or another process
// has it and the meter waits for it.
void TellBusName(const CMeterBusService& bus, const CliContext& context) {
    const QString folderName = CMeterBusService::FolderName(context.dataDirectory);
    QObject::connect(&bus, &CMeterBusService::NameTaken, [&context, folderName](const QString& name, int pid) {
        if (name == folderName) {
            context.err << "fernzahl-cli: the session bus name " << name.toStdString() << " is owned by "
                        << (pid > 0 ? CSingleInstance::DescribeProcess(pid) : std::string("another process"))
                        << "; waiting for it (until then \"status\" does not see this meter)\n";
        }
    });
    QObject::connect(&bus, &CMeterBusService::NameAcquired, [&context, folderName](const QString& name) {
        if (name == folderName) {
            context.err << "fernzahl-cli: on the session bus as " << name.toStdString() << '\n';
        }
    });
}

} // namespace

int RunHeadlessMeter(const std::vector<std::string>& words, const CliContext& context) {
    if (!words.empty()) {
        return WrongUse(context.err, "run", "unknown word '" + words[0] + "'");
    }
    int argc = 1;
    char name[] = "fernzahl-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    CTerminationSignals termination;
    if (const std::optional<std::string> problem = DataPaths::MakeDataDirectory(context.dataDirectory)) {
        context.err << "fernzahl-cli: the data folder " << context.dataDirectory << " cannot be used: " << *problem
                    << '\n';
        return 1;
    }
    CSingleInstance lock;
    if (lock.Acquire(context.dataDirectory, CSingleInstance::Purpose::Meter) ==
        CSingleInstance::Result::HeldByAnother) {
        context.err << "fernzahl-cli: " << context.dataDirectory << " is metered already by " << lock.DescribeHolder()
                    << "; one meter a data folder\n";
        return kFolderHeld;
    }
    // Before it says that it meters: a folder that takes no file would lose every connection.
    if (const std::optional<std::string> problem = DataPaths::CheckWritable(context.dataDirectory)) {
        context.err << "fernzahl-cli: the data folder " << context.dataDirectory << " cannot be written (" << *problem
                    << "); no connection could be logged or counted\n";
        return 1;
    }
    // The texts and the names a record is given by default, in the language the window would use.
    const CStringTable* strings = context.windowStrings();
    if (strings == nullptr) {
        context.err << "fernzahl-cli: " << CResourceLibrary::kNotFoundMessage << "; the meter needs its texts\n";
        return 1;
    }
    CSystemClock clock;
    CCanberraSoundPlayer sound;
    const Services services{clock, context.settings, *strings, sound, GetLoginName()};
    const std::unique_ptr<CConnectionSources> sources = CConnectionSources::FromEnvironment();
    CCheckpointFile checkpoint(context.dataDirectory);
    sources->AwaitLinksFor(context.dataDirectory);
    CMeterLoop loop(services, sources->DialUp(), sources->ModemLine(), &checkpoint);
    CTerminalFace terminal(loop, context, clock);
    CMeterBusService bus(loop, context.dataDirectory, false);
    loop.AddObserver(terminal);
    loop.AddObserver(bus);
    if (!CVerbindungsWaechter::IsAnySourceSwitchedOn(context.settings)) {
        context.err << "fernzahl-cli: neither dial-up networking nor the modem line is watched; nothing will be "
                       "metered (settings Überwachung/DFÜNetzwerk and Überwachung/Modem)\n";
    }
    context.err << "fernzahl-cli: metering " << context.dataDirectory << (bus.IsOnBus() ? "" : " (no session bus)")
                << '\n';
    TellBusName(bus, context);
    loop.ReportStart();
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&loop] { loop.Beat(); });
    QObject::connect(&termination, &CTerminationSignals::TerminationRequested, [&] {
        beat.stop();
        loop.EndProgram(false);
        terminal.FlushNotices();
        application.quit();
    });
    beat.start(CMeterLoop::kBeatMs);
    application.exec();
    return 0;
}
