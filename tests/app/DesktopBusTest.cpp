#include "log/ProtokollFile.h"
#include "metering/ZaehlerFile.h"
#include "platform/SystemClock.h"
#include "support/FakeSystem.h"
#include "support/LogBuilder.h"
#include "support/PrivateSessionBus.h"
#include "support/TariffBuilder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A meter of a fake system on a session bus of its own, with a notification service that records
// what it is told.
struct DesktopBusTest : ::testing::Test {
    DesktopBusTest() {
        WriteFile(home.File("fernzahl.ini"), "[Überwachung]\nDFÜNetzwerk=1\nVorlaufzeit=10\n\n"
                                             "[Allgemein]\nSplashScreen=0\n");
        bus.StartNotificationService();
        bus.AddTo(env);
    }
    // Waits for a line of the file that holds all the parts.
    bool Shows(const std::string& file, std::initializer_list<std::string> parts,
               std::chrono::milliseconds within = std::chrono::seconds(15)) {
        return Eventually(
            [&] {
                const std::string text = ReadFile(file);
                for (const std::string& part : parts) {
                    if (text.find(part) == std::string::npos) {
                        return false;
                    }
                }
                return true;
            },
            within);
    }
    ProcessResult Cli(const std::vector<std::string>& words) {
        std::vector<std::string> argv{BinaryPath("fernzahl-cli")};
        argv.insert(argv.end(), words.begin(), words.end());
        return RunProcess(argv, env);
    }
    std::string MeterProperty(const std::string& name) {
        return bus
            .Gdbus({"call", "--session", "--dest", "org.fernzahl.Fernzahl", "--object-path", "/org/fernzahl/Meter",
                    "--method", "org.freedesktop.DBus.Properties.Get", "org.fernzahl.Meter1", name})
            .out;
    }
    std::vector<LogEntry> Log() { return ReadLog(home.Path()); }
    int32_t TotalConnections() {
        CZaehlerFile counters(home.Path());
        return counters.OpenRecordFile() && counters.FindFirst(0, CZaehlerFile::kTotal) ? counters.connections : -1;
    }

    CPrivateSessionBus bus;
    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
};

// The window meters; the bus shows the live meter, the notification service hears of a budget
// passed and of the connection's end, and a second start asks the first to show itself.
TEST_F(DesktopBusTest, TheWindowsMeterIsOnTheBusAndSpeaksThroughNotifications) {
    WriteFile(home.File("fernzahl.ini"), ReadFile(home.File("fernzahl.ini")) + "\n[Budget]\nLimit=1000\n");
    // Counters of this day, week and month that differ, so that none is shown for another.
    for (uint8_t counter = CZaehlerFile::kWeekly; counter <= CZaehlerFile::kTotal; ++counter) {
        const CounterState state{CTimeSpan::FromSeconds(60), counter, counter, CMoney(counter * 10000),
                                 CSystemClock().Now()};
        ASSERT_TRUE(CZaehlerFile(home.Path()).WriteCounter(counter, state));
    }
    const std::string err = runtime.File("fernzahl.err");
    CChildProcess program({BinaryPath("fernzahl")}, env, err);
    ASSERT_TRUE(Eventually([&] { return MeterProperty("Connected").find("false") != std::string::npos; }))
        << ReadFile(err);
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    ASSERT_TRUE(Eventually([&] { return MeterProperty("Connected").find("true") != std::string::npos; }));
    EXPECT_NE(MeterProperty("Connection").find("'tonline'"), std::string::npos);
    EXPECT_NE(MeterProperty("Units").find("uint32 1"), std::string::npos);
    EXPECT_NE(MeterProperty("Costs").find("0.12"), std::string::npos);
    const ProcessResult status = Cli({"status", "--json"});
    ASSERT_EQ(status.exitCode, 0) << status.err;
    EXPECT_NE(status.out.find("\"connected\":true,\"connection\":\"tonline\",\"user\":"), std::string::npos)
        << status.out;
    EXPECT_NE(status.out.find("\"device\":\"ttyS0\""), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("\"units\":1,\"costs\":0.12,"), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("\"counters\":{\"daily\":0.12,\"weekly\":1.12,\"monthly\":2.12,\"total\":3.12}"),
              std::string::npos)
        << status.out;

    // A second start hands its activation token to the first, which comes to the front.
    bus.Monitor("interface='org.freedesktop.Application'");
    ProcessEnvironment second = env;
    second.set["XDG_ACTIVATION_TOKEN"] = "token-4711";
    EXPECT_EQ(RunProcess({BinaryPath("fernzahl")}, second).exitCode, 0);
    EXPECT_TRUE(Eventually([&] { return bus.Monitored().find("token-4711") != std::string::npos; })) << bus.Monitored();

    system.TakeDownLink("ppp0", 4711);
    ASSERT_TRUE(Eventually([&] { return MeterProperty("Connected").find("false") != std::string::npos; }));
    program.Signal(SIGTERM);
    ASSERT_EQ(program.Wait(std::chrono::seconds(10)), 0);
    ASSERT_EQ(Log().size(), 1u);
    const std::string calls = bus.NotifyCalls();
    EXPECT_NE(calls.find("Monthly budget"), std::string::npos) << calls;
    EXPECT_NE(calls.find("'tonline: 00:00:"), std::string::npos) << calls;
    EXPECT_NE(calls.find(", 1 unit, 0.12'"), std::string::npos) << calls;
    EXPECT_EQ(ReadFile(err).find("budget"), std::string::npos) << "no message box beside it: " << ReadFile(err);
}

// The meter without a window: metered, logged and counted as by the window, on the bus, refusing a
// second meter, and a connection running at SIGTERM logged once.
TEST_F(DesktopBusTest, TheHeadlessMeterMetersLogsCountsAndEndsCleanly) {
    const std::string out = runtime.File("run.out");
    CChildProcess meter({BinaryPath("fernzahl-cli"), "run"}, env, out);
    ASSERT_TRUE(Shows(out, {"fernzahl-cli: metering " + home.Path()}));
    EXPECT_EQ(Cli({"status"}).exitCode, 0);
    bus.Monitor("type='signal',member='PropertiesChanged'");
    std::this_thread::sleep_for(std::chrono::milliseconds(1500)); // a stretch of idle time
    EXPECT_EQ(Count(bus.Monitored(), "member=PropertiesChanged"), 0u) << "said something while idle";

    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    ASSERT_TRUE(Shows(out, {"\tstarted\ttonline\tttyS0\t"}));
    const ProcessResult window = RunProcess({BinaryPath("fernzahl")}, env);
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_NE(window.err.find("without a window"), std::string::npos) << window.err;
    EXPECT_NE(Cli({"run"}).err.find("is metered already"), std::string::npos);
    system.TakeDownLink("ppp0", 4711);
    ASSERT_TRUE(Shows(out, {"\tended\ttonline\tttyS0\t", "\t1\t0.12\n"}));
    EXPECT_NE(bus.NotifyCalls().find(", 1 unit, 0.12'"), std::string::npos) << bus.NotifyCalls();
    // At most one a second while metering (the connection is taken to have begun 10 s before it
    // was seen), and one each at its start and end.
    const int metered = Log().front().duration.GetTotalSeconds() - 10;
    const size_t told = Count(bus.Monitored(), "member=PropertiesChanged");
    EXPECT_GE(told, 2u);
    EXPECT_LE(told, static_cast<size_t>(metered + 3)) << bus.Monitored();

    system.BringUpLink("ppp0", 4712, "arcor", "/dev/ttyUSB0");
    ASSERT_TRUE(Shows(out, {"\tstarted\tarcor\t"}));
    meter.Signal(SIGTERM);
    ASSERT_EQ(meter.Wait(std::chrono::seconds(10)), 0) << ReadFile(out);
    // The link is up: the connection waits in its checkpoint for the next meter, and no end is told.
    const std::vector<LogEntry> log = Log();
    ASSERT_EQ(log.size(), 1u) << ReadFile(out);
    EXPECT_EQ(log[0].connectionName, "tonline");
    EXPECT_EQ(TotalConnections(), 1);
    EXPECT_NE(ReadFile(home.File("Fernzahl.run")).find("Connection=\"arcor\""), std::string::npos);
    EXPECT_EQ(bus.NotifyCalls().find("'arcor: "), std::string::npos) << bus.NotifyCalls();
    EXPECT_EQ(Cli({"status"}).exitCode, 3);
}

// One link through SIGTERM and a restart, kill -9 and a restart, and from the headless meter to the
// window and back: one record, charged as one connection metered without a break (as the meter on
// a simulated clock charges a connection of that start and length), and no end told until the link
// goes down.
TEST_F(DesktopBusTest, OneLinkThroughEveryKindOfRestartIsOneConnection) {
    CTariffBuilder(home.File("Fernzahl.tff")).WithZoneEveryDay({.seconds = 2, .price = 100});
    const auto checkpointUnits = [&] {
        const std::string text = ReadFile(home.File("Fernzahl.run"));
        const size_t at = text.find("\nUnits=");
        return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + 7);
    };
    // A meter that runs until the checkpoint has gained two units, then is stopped by the signal.
    const auto meterUntilTwoMoreUnits = [&](const std::string& program, const std::string& output, int signal) {
        const int before = checkpointUnits();
        std::vector<std::string> argv{BinaryPath(program)};
        if (program == "fernzahl-cli") {
            argv.push_back("run");
        }
        CChildProcess meter(argv, env, runtime.File(output));
        EXPECT_TRUE(Eventually([&] { return checkpointUnits() >= before + 2; }, std::chrono::seconds(30)))
            << ReadFile(runtime.File(output));
        meter.Signal(signal);
        meter.Wait(std::chrono::seconds(10));
        EXPECT_TRUE(Log().empty()) << ReadFile(runtime.File(output));
    };
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    meterUntilTwoMoreUnits("fernzahl-cli", "first.out", SIGTERM);
    EXPECT_NE(ReadFile(runtime.File("first.out")).find("\tstarted\ttonline\t"), std::string::npos);
    meterUntilTwoMoreUnits("fernzahl-cli", "second.out", SIGKILL);
    EXPECT_NE(ReadFile(runtime.File("second.out")).find("\tresumed\ttonline\t"), std::string::npos)
        << ReadFile(runtime.File("second.out"));
    meterUntilTwoMoreUnits("fernzahl", "window.err", SIGTERM);
    EXPECT_EQ(Count(bus.NotifyCalls(), "'Connection ended'"), 0u) << bus.NotifyCalls();

    const std::string out = runtime.File("last.out");
    CChildProcess last({BinaryPath("fernzahl-cli"), "run"}, env, out);
    ASSERT_TRUE(Shows(out, {"\tresumed\ttonline\t"}));
    system.TakeDownLink("ppp0", 4711);
    ASSERT_TRUE(Shows(out, {"\tended\ttonline\t"}));
    last.Signal(SIGTERM);
    ASSERT_EQ(last.Wait(std::chrono::seconds(10)), 0);

    const std::vector<LogEntry> log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(TotalConnections(), 1);
    EXPECT_FALSE(FileExists(home.File("Fernzahl.run")));
    EXPECT_EQ(Count(bus.NotifyCalls(), "'Connection ended'"), 1u) << bus.NotifyCalls();
    // Units of 2 s at 0.01, every unit of the time without a meter included, and no second first one.
    const ProcessResult unbroken =
        Cli({"meter", "--tariff", home.File("Fernzahl.tff"), "--start", log[0].start.Format("%Y-%m-%d %H:%M:%S"),
             "--seconds", std::to_string(log[0].duration.GetTotalSeconds()), "--json"});
    ASSERT_EQ(unbroken.exitCode, 0) << unbroken.err;
    const std::string costs = std::to_string(log[0].costs.GetValue() / 10000) + "." +
                              std::to_string(log[0].costs.GetValue() / 1000 % 10) +
                              std::to_string(log[0].costs.GetValue() / 100 % 10);
    EXPECT_EQ(unbroken.out, "{\"seconds\":" + std::to_string(log[0].duration.GetTotalSeconds()) +
                                ",\"units\":" + std::to_string(log[0].units) + ",\"costs\":" + costs + "}\n");
    EXPECT_GT(log[0].units, 8);
}

// A notification service that refuses the budget warning: the window tells it otherwise.
TEST(DesktopBus, AWarningTheNotificationServiceRefusesIsToldByTheWindow) {
    CPrivateSessionBus bus;
    bus.StartRefusingNotificationService();
    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
    bus.AddTo(env);
    WriteFile(home.File("fernzahl.ini"), "[Überwachung]\nDFÜNetzwerk=1\n\n[Allgemein]\nSplashScreen=0\n\n"
                                         "[Budget]\nLimit=1000\n");
    const std::string err = runtime.File("fernzahl.err");
    CChildProcess program({BinaryPath("fernzahl")}, env, err);
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    EXPECT_TRUE(Eventually([&] { return ReadFile(err).find("monthly budget") != std::string::npos; })) << ReadFile(err);
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(std::chrono::seconds(10)), 0);
}

// The headless meter killed in the middle of a connection: the next one logs and counts the
// connection once, and says so once.
TEST_F(DesktopBusTest, TheHeadlessMeterKilledMidConnectionIsRecoveredOnceByTheNext) {
    const std::string out = runtime.File("run.out");
    {
        CChildProcess meter({BinaryPath("fernzahl-cli"), "run"}, env, out);
        ASSERT_TRUE(Shows(out, {"fernzahl-cli: metering " + home.Path()}));
        system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
        ASSERT_TRUE(Shows(out, {"\tstarted\ttonline\t"}));
        // Killed once the checkpoint holds the first unit, which follows the start's checkpoint.
        ASSERT_TRUE(
            Eventually([&] { return ReadFile(home.File("Fernzahl.run")).find("Units=1\n") != std::string::npos; }));
        meter.Signal(SIGKILL);
        meter.Wait(std::chrono::seconds(10));
    }
    system.TakeDownLink("ppp0", 4711);
    for (const std::string name : {"next.out", "third.out"}) {
        const std::string told = runtime.File(name);
        CChildProcess next({BinaryPath("fernzahl-cli"), "run"}, env, told);
        ASSERT_TRUE(Shows(told, {"fernzahl-cli: metering " + home.Path()}));
        next.Signal(SIGTERM);
        ASSERT_EQ(next.Wait(std::chrono::seconds(10)), 0) << ReadFile(told);
        EXPECT_EQ(Count(ReadFile(told), "ended while it was metering the connection \"tonline\""),
                  name == "next.out" ? 1u : 0u)
            << ReadFile(told);
    }
    const std::vector<LogEntry> log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].connectionName, "tonline");
    EXPECT_EQ(log[0].units, 1);
    EXPECT_EQ(TotalConnections(), 1);
    EXPECT_FALSE(FileExists(home.File("Fernzahl.run")));
}

// pppd installed after the meter started: its links are metered from then on.
TEST_F(DesktopBusTest, TheHeadlessMeterWatchesDialUpNetworkingThatCameAfterIt) {
    std::filesystem::remove_all(system.Path() + "/peers");
    const std::string out = runtime.File("run.out");
    CChildProcess meter({BinaryPath("fernzahl-cli"), "run"}, env, out);
    ASSERT_TRUE(Shows(out, {"fernzahl-cli: metering " + home.Path()}));
    std::filesystem::create_directory(system.Path() + "/peers");
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    EXPECT_TRUE(Shows(out, {"\tstarted\ttonline\t"})) << ReadFile(out);
    meter.Signal(SIGTERM);
    EXPECT_EQ(meter.Wait(std::chrono::seconds(10)), 0) << ReadFile(out);
}

// A bus daemon that stops answering holds up no beat: a connection is timed and charged for as long
// as it was up, though a notice is due at its start and its end.
TEST_F(DesktopBusTest, AHungBusDaemonNeitherLengthensNorDearensAConnection) {
    WriteFile(home.File("fernzahl.ini"), ReadFile(home.File("fernzahl.ini")) + "\n[Timer]\nMeldungBeimBeginn=1\n");
    const std::string out = runtime.File("run.out");
    CChildProcess meter({BinaryPath("fernzahl-cli"), "run"}, env, out);
    ASSERT_TRUE(Shows(out, {"fernzahl-cli: metering " + home.Path()}));
    bus.Freeze();
    const auto up = std::chrono::steady_clock::now();
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    ASSERT_TRUE(Shows(out, {"\tstarted\ttonline\t"}));
    std::this_thread::sleep_for(std::chrono::seconds(2)); // beats that would each have waited on the bus
    system.TakeDownLink("ppp0", 4711);
    const bool ended = Shows(out, {"\tended\ttonline\t"}, std::chrono::seconds(5));
    const auto seenUp = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - up);
    bus.Thaw();
    ASSERT_TRUE(ended) << "the end was not seen in time: " << ReadFile(out);
    meter.Signal(SIGTERM);
    ASSERT_EQ(meter.Wait(std::chrono::seconds(10)), 0) << ReadFile(out);
    const std::vector<LogEntry> log = Log();
    ASSERT_EQ(log.size(), 1u);
    // Taken to have begun 10 s before it was seen; one unit of the default tariff.
    EXPECT_LE(log[0].duration.GetTotalSeconds(), 10 + seenUp.count() + 1);
    EXPECT_EQ(log[0].units, 1);
    EXPECT_EQ(log[0].costs, CMoney(1200));
}

} // namespace
