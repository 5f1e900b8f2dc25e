#include "cli/RunCommand.h"
#include "metering/ZaehlerFile.h"
#include "platform/MeterBusService.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "support/EnvironmentGuard.h"
#include "support/FakeSystem.h"
#include "support/PrivateSessionBus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>

namespace {

// The real "fernzahl-cli run" and "status" on a fake system and a session bus of their own, where a
// stranger may own the folder's name.
struct HeadlessMeterTest : ::testing::Test {
    HeadlessMeterTest() {
        WriteFile(home.File("fernzahl.ini"), "[Überwachung]\nDFÜNetzwerk=1\nVorlaufzeit=10\n");
        bus.AddTo(env);
    }

    ProcessResult Cli(const std::vector<std::string>& words) {
        std::vector<std::string> argv{BinaryPath("fernzahl-cli")};
        argv.insert(argv.end(), words.begin(), words.end());
        return RunProcess(argv, env);
    }
    // A process that owns the folder's name and answers as a meter would, with these figures; it
    // also holds the lock files given.
    std::unique_ptr<CChildProcess> StartStranger(const std::string& dataFolder, const std::string& costs,
                                                 const std::vector<std::string>& lockFiles = {}) {
        std::vector<std::string> argv{"/usr/bin/python3", FERNZAHL_SOURCE_DIR "/tests/support/bus_squatter.py",
                                      CMeterBusService::FolderName(home.Path()).toStdString(), dataFolder, costs};
        argv.insert(argv.end(), lockFiles.begin(), lockFiles.end());
        const std::string out = runtime.File("stranger.out");
        WriteFile(out, "");
        auto stranger = std::make_unique<CChildProcess>(argv, env, out);
        EXPECT_TRUE(Eventually([&] { return ReadFile(out).find("ready") != std::string::npos; })) << ReadFile(out);
        return stranger;
    }
    bool Shows(const std::string& file, const std::string& part) {
        return Eventually([&] { return ReadFile(file).find(part) != std::string::npos; });
    }

    CPrivateSessionBus bus;
    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
};

// A program that took the folder's name first is not the meter, however it answers: status says so,
// the meter waits for the name and says that it does, and has the name once the stranger is gone.
TEST_F(HeadlessMeterTest, AStrangerOwningTheFoldersNameIsNoMeterAndTheMeterTakesTheNameOnceItIsFree) {
    std::unique_ptr<CChildProcess> stranger = StartStranger(home.Path(), "12.5");
    ProcessResult status = Cli({"status", "--json"});
    EXPECT_EQ(status.exitCode, 3) << status.out;
    EXPECT_EQ(status.out.find("forged"), std::string::npos) << status.out;
    EXPECT_NE(status.err.find("does not hold the data folder"), std::string::npos) << status.err;

    const std::string out = runtime.File("run.out");
    CChildProcess meter({BinaryPath("fernzahl-cli"), "run"}, env, out);
    ASSERT_TRUE(Shows(out, "is owned by /usr/bin/python3")) << ReadFile(out);
    EXPECT_NE(ReadFile(out).find("waiting for it"), std::string::npos) << ReadFile(out);
    status = Cli({"status", "--json"});
    EXPECT_EQ(status.exitCode, 3) << "the meter holds the folder, the stranger the name: " << status.out;

    stranger.reset();
    ASSERT_TRUE(
        Shows(out, "fernzahl-cli: on the session bus as " + CMeterBusService::FolderName(home.Path()).toStdString()))
        << ReadFile(out);
    status = Cli({"status", "--json"});
    EXPECT_EQ(status.exitCode, 0) << status.err;
    EXPECT_NE(status.out.find("{\"connected\":false,\"meter\":true,"), std::string::npos) << status.out;
    meter.Signal(SIGTERM);
    EXPECT_EQ(meter.Wait(std::chrono::seconds(10)), 0) << ReadFile(out);
}

// Even a process that holds the folder's lock is believed only with figures a meter can give, and
// only for the folder it says it meters.
TEST_F(HeadlessMeterTest, StatusShowsNoFiguresNoMeterCouldGive) {
    const std::string lock = home.File("fernzahl.lock");
    {
        const std::unique_ptr<CChildProcess> holder = StartStranger(home.Path(), "0.5", {lock});
        const ProcessResult status = Cli({"status", "--json"});
        EXPECT_EQ(status.exitCode, 0) << "the lock's holder is the folder's meter: " << status.err;
        EXPECT_NE(status.out.find("\"costs\":0.50"), std::string::npos) << status.out;
    }
    for (const char* costs : {"1e300", "1e15", "-1e15", "inf", "nan"}) {
        const std::unique_ptr<CChildProcess> holder = StartStranger(home.Path(), costs, {lock});
        const ProcessResult status = Cli({"status", "--json"});
        EXPECT_EQ(status.exitCode, 3) << costs << ": " << status.out;
        EXPECT_EQ(status.out, "") << costs;
        EXPECT_NE(status.err.find("a value of Costs that no meter gives"), std::string::npos) << status.err;
    }
    const std::unique_ptr<CChildProcess> holder = StartStranger(runtime.Path(), "0.5", {lock});
    const ProcessResult status = Cli({"status"});
    EXPECT_EQ(status.exitCode, 3) << status.out;
    EXPECT_NE(status.err.find("meters another folder"), std::string::npos) << status.err;
}

// A name may hold any byte (a pppd peer is a file name): in the lines of run, status and log list
// it is escaped, so that it can neither end a line nor forge a field.
TEST_F(HeadlessMeterTest, NamesWithLineBreaksAndTabsStayInTheirFieldInEveryLineOutput) {
    const std::string forged = "evil\n2026-01-01T00:00:00\tended\tx\\";
    const std::string escaped = "evil\\n2026-01-01T00:00:00\\tended\\tx\\\\";
    const std::string out = runtime.File("run.out");
    CChildProcess meter({BinaryPath("fernzahl-cli"), "run"}, env, out);
    ASSERT_TRUE(Shows(out, "fernzahl-cli: metering ")) << ReadFile(out);
    system.BringUpLink("ppp0", 4711, forged, "/dev/ttyS0");
    ASSERT_TRUE(Shows(out, "\tstarted\t")) << ReadFile(out);
    EXPECT_NE(ReadFile(out).find("\tstarted\t" + escaped + "\tttyS0\t"), std::string::npos) << ReadFile(out);
    ASSERT_TRUE(Eventually([&] {
        return Cli({"status"}).out.find("Connected:     " + escaped + " (ttyS0, ") != std::string::npos;
    })) << Cli({"status"}).out;
    system.TakeDownLink("ppp0", 4711);
    ASSERT_TRUE(Shows(out, "\tended\t")) << ReadFile(out);
    EXPECT_NE(ReadFile(out).find("\tended\t" + escaped + "\tttyS0\t"), std::string::npos) << ReadFile(out);
    meter.Signal(SIGTERM);
    ASSERT_EQ(meter.Wait(std::chrono::seconds(10)), 0) << ReadFile(out);

    const ProcessResult list = Cli({"log", "list"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find(escaped), std::string::npos) << list.out;
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 2) << "the heading and one record: " << list.out;
}

// A cost in a JSON text: the number after the first `"key":` from the position of anchor on.
std::string JsonNumberAfter(const std::string& json, const std::string& anchor, const std::string& key) {
    const size_t at = json.find(anchor);
    const size_t value = at == std::string::npos ? at : json.find("\"" + key + "\":", at);
    if (value == std::string::npos) {
        return "(none)";
    }
    const size_t begin = value + key.size() + 3;
    return json.substr(begin, json.find_first_of(",}", begin) - begin);
}

// While a connection runs, counters and budget count it as the meter does: the same costs as
// status, and a budget passed by the running connection is passed. Without the bus, status still
// finds the meter through the folder's lock and says what its files hold.
TEST_F(HeadlessMeterTest, CountersAndBudgetCountTheRunningConnectionAsStatusDoes) {
    WriteFile(home.File("fernzahl.ini"),
              ReadFile(home.File("fernzahl.ini")) + "[Budget]\nLimit=50000\nWarnschwelle=100\n");
    for (uint8_t counter = CZaehlerFile::kDaily; counter <= CZaehlerFile::kTotal; ++counter) {
        const CounterState state{CTimeSpan::FromSeconds(60), 1, 1, CMoney(29500 + counter * 10000),
                                 CSystemClock().Now()};
        ASSERT_TRUE(CZaehlerFile(home.Path()).WriteCounter(counter, state));
    }
    const std::string out = runtime.File("run.out");
    CChildProcess meter({BinaryPath("fernzahl-cli"), "run"}, env, out);
    ASSERT_TRUE(Shows(out, "fernzahl-cli: on the session bus as ")) << ReadFile(out);
    EXPECT_EQ(Cli({"budget"}).exitCode, 0) << "4.95 of 5.00 before the connection";
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    ASSERT_TRUE(Eventually([&] { return Cli({"status", "--json"}).out.find("\"units\":1,") != std::string::npos; }));

    ProcessResult status;
    ProcessResult counters;
    ProcessResult budget;
    // Compared only where no unit was charged between the looks.
    ASSERT_TRUE(Eventually([&] {
        status = Cli({"status", "--json"});
        counters = Cli({"counters", "--json"});
        budget = Cli({"budget", "--json"});
        return Cli({"status", "--json"}).out.substr(0, status.out.find("\"seconds\"")) ==
               status.out.substr(0, status.out.find("\"seconds\""));
    }));
    ASSERT_EQ(counters.exitCode, 0) << counters.err;
    for (const char* name : {"daily", "weekly", "monthly", "total"}) {
        EXPECT_EQ(JsonNumberAfter(counters.out, std::string("\"counter\":\"") + name + "\"", "costs"),
                  JsonNumberAfter(status.out, "\"counters\"", name))
            << name << "\n"
            << counters.out << status.out;
    }
    EXPECT_EQ(JsonNumberAfter(counters.out, "\"counter\":\"monthly\"", "connections"), "2") << counters.out;
    EXPECT_EQ(budget.exitCode, 3) << "the running connection passed the limit: " << budget.out;
    EXPECT_EQ(JsonNumberAfter(budget.out, "{", "spent"), JsonNumberAfter(status.out, "\"counters\"", "monthly"))
        << budget.out << status.out;

    ProcessEnvironment withoutBus = env;
    withoutBus.set.erase("DBUS_SESSION_BUS_ADDRESS");
    withoutBus.unset.push_back("DBUS_SESSION_BUS_ADDRESS");
    const ProcessResult blind = RunProcess({BinaryPath("fernzahl-cli"), "status"}, withoutBus);
    EXPECT_EQ(blind.exitCode, 0) << blind.err;
    EXPECT_NE(
        blind.out.find("(process " + std::to_string(meter.Pid()) + "), which cannot be asked without the session bus"),
        std::string::npos)
        << blind.out;
    EXPECT_NE(blind.out.find("Connected:     tonline (ttyS0, "), std::string::npos) << blind.out;
    const ProcessResult bar = RunProcess({BinaryPath("fernzahl-cli"), "status", "--format", "waybar"}, withoutBus);
    EXPECT_NE(bar.out.find("\"class\":\"connected\""), std::string::npos) << bar.out;
    meter.Signal(SIGTERM);
    ASSERT_EQ(meter.Wait(std::chrono::seconds(10)), 0) << ReadFile(out);
}

// A folder that takes no file would lose every connection: run says so and ends before it meters.
// The folder is a read-only file system (which binds root as well), in a mount namespace of its own.
TEST_F(HeadlessMeterTest, RunRefusesAFolderItCannotWriteBeforeItMeters) {
    const ProcessResult probe =
        RunProcess({"/usr/bin/unshare", "-rm", "/bin/sh", "-c", "mount -t tmpfs -o ro none \"$0\"", home.Path()});
    if (probe.exitCode != 0) {
        GTEST_SKIP() << "no mount namespace here: " << probe.err;
    }
    const ProcessResult run =
        RunProcess({"/usr/bin/unshare", "-rm", "/bin/sh", "-c", "mount -t tmpfs -o ro none \"$0\" && exec \"$1\" run",
                    home.Path(), BinaryPath("fernzahl-cli")},
                   env, std::chrono::seconds(20));
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("cannot be written (Read-only file system)"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("metering"), std::string::npos) << run.err;
}

// Another meter holding the folder is an end of its own, which the service manager is told not to
// restart on: a restart would meet the same meter every ten seconds.
TEST_F(HeadlessMeterTest, AFolderHeldByAnotherMeterEndsRunWithItsOwnCodeThatTheUnitDoesNotRestart) {
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.Path());
    CSingleInstance window;
    ASSERT_EQ(window.Acquire(home.Path()), CSingleInstance::Result::Acquired);
    const ProcessResult run = Cli({"run"});
    EXPECT_EQ(run.exitCode, kFolderHeld) << run.err;
    EXPECT_NE(run.err.find("is metered already"), std::string::npos) << run.err;
    EXPECT_NE(ReadFile(FERNZAHL_SOURCE_DIR "/packaging/fernzahl.service.in")
                  .find("\nRestartPreventExitStatus=" + std::to_string(kFolderHeld) + "\n"),
              std::string::npos);
}

} // namespace
