#include "log/ProtokollFile.h"
#include "metering/Checkpoint.h"
#include "metering/ZaehlerFile.h"
#include "support/FakeSystem.h"
#include "support/LogBuilder.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Whole seconds between two moments, rounded down or up.
int64_t SecondsDown(Clock::duration d) {
    return std::chrono::floor<std::chrono::seconds>(d).count();
}
int64_t SecondsUp(Clock::duration d) {
    return std::chrono::ceil<std::chrono::seconds>(d).count();
}

// The program has seen the connection once it keeps a checkpoint of it.
bool AwaitMetering(const CTempDir& home) {
    return PollUntil([&home] { return FileExists(home.File("Fernzahl.run")); });
}

bool AwaitText(const std::string& file, const std::string& text) {
    return PollUntil([&] { return ReadFile(file).find(text) != std::string::npos; });
}

// The real program, offscreen, in an installation of its own, watching a tree laid out like /sys
// and /run: a PPP link comes, stays a few seconds and goes.
TEST(EndToEnd, PppLinkIsMeteredLoggedCountedAndExported) {
    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    WriteFile(home.File("fernzahl.ini"), "[Überwachung]\nDFÜNetzwerk=1\nVorlaufzeit=10\n\n"
                                         "[Protokoll]\nAutoExport=1\n\n[Allgemein]\nSplashScreen=0\n");
    system.AddPeer("tonline", "/dev/ttyS0 115200\n");
    const ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
    CChildProcess program({BinaryPath("fernzahl")}, env, runtime.File("fernzahl.err"));
    const Clock::time_point up = Clock::now();
    system.BringUpLink("ppp0", 4711, "tonline", "debug");
    ASSERT_TRUE(AwaitMetering(home)) << ReadFile(runtime.File("fernzahl.err"));
    const Clock::time_point seen = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(2)); // the connection lasts a while
    const Clock::time_point down = Clock::now();
    system.TakeDownLink("ppp0", 4711);
    ASSERT_TRUE(AwaitText(home.File("Log.txt"), ";tonline;")) << ReadFile(runtime.File("fernzahl.err"));
    const Clock::time_point ended = Clock::now();
    ASSERT_TRUE(program.IsRunning()) << ReadFile(runtime.File("fernzahl.err"));
    program.Signal(SIGTERM);
    ASSERT_EQ(program.Wait(std::chrono::seconds(30)), 0);

    CProtokollFile log(home.Path());
    ASSERT_TRUE(log.OpenRecordFile());
    ASSERT_EQ(log.GetRecordCount(), 1u) << ReadFile(runtime.File("fernzahl.err"));
    const LogEntry& e = log.Entry();
    EXPECT_EQ(e.connectionName, "tonline");
    EXPECT_EQ(e.deviceName, "ttyS0");
    EXPECT_EQ(e.tariffName, "(Default tariff)");
    // Taken to have started 10 s before it was detected (after it came up, before its checkpoint was
    // seen), and ended when it was seen to go (after it went, before the export).
    EXPECT_GE(e.duration.GetTotalSeconds(), 10 + SecondsDown(down - seen) - 1);
    EXPECT_LE(e.duration.GetTotalSeconds(), 10 + SecondsUp(ended - up) + 1);
    EXPECT_EQ(e.units, 1); // the default rate: 90 s a unit, the first charged at once
    EXPECT_EQ(e.costs, CMoney(1200));

    CZaehlerFile counters(home.Path());
    ASSERT_TRUE(counters.OpenRecordFile());
    for (uint8_t counter = CZaehlerFile::kDaily; counter <= CZaehlerFile::kTotal; ++counter) {
        ASSERT_TRUE(counters.FindFirst(0, counter));
        EXPECT_EQ(counters.connections, 1);
        EXPECT_EQ(counters.units, 1);
        EXPECT_EQ(counters.costs, CMoney(1200));
    }

    const std::string exported = ReadFile(home.File("Log.txt"));
    EXPECT_EQ(exported.rfind("Start;Duration;Units;Costs;Connection;User;Device;Tariff\r\n", 0), 0u) << exported;
    EXPECT_NE(exported.find(";1;0.12;tonline;"), std::string::npos) << exported;
}

// SIGTERM while a connection is metered: it waits in its checkpoint for the next start, which finds
// the link gone and logs it once, ended when the checkpoint last saw it.
TEST(EndToEnd, TerminationWhileMeteringLeavesTheConnectionToTheNextStart) {
    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    WriteFile(home.File("fernzahl.ini"), "[Überwachung]\nDFÜNetzwerk=1\n\n[Allgemein]\nSplashScreen=0\n");
    const ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
    system.BringUpLink("ppp0", 4711, "arcor", "/dev/ttyUSB0");
    CChildProcess program({BinaryPath("fernzahl")}, env, runtime.File("fernzahl.err"));
    ASSERT_TRUE(AwaitMetering(home)) << ReadFile(runtime.File("fernzahl.err"));
    program.Signal(SIGTERM);
    ASSERT_EQ(program.Wait(std::chrono::seconds(30)), 0);
    EXPECT_TRUE(ReadLog(home.Path()).empty());
    const std::optional<CCheckpoint> left = CCheckpoint::Parse(ReadFile(home.File("Fernzahl.run")));
    ASSERT_TRUE(left && left->run);

    system.TakeDownLink("ppp0", 4711);
    CChildProcess next({BinaryPath("fernzahl")}, env, runtime.File("next.err"));
    ASSERT_TRUE(AwaitText(runtime.File("next.err"), "Fernzahl ended while it was metering"))
        << ReadFile(runtime.File("next.err"));
    next.Signal(SIGTERM);
    ASSERT_EQ(next.Wait(std::chrono::seconds(30)), 0);
    const std::vector<LogEntry> log = ReadLog(home.Path());
    ASSERT_EQ(log.size(), 1u) << ReadFile(runtime.File("next.err"));
    EXPECT_EQ(log[0].connectionName, "arcor");
    EXPECT_EQ(log[0].start, left->record.start);
    EXPECT_EQ(log[0].duration.GetTotalSeconds(), left->record.duration.GetTotalSeconds());
    CZaehlerFile counters(home.Path());
    ASSERT_TRUE(counters.OpenRecordFile());
    ASSERT_TRUE(counters.FindFirst(0, CZaehlerFile::kTotal));
    EXPECT_EQ(counters.connections, 1);
}

// The tree and the installation of a program that meters a peer ("arcor"), is stopped hard and
// started again.
struct CrashedRun {
    explicit CrashedRun(const std::string& peer = "arcor") {
        WriteFile(home.File("fernzahl.ini"),
                  "[Überwachung]\nDFÜNetzwerk=1\nVorlaufzeit=10\n\n[Allgemein]\nSplashScreen=0\n");
        system.BringUpLink("ppp0", 4711, peer, "/dev/ttyUSB0");
    }
    // The next start, with the link gone: it runs until it has told the user what it found (report)
    // and is ended as usual. Its messages.
    std::string StartAgain(const std::string& report = "Fernzahl ended while it was metering") {
        system.TakeDownLink("ppp0", 4711);
        CChildProcess program({BinaryPath("fernzahl")}, env, runtime.File("again.err"));
        EXPECT_TRUE(AwaitText(runtime.File("again.err"), report)) << ReadFile(runtime.File("again.err"));
        program.Signal(SIGTERM);
        EXPECT_EQ(program.Wait(std::chrono::seconds(30)), 0);
        return ReadFile(runtime.File("again.err"));
    }
    std::vector<LogEntry> Log() {
        std::vector<LogEntry> entries;
        CProtokollFile log(home.Path());
        log.OpenRecordFile();
        for (bool more = log.FirstValid(); more; more = log.NextValid()) {
            entries.push_back(log.Entry());
        }
        return entries;
    }
    void ExpectOneConnectionCounted() {
        CZaehlerFile counters(home.Path());
        ASSERT_TRUE(counters.OpenRecordFile());
        for (uint8_t counter = CZaehlerFile::kDaily; counter <= CZaehlerFile::kTotal; ++counter) {
            ASSERT_TRUE(counters.FindFirst(0, counter));
            EXPECT_EQ(counters.connections, 1) << "counter " << int(counter);
        }
    }

    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
};

// SIGKILL in the middle of a connection: the next start logs and counts it up to its last
// checkpoint, and says so.
TEST(EndToEnd, ConnectionOfAKilledProgramIsLoggedAndCountedAtTheNextStart) {
    CrashedRun run;
    const Clock::time_point started = Clock::now();
    CChildProcess program({BinaryPath("fernzahl")}, run.env, run.runtime.File("fernzahl.err"));
    ASSERT_TRUE(AwaitMetering(run.home)) << ReadFile(run.runtime.File("fernzahl.err"));
    program.Signal(SIGKILL);
    program.Wait(std::chrono::seconds(30));
    // The connection is taken to have begun 10 s before the program saw it, at most this long ago.
    const int64_t atTheKill = 10 + SecondsUp(Clock::now() - started);
    const std::string told = run.StartAgain();

    const std::vector<LogEntry> log = run.Log();
    ASSERT_EQ(log.size(), 1u) << told;
    EXPECT_EQ(log[0].connectionName, "arcor");
    EXPECT_GE(log[0].duration.GetTotalSeconds(), std::max<int64_t>(10, atTheKill - 30));
    EXPECT_LE(log[0].duration.GetTotalSeconds(), atTheKill);
    run.ExpectOneConnectionCounted();
    EXPECT_NE(told.find("fernzahl: Fernzahl ended while it was metering the connection \"arcor\""), std::string::npos)
        << told;
    EXPECT_FALSE(FileExists(run.home.File("Fernzahl.run")));
}

// The program stops between saving the counters and removing the checkpoint (FERNZAHL_CRASH_AT):
// the next start logs the connection, and counts it no second time.
TEST(EndToEnd, StopBetweenTheCountersAndTheCheckpointsRemovalCountsTheConnectionOnce) {
    CrashedRun run;
    ProcessEnvironment crashing = run.env;
    crashing.set["FERNZAHL_CRASH_AT"] = "counters-saved";
    CChildProcess program({BinaryPath("fernzahl")}, crashing, run.runtime.File("fernzahl.err"));
    ASSERT_TRUE(AwaitMetering(run.home)) << ReadFile(run.runtime.File("fernzahl.err"));
    const Clock::time_point seen = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(2)); // the connection lasts a while
    const int64_t held = SecondsDown(Clock::now() - seen);
    run.system.TakeDownLink("ppp0", 4711);
    ASSERT_EQ(program.Wait(std::chrono::seconds(30)), 99) << ReadFile(run.runtime.File("fernzahl.err"));
    const std::string told = run.StartAgain();

    const std::vector<LogEntry> log = run.Log();
    ASSERT_EQ(log.size(), 1u) << told;
    EXPECT_EQ(log[0].connectionName, "arcor");
    EXPECT_GE(log[0].duration.GetTotalSeconds(), 10 + held - 1);
    run.ExpectOneConnectionCounted();
    EXPECT_NE(told.find("the connection \"arcor\""), std::string::npos) << told;
}

// The same stop at the steps of a connection's end, in a folder made read-only whose files stay
// writable (FERNZAHL_FROZEN_FOLDER for the stopped run; a normal run made its files first), so that
// no checkpoint can be written. The next start in the folder writable again, metering a third
// connection, finds the stopped one logged and counted once, or, stopped before its record was
// written, neither (the user was told while it ran that its state could not be saved). A stop
// between the daily counter and the others is left out: without a checkpoint nothing tells the
// next start which counters hold the record.
TEST(EndToEnd, StopAtAStepOfAnEndInAFrozenFolderCountsTheConnectionOnce) {
    for (const std::string step : {"checkpoint-written", "counters-saved", "logged"}) {
        SCOPED_TRACE(step);
        CrashedRun run;
        {
            CChildProcess normal({BinaryPath("fernzahl")}, run.env, run.runtime.File("normal.err"));
            ASSERT_TRUE(AwaitMetering(run.home)) << ReadFile(run.runtime.File("normal.err"));
            run.system.TakeDownLink("ppp0", 4711);
            ASSERT_TRUE(PollUntil([&] { return run.Log().size() == 1; })) << ReadFile(run.runtime.File("normal.err"));
            normal.Signal(SIGTERM);
            ASSERT_EQ(normal.Wait(std::chrono::seconds(30)), 0);
        }
        ProcessEnvironment frozen = run.env;
        frozen.set["FERNZAHL_FROZEN_FOLDER"] = "1";
        frozen.set["FERNZAHL_CRASH_AT"] = step;
        run.system.BringUpLink("ppp0", 4712, "tonline", "/dev/ttyUSB0");
        CChildProcess crashing({BinaryPath("fernzahl")}, frozen, run.runtime.File("frozen.err"));
        ASSERT_TRUE(AwaitText(run.runtime.File("frozen.err"), "could not be saved in"))
            << ReadFile(run.runtime.File("frozen.err"));
        run.system.TakeDownLink("ppp0", 4712);
        ASSERT_EQ(crashing.Wait(std::chrono::seconds(30)), 99) << ReadFile(run.runtime.File("frozen.err"));

        run.system.BringUpLink("ppp0", 4713, "mobil", "/dev/ttyUSB0");
        CChildProcess next({BinaryPath("fernzahl")}, run.env, run.runtime.File("next.err"));
        ASSERT_TRUE(AwaitMetering(run.home)) << ReadFile(run.runtime.File("next.err")); // start-up is through
        run.system.TakeDownLink("ppp0", 4713);
        ASSERT_TRUE(PollUntil([&] { return !run.Log().empty() && run.Log().back().connectionName == "mobil"; }));
        next.Signal(SIGTERM);
        ASSERT_EQ(next.Wait(std::chrono::seconds(30)), 0);
        const std::vector<LogEntry> log = run.Log();
        const auto logged =
            std::count_if(log.begin(), log.end(), [](const LogEntry& e) { return e.connectionName == "tonline"; });
        EXPECT_EQ(logged, step == "checkpoint-written" ? 0 : 1) << ReadFile(run.runtime.File("next.err"));
        CZaehlerFile counters(run.home.Path());
        ASSERT_TRUE(counters.OpenRecordFile());
        for (uint8_t counter = CZaehlerFile::kDaily; counter <= CZaehlerFile::kTotal; ++counter) {
            ASSERT_TRUE(counters.FindFirst(0, counter));
            EXPECT_EQ(counters.connections, 2 + logged) << "counter " << int(counter);
        }
        EXPECT_FALSE(FileExists(run.home.File("Fernzahl.run")));
        EXPECT_FALSE(FileExists(run.home.File("Fernzahl.run.unlogged")));
    }
}

// A peer named in Latin-1: killed mid-connection, the next start logs it once under its name as
// the log's character set holds it (0xFC is "ü" there too), and counts it once.
TEST(EndToEnd, KilledConnectionOfAPeerNamedInLatin1IsRecoveredOnce) {
    CrashedRun run("B\xFCro");
    CChildProcess program({BinaryPath("fernzahl")}, run.env, run.runtime.File("fernzahl.err"));
    ASSERT_TRUE(AwaitMetering(run.home)) << ReadFile(run.runtime.File("fernzahl.err"));
    program.Signal(SIGKILL);
    program.Wait(std::chrono::seconds(30));
    const std::string told = run.StartAgain();
    const std::vector<LogEntry> log = run.Log();
    ASSERT_EQ(log.size(), 1u) << told;
    EXPECT_EQ(log[0].connectionName, "Büro");
    run.ExpectOneConnectionCounted();
    EXPECT_FALSE(FileExists(run.home.File("Fernzahl.run")));
    EXPECT_FALSE(FileExists(run.home.File("Fernzahl.run.damaged"))) << told;
}

// The disk is full when the connection ends (no file may grow past 1500 bytes, so a log that holds
// a record of 794 bytes takes no second, while the checkpoint fits): the user is told, and once
// there is room again, the next start logs the connection, counted once.
TEST(EndToEnd, ConnectionEndedOnAFullDiskIsLoggedOnceThereIsRoom) {
    CrashedRun run;
    AppendToLog(run.home.Path(), SampleEntry(CDateTime::FromDate(2020, 1, 6, 9, 0, 0), 60, 1200, "earlier"));
    CChildProcess program(
        {"/bin/sh", "-c", "trap '' XFSZ; exec /usr/bin/prlimit --fsize=1500 -- \"$0\"", BinaryPath("fernzahl")},
        run.env, run.runtime.File("fernzahl.err"));
    ASSERT_TRUE(AwaitMetering(run.home)) << ReadFile(run.runtime.File("fernzahl.err"));
    run.system.TakeDownLink("ppp0", 4711);
    // Kept for the next start, not waiting in memory ("tries again every minute"), which says the
    // same of the log.
    EXPECT_TRUE(AwaitText(run.runtime.File("fernzahl.err"), "Fernzahl logs it when it starts again"))
        << ReadFile(run.runtime.File("fernzahl.err"));
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(std::chrono::seconds(30)), 0);
    const std::string full = ReadFile(run.runtime.File("fernzahl.err"));
    EXPECT_EQ(run.Log().size(), 1u);
    const std::string told = run.StartAgain("has now been logged");
    const std::vector<LogEntry> log = run.Log();
    ASSERT_EQ(log.size(), 2u) << full << told;
    EXPECT_EQ(log[1].connectionName, "arcor");
    run.ExpectOneConnectionCounted();
}

} // namespace
