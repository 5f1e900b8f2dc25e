#include "metering/Checkpoint.h"
#include "core/FileLayer.h"
#include "log/ProtokollFile.h"
#include "metering/CheckpointStore.h"
#include "metering/CheckpointWriter.h"
#include "metering/ZaehlerFile.h"
#include "platform/CheckpointFile.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/StationDriver.h"
#include "support/TariffBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <future>
#include <mutex>

namespace {

using EndStep = CMeterStation::EndStep;
using Operation = CFileLayer::Operation;
using Kind = Operation::Kind;
constexpr size_t kNone = std::string::npos;

struct SimulatedCrash {};

// Every counter in the file holds the connection once, with the logged record's values.
void ExpectCountedOnceAs(const std::string& directory, const LogEntry& record) {
    for (uint8_t counter = CZaehlerFile::kDaily; counter <= CZaehlerFile::kTotal; ++counter) {
        CZaehlerFile file(directory);
        file.OpenRecordFile();
        ASSERT_TRUE(file.FindFirst(0, counter));
        EXPECT_EQ(file.connections, 1) << "counter " << int(counter);
        EXPECT_EQ(file.units, record.units) << "counter " << int(counter);
        EXPECT_EQ(file.costs, record.costs) << "counter " << int(counter);
        EXPECT_EQ(file.duration.GetTotalSeconds(), record.duration.GetTotalSeconds()) << "counter " << int(counter);
    }
}

// A data directory in which the program is started, stopped and started again; a minute a unit.
struct Installation {
    Installation() { CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200}); }
    // 100 s of a connection detected 10 s after it began: units at 0 and 60 s, checkpoints at 10 s
    // (its start), 60 s (a unit) and 90 s (30 s later).
    static void Meter(StationDriver& driver) {
        driver.Start("T-Online", 10);
        driver.RunFor(100000);
    }

    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
    CCheckpointFile file{world.dir.Path()};
};

// The file operations the action makes, in their order.
std::vector<Operation> OperationsOf(const std::function<void()>& action) {
    CFileLayer::RecordOperations();
    action();
    return CFileLayer::TakeRecordedOperations();
}

// The first operation of the kind on the file (by its name in the data directory) from the
// position on; kNone when there is none.
size_t Find(const std::vector<Operation>& operations, Kind kind, const std::string& name, size_t from = 0) {
    for (size_t i = from; i < operations.size(); ++i) {
        if (operations[i].kind == kind && std::filesystem::path(operations[i].path).filename() == name) {
            return i;
        }
    }
    return kNone;
}

size_t FindLast(const std::vector<Operation>& operations, Kind kind, const std::string& name, size_t before) {
    size_t last = kNone;
    for (size_t i = Find(operations, kind, name); i < before; i = Find(operations, kind, name, i + 1)) {
        last = i;
    }
    return last;
}

// Whether the file was written, and flushed after its last write, before the position.
bool OnDiskBefore(const std::vector<Operation>& operations, const std::string& name, size_t position) {
    const size_t write = FindLast(operations, Kind::Write, name, position);
    return write != kNone && Find(operations, Kind::Flush, name, write) < position;
}

// Whether the checkpoint was replaced after the counter file's last write.
bool CheckpointFollowsTheCounters(const std::vector<Operation>& operations) {
    const size_t write = FindLast(operations, Kind::Write, "Fernzahl.ctr", operations.size());
    return write != kNone && Find(operations, Kind::Rename, CCheckpoint::kFileName, write) != kNone;
}

TEST(Checkpoint, KilledRunIsLoggedAndCountedAtTheNextStartUpToItsLastCheckpoint) {
    Installation at;
    {
        StationDriver driver(at.world, &at.file);
        Installation::Meter(driver);
    } // killed: the connection never ends
    ASSERT_TRUE(at.file.Read());
    const CMeterStation next(at.world.services, &at.file);
    EXPECT_EQ(next.GetRecovery().at(0).outcome, CRunRecovery::Outcome::Recovered);
    const std::vector<LogEntry> log = ReadLog(at.world.dir.Path());
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].connectionName, "T-Online");
    EXPECT_EQ(log[0].start, CDateTime::FromDate(2026, 12, 7, 9, 59, 50));
    EXPECT_EQ(log[0].duration.GetTotalSeconds(), 90);
    EXPECT_EQ(log[0].units, 2);
    EXPECT_EQ(log[0].costs, CMoney(2400));
    ExpectCountedOnceAs(at.world.dir.Path(), log[0]);
    EXPECT_EQ(next.GetCounter(CMeterStation::kTotal).GetConnections(), 1); // loaded after the recovery
    const CLocaleGuard german("de_DE.UTF-8");
    const std::string message = CRunRecovery::Describe(next.GetRecovery().at(0), at.world.strings);
    EXPECT_NE(message.find("T-Online"), std::string::npos) << message;
    EXPECT_NE(message.find("started 07.12.2026 09:59:50"), std::string::npos) << "as the window's lists write it";
    EXPECT_FALSE(at.file.Read());
    EXPECT_TRUE(CMeterStation(at.world.services, &at.file).GetRecovery().empty());
}

// pppd names are bytes: a peer named in Latin-1, a link name with a control byte.
TEST(Checkpoint, KilledRunWithANameThatIsNotUtf8IsRecoveredUnderThatName) {
    for (const std::string name : {"B\xFCro", "a\x01"
                                              "b"}) {
        Installation at;
        {
            StationDriver driver(at.world, &at.file);
            driver.Start(name, 10);
            driver.RunFor(100000);
        }
        const CMeterStation next(at.world.services, &at.file);
        ASSERT_EQ(next.GetRecovery().size(), 1u);
        EXPECT_EQ(next.GetRecovery()[0].outcome, CRunRecovery::Outcome::Recovered);
        const std::vector<LogEntry> log = ReadLog(at.world.dir.Path());
        ASSERT_EQ(log.size(), 1u);
        // The log keeps the bytes: 0xFC is "ü" in its character set too.
        EXPECT_EQ(log[0].connectionName, name == "B\xFCro" ? "Büro" : name);
        ExpectCountedOnceAs(at.world.dir.Path(), log[0]);
    }
}

// The program stops at each step of a connection's end in turn; each time the next start leaves
// the connection logged and counted exactly once.
TEST(Checkpoint, EndInterruptedAtAnyStepIsCountedOnce) {
    for (EndStep step :
         {EndStep::CheckpointWritten, EndStep::DailyCounterSaved, EndStep::CountersSaved, EndStep::Logged}) {
        Installation at;
        {
            StationDriver driver(at.world, &at.file);
            Installation::Meter(driver);
            driver.station.SetEndStepHook([step](EndStep reached) {
                if (reached == step) {
                    throw SimulatedCrash{};
                }
            });
            EXPECT_THROW(driver.station.EndConnection(), SimulatedCrash);
        }
        const CMeterStation next(at.world.services, &at.file);
        // A connection already logged was counted before it: only its checkpoint is left to remove.
        if (step == EndStep::Logged) {
            EXPECT_TRUE(next.GetRecovery().empty());
        } else {
            EXPECT_EQ(next.GetRecovery().at(0).outcome, CRunRecovery::Outcome::Recovered) << "step " << int(step);
        }
        const std::vector<LogEntry> log = ReadLog(at.world.dir.Path());
        ASSERT_EQ(log.size(), 1u) << "step " << int(step);
        ExpectCountedOnceAs(at.world.dir.Path(), log[0]);
        EXPECT_FALSE(at.file.Read());
    }
}

// A power cut may come at any moment: the counters and the record are on the disk before the
// checkpoint, the only other trace of the connection, goes.
TEST(Checkpoint, EndPutsCountersAndRecordOnTheDiskBeforeTheCheckpointGoes) {
    Installation at;
    StationDriver driver(at.world, &at.file);
    Installation::Meter(driver);
    const std::vector<Operation> operations = OperationsOf([&] { driver.station.EndConnection(false); });
    const size_t removal = Find(operations, Kind::Remove, CCheckpoint::kFileName);
    ASSERT_NE(removal, kNone);
    EXPECT_TRUE(OnDiskBefore(operations, "Fernzahl.ctr", removal));
    EXPECT_TRUE(OnDiskBefore(operations, "Fernzahl.log", removal));
}

// A reset rewrites the counter file under a running connection; a checkpoint from before it would
// bring the old figures back at the next start.
TEST(Checkpoint, ResetByTheUserOrAtMidnightIsCheckpointedAtOnce) {
    Installation at;
    StationDriver driver(at.world, &at.file);
    Installation::Meter(driver);
    driver.station.SaveState(); // nothing left for the writer's thread to write meanwhile
    EXPECT_TRUE(
        CheckpointFollowsTheCounters(OperationsOf([&] { driver.station.ResetCounter(CMeterStation::kWeekly); })));
    at.world.clock.Advance(14 * 3600 * 1000); // past midnight
    bool newDay = false;
    EXPECT_TRUE(CheckpointFollowsTheCounters(OperationsOf([&] { newDay = driver.station.CheckNewDay(); })));
    EXPECT_TRUE(newDay);
}

TEST(Checkpoint, KillRightAfterAResetKeepsTheReset) {
    Installation at;
    {
        StationDriver driver(at.world, &at.file);
        Installation::Meter(driver);
        driver.station.EndConnection(false);
        Installation::Meter(driver);
        driver.station.ResetCounter(CMeterStation::kDaily);
    } // killed before the next checkpoint was due
    const CMeterStation next(at.world.services, &at.file);
    EXPECT_EQ(next.GetRecovery().at(0).outcome, CRunRecovery::Outcome::Recovered);
    EXPECT_EQ(ReadLog(at.world.dir.Path()).size(), 2u);
    EXPECT_EQ(next.GetCounter(CMeterStation::kDaily).GetConnections(), 0);
    EXPECT_EQ(next.GetCounter(CMeterStation::kTotal).GetConnections(), 2);
}

// The clock moves on between the final checkpoint and the record, as on a busy machine: the record
// is a second longer than the checkpoint, and still the same connection.
TEST(Checkpoint, RecordLoggedASecondAfterTheFinalCheckpointIsNotLoggedAgain) {
    Installation at;
    {
        StationDriver driver(at.world, &at.file);
        Installation::Meter(driver);
        driver.station.SetEndStepHook([&at](EndStep reached) {
            if (reached == EndStep::CheckpointWritten) {
                at.world.clock.Advance(1500);
            }
            if (reached == EndStep::Logged) {
                throw SimulatedCrash{};
            }
        });
        EXPECT_THROW(driver.station.EndConnection(), SimulatedCrash);
    }
    const CMeterStation next(at.world.services, &at.file);
    ASSERT_EQ(ReadLog(at.world.dir.Path()).size(), 1u);
    EXPECT_EQ(next.GetCounter(CMeterStation::kTotal).GetConnections(), 1);
}

// A full disk at the end: every write of the end is made to fail in turn. The user is told, and
// the connection is never lost: once the disk has room, the next start logs it and it counts once.
TEST(Checkpoint, ConnectionWhoseEndCannotBeWrittenIsLoggedAtTheNextStart) {
    for (unsigned failing = 1;; ++failing) {
        Installation at;
        bool ended = false;
        bool logged = false;
        unsigned operations = 0;
        {
            StationDriver driver(at.world, &at.file);
            Installation::Meter(driver);
            CFileLayer::FailOperation(failing);
            ended = driver.station.EndConnection(false);
            operations = CFileLayer::CountOperations();
            CFileLayer::FailOperation(0);
            const CMeterStation::EndWrites& end = driver.station.GetLastEnd();
            EXPECT_EQ(ended, end.logged && end.counted && !end.checkpointLeft) << "operation " << failing;
            EXPECT_EQ(end.logged, end.unloggedKeptAs.empty()) << "operation " << failing;
            logged = end.logged;
        }
        const CMeterStation next(at.world.services, &at.file);
        if (!logged) {
            // Told as what it is: logged late, not a connection of a program that ended.
            ASSERT_EQ(next.GetRecovery().size(), 1u) << "operation " << failing;
            EXPECT_NE(CRunRecovery::Describe(next.GetRecovery()[0], at.world.strings).find("has now been logged"),
                      std::string::npos);
        }
        const std::vector<LogEntry> log = ReadLog(at.world.dir.Path());
        ASSERT_EQ(log.size(), 1u) << "operation " << failing;
        ExpectCountedOnceAs(at.world.dir.Path(), log[0]);
        EXPECT_FALSE(at.file.Read()) << "operation " << failing;
        EXPECT_TRUE(at.file.ListUnlogged().empty()) << "operation " << failing;
        if (failing > operations) {
            EXPECT_TRUE(ended);
            break;
        }
    }
}

// Ends connections, each with another of its file operations failing, until one ends with its
// record neither written nor kept.
void EndWithTheRecordUnwritten(Installation& at, StationDriver& driver) {
    for (unsigned failing = 1; driver.station.CountUnlogged() == 0; ++failing) {
        ASSERT_LT(failing, 50u);
        std::filesystem::remove(at.world.dir.File("Fernzahl.log"));
        Installation::Meter(driver);
        CFileLayer::FailOperation(failing);
        driver.station.EndConnection(false);
        CFileLayer::FailOperation(0);
    }
}

// The disk was full before the connection began: no checkpoint was ever written, so none can be
// kept. The record waits in memory and is written once there is room, before the next record.
TEST(Checkpoint, RecordThatCanBeNeitherWrittenNorKeptIsWrittenOnceThereIsRoom) {
    Installation at;
    StationDriver driver(at.world); // nothing checkpointed
    EndWithTheRecordUnwritten(at, driver);
    EXPECT_TRUE(ReadLog(at.world.dir.Path()).empty());
    EXPECT_FALSE(driver.station.RetryUnlogged()) << "not before a minute has passed";
    at.world.clock.Advance(60000);
    EXPECT_TRUE(driver.station.RetryUnlogged());
    ASSERT_EQ(ReadLog(at.world.dir.Path()).size(), 1u);
    EXPECT_EQ(ReadLog(at.world.dir.Path())[0].connectionName, "T-Online");
    EXPECT_EQ(driver.station.CountUnlogged(), 0u);
}

TEST(Checkpoint, RecordWaitingForRoomIsLoggedBeforeTheNextOne) {
    Installation at;
    StationDriver driver(at.world);
    EndWithTheRecordUnwritten(at, driver);
    driver.Start("Arcor");
    driver.RunFor(10000);
    ASSERT_TRUE(driver.station.EndConnection(false));
    const std::vector<LogEntry> log = ReadLog(at.world.dir.Path());
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].connectionName, "T-Online");
    EXPECT_EQ(log[1].connectionName, "Arcor");
}

TEST(Checkpoint, DamagedOrForeignCheckpointIsSetAsideNeverOverAnother) {
    Installation at;
    const std::string path = at.file.GetPath();
    WriteFile(path, "[Checkpoint]\nVersion=1\nStart=\"0 46363.4\"\n"); // cut short
    const CMeterStation first(at.world.services, &at.file);
    EXPECT_EQ(first.GetRecovery().at(0).outcome, CRunRecovery::Outcome::Unreadable);
    EXPECT_EQ(first.GetRecovery().at(0).keptAs, path + ".damaged");
    EXPECT_NE(CRunRecovery::Describe(first.GetRecovery().at(0), at.world.strings).find(path + ".damaged"),
              std::string::npos);
    WriteFile(path, "<html>not ours</html>");
    const CMeterStation second(at.world.services, &at.file);
    EXPECT_EQ(second.GetRecovery().at(0).keptAs, path + ".damaged-2");
    EXPECT_EQ(ReadFile(path + ".damaged-2"), "<html>not ours</html>");
    EXPECT_FALSE(at.file.Read());
    EXPECT_TRUE(ReadLog(at.world.dir.Path()).empty());
    EXPECT_EQ(second.GetCounter(CMeterStation::kTotal).GetConnections(), 0);
}

// Figures no connection has (a damaged file, a hand-made one) would take from the counters once
// added: such a checkpoint is set aside like any other that cannot be read, and nothing is counted.
TEST(Checkpoint, CheckpointWithFiguresNoConnectionHasIsSetAsideAndCountsNothing) {
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        const size_t at = text.find(from);
        return at == std::string::npos ? std::string() : text.replace(at, from.size(), to);
    };
    const auto addedToTotal = [&](const std::string& text, const std::string& added) {
        return replaced(text, "[Total]\n", "[Total]\nAdded=\"" + added + "\"\n");
    };
    const auto withValue = [](std::string text, const std::string& key, const std::string& value) {
        const size_t from = text.find(key + "=\"") + key.size() + 2;
        return text.replace(from, text.find('"', from) - from, value);
    };
    const auto withRecordDuration = [&](const std::string& text, const std::string& days) {
        return withValue(text, "Duration", days);
    };
    const auto withStart = [&](const std::string& text, const std::string& date) {
        return withValue(text, "Start", date);
    };
    Installation at;
    {
        StationDriver driver(at.world, &at.file);
        Installation::Meter(driver);
    } // killed: the connection never ends
    const std::string killed = at.file.Read().value_or("");
    ASSERT_NE(killed.find("Units=2\n"), std::string::npos) << killed;
    for (const std::string& hostile : {
             replaced(killed, "Units=2\n", "Units=4294967000\n"),           // fewer than no units
             replaced(killed, "Costs=\"0 2400\"", "Costs=\"0 -99990000\""), // money taken
             addedToTotal(killed, "0 0 -1000 -1000 0 -99990000"),
             addedToTotal(killed, "0 0 5 3 0 100"),                   // more connections and units than the record's
             addedToTotal(killed, "0 0 1 1 0 99990000"),              // more money than the record's
             addedToTotal(killed, "0 1000 1 1 0 100"),                // more time than the record's
             withRecordDuration(killed, "0 1000000"),                 // a connection that ends long after now
             withStart(withRecordDuration(killed, "0 30000"), "0 1"), // 82 years: longer than the meter times
         }) {
        SCOPED_TRACE(hostile);
        ASSERT_FALSE(hostile.empty());
        WriteFile(at.file.GetPath(), hostile);
        const CMeterStation next(at.world.services, &at.file);
        ASSERT_EQ(next.GetRecovery().size(), 1u);
        EXPECT_EQ(next.GetRecovery()[0].outcome, CRunRecovery::Outcome::Unreadable);
        EXPECT_EQ(next.GetCounter(CMeterStation::kTotal).GetConnections(), 0);
        EXPECT_TRUE(ReadLog(at.world.dir.Path()).empty());
        EXPECT_FALSE(at.file.Read());
    }
    WriteFile(at.file.GetPath(), killed);
    EXPECT_EQ(CMeterStation(at.world.services, &at.file).GetRecovery().at(0).outcome, CRunRecovery::Outcome::Recovered);
}

// Keeps one checkpoint in memory; a write, once begun, lasts until the test lets it finish, as a
// durable write to a slow disk may.
class CHeldStore : public CheckpointStore {
public:
    bool Write(const std::string& text) override {
        std::unique_lock lock(m_mutex);
        m_begun = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_released; });
        m_text = text;
        return true;
    }
    std::optional<std::string> Read() override {
        const std::lock_guard lock(m_mutex);
        return m_text;
    }
    bool Remove() override {
        const std::lock_guard lock(m_mutex);
        m_text.reset();
        return true;
    }
    std::string SetAside() override { return {}; }
    std::string GetName() const override { return "memory"; }
    std::string KeepUnlogged() override { return {}; }
    std::vector<std::string> ListUnlogged() override { return {}; }
    std::optional<std::string> ReadUnlogged(const std::string&) override { return {}; }
    bool RemoveUnlogged(const std::string&) override { return false; }

    void AwaitWriteBegun() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_begun; });
    }
    // From now on every write finishes.
    void Release() {
        const std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_begun = false;
    bool m_released = false;
    std::optional<std::string> m_text;
};

// A removal or a write that must be done now waits for a write in progress, so that an older
// checkpoint never lands after it.
TEST(CheckpointWriter, WriteInProgressNeverLandsAfterALaterRemovalOrWrite) {
    const auto expectWaitsForTheWriteInProgress = [](const std::function<bool(CCheckpointWriter&)>& action,
                                                     const std::optional<std::string>& expected) {
        CHeldStore store;
        {
            CCheckpointWriter writer(store);
            writer.Post("unit 1");
            store.AwaitWriteBegun();
            writer.Post("unit 2"); // not begun: a newer state makes it useless
            std::future<bool> done = std::async(std::launch::async, [&] { return action(writer); });
            EXPECT_EQ(done.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
            store.Release();
            EXPECT_TRUE(done.get());
        }
        EXPECT_EQ(store.Read(), expected);
    };
    expectWaitsForTheWriteInProgress([](CCheckpointWriter& writer) { return writer.Remove(); }, std::nullopt);
    expectWaitsForTheWriteInProgress([](CCheckpointWriter& writer) { return writer.Write("end"); }, "end");
}

} // namespace
