#include "core/FileLayer.h"
#include "metering/ZaehlerFile.h"
#include "platform/CheckpointFile.h"
#include "support/LogBuilder.h"
#include "support/StationDriver.h"
#include "support/TariffBuilder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

namespace {

CounterState Stored(const std::string& directory, uint8_t counter) {
    CZaehlerFile file(directory);
    EXPECT_TRUE(file.OpenRecordFile() && file.FindFirst(0, counter));
    return file.State();
}

// A checkpoint store whose removal fails, as on a file system that went read-only.
class CUnremovableCheckpoint : public CCheckpointFile {
public:
    using CCheckpointFile::CCheckpointFile;
    bool Remove() override { return false; }
};

// A minute a unit; one connection of 100 s that ends normally, then one that is killed.
struct Installation {
    Installation() { CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200}); }
    static void Meter(StationDriver& driver, const std::string& name) {
        driver.Start(name, 0);
        driver.RunFor(100000);
    }
    void MeterEnded(CheckpointStore& store) {
        StationDriver driver(world, &store);
        Meter(driver, "First");
        driver.station.EndConnection(false);
    }
    void MeterKilled() {
        StationDriver driver(world, &file);
        Meter(driver, "Killed");
    }

    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
    CCheckpointFile file{world.dir.Path()};
};

// The counters moved on after the checkpoint (the user reset the daily one, another program counted
// a connection): the killed connection is added to them as they are, never their old state restored.
TEST(RecoveryAdds, KilledConnectionIsAddedToCountersThatMovedOnSinceItsCheckpoint) {
    Installation at;
    at.MeterEnded(at.file);
    at.MeterKilled();
    const std::string directory = at.world.dir.Path();
    CounterState daily = Stored(directory, CZaehlerFile::kDaily);
    const CDateTime resetByUser = daily.resetDate + CTimeSpan::FromSeconds(600);
    CounterState cleared;
    cleared.resetDate = resetByUser;
    ASSERT_TRUE(CZaehlerFile(directory).WriteCounter(CZaehlerFile::kDaily, cleared));
    CounterState total = Stored(directory, CZaehlerFile::kTotal);
    total.connections += 5;
    total.costs += CMoney(50000);
    ASSERT_TRUE(CZaehlerFile(directory).WriteCounter(CZaehlerFile::kTotal, total));

    const CMeterStation next(at.world.services, &at.file);
    ASSERT_EQ(next.GetRecovery().size(), 1u);
    EXPECT_EQ(next.GetRecovery()[0].outcome, CRunRecovery::Outcome::Recovered);
    daily = Stored(directory, CZaehlerFile::kDaily);
    EXPECT_EQ(daily.connections, 1);
    EXPECT_EQ(daily.costs, CMoney(2400));
    EXPECT_EQ(daily.resetDate, resetByUser);
    total = Stored(directory, CZaehlerFile::kTotal);
    EXPECT_EQ(total.connections, 7);
    EXPECT_EQ(total.costs, CMoney(50000 + 2400 + 2400));
    EXPECT_EQ(ReadLog(directory).size(), 2u);
}

// A connection over midnight counts only its part after the daily reset in the daily counter; when
// that counter moved on after the kill, only that part is added to it.
TEST(RecoveryAdds, KilledConnectionOverMidnightAddsToTheDailyCounterOnlyWhatFollowedItsReset) {
    Installation at;
    at.world.clock.SetNow(CDateTime::FromDate(2026, 12, 7, 23, 58, 0));
    {
        StationDriver driver(at.world, &at.file);
        driver.Start("Night", 0);
        driver.RunFor(200000); // units at 23:58, 23:59, 0:00 and 0:01; the daily reset at midnight
    }
    const std::string directory = at.world.dir.Path();
    CounterState daily = Stored(directory, CZaehlerFile::kDaily);
    daily.connections += 3;
    daily.costs += CMoney(10000);
    ASSERT_TRUE(CZaehlerFile(directory).WriteCounter(CZaehlerFile::kDaily, daily));

    const CMeterStation next(at.world.services, &at.file);
    ASSERT_EQ(next.GetRecovery().size(), 1u);
    EXPECT_EQ(Stored(directory, CZaehlerFile::kDaily).connections, 3);
    EXPECT_EQ(Stored(directory, CZaehlerFile::kDaily).units, 2);
    EXPECT_EQ(Stored(directory, CZaehlerFile::kDaily).costs, CMoney(10000 + 2400));
    EXPECT_EQ(Stored(directory, CZaehlerFile::kTotal).connections, 1);
    EXPECT_EQ(Stored(directory, CZaehlerFile::kTotal).units, 4);
}

// A checkpoint from elsewhere, of a connection long ago, adds its connection; the counters keep
// their own period.
TEST(RecoveryAdds, CheckpointOfAnOldConnectionNeverDatesTheCountersBack) {
    Installation old;
    old.world.clock.SetNow(CDateTime::FromDate(2019, 1, 1, 10, 0, 0));
    old.MeterKilled();
    Installation at;
    at.MeterEnded(at.file);
    at.MeterEnded(at.file);
    WriteFile(at.file.GetPath(), old.file.Read().value());

    const CMeterStation next(at.world.services, &at.file);
    ASSERT_EQ(next.GetRecovery().size(), 1u);
    for (uint8_t counter = CZaehlerFile::kDaily; counter <= CZaehlerFile::kTotal; ++counter) {
        const CounterState state = Stored(at.world.dir.Path(), counter);
        EXPECT_EQ(state.connections, 3) << int(counter);
        EXPECT_EQ(state.costs, CMoney(3 * 2400)) << int(counter);
        EXPECT_EQ(state.resetDate.ToLocalTime().year, 2026) << int(counter);
    }
}

// The end wrote everything but could not remove the checkpoint; the counters moved on before the
// next start. That start neither counts the connection again nor reports it again.
TEST(RecoveryAdds, CheckpointWhoseRemovalFailedIsNeitherCountedNorReportedAgain) {
    Installation at;
    CUnremovableCheckpoint stuck(at.world.dir.Path());
    at.MeterEnded(stuck);
    ASSERT_TRUE(at.file.Read());
    {
        CMeterStation station(at.world.services);
        station.ResetCounter(CMeterStation::kDaily);
    }
    const CMeterStation next(at.world.services, &at.file);
    EXPECT_TRUE(next.GetRecovery().empty());
    EXPECT_FALSE(at.file.Read());
    EXPECT_EQ(ReadLog(at.world.dir.Path()).size(), 1u);
    EXPECT_EQ(Stored(at.world.dir.Path(), CZaehlerFile::kDaily).connections, 0);
    EXPECT_EQ(Stored(at.world.dir.Path(), CZaehlerFile::kTotal).connections, 1);
}

// A checkpoint left behind (its removal failed, or it was put back by hand) is found logged however
// many connections were logged after it, and never counted again.
TEST(RecoveryAdds, CheckpointLeftBehindIsFoundLoggedAfterAnyNumberOfLaterConnections) {
    Installation at;
    CUnremovableCheckpoint stuck(at.world.dir.Path());
    at.MeterEnded(stuck);
    const std::string left = at.file.Read().value_or("");
    ASSERT_FALSE(left.empty());
    for (int i = 0; i < 20; ++i) {
        StationDriver later(at.world);
        Installation::Meter(later, "Later");
        later.station.EndConnection(false);
    }
    const CMeterStation next(at.world.services, &at.file);
    EXPECT_TRUE(next.GetRecovery().empty());
    EXPECT_FALSE(at.file.Read());
    EXPECT_EQ(ReadLog(at.world.dir.Path()).size(), 21u);
    EXPECT_EQ(Stored(at.world.dir.Path(), CZaehlerFile::kTotal).connections, 21);

    WriteFile(at.file.GetPath(), left); // put back by hand
    EXPECT_TRUE(CMeterStation(at.world.services, &at.file).GetRecovery().empty());
    EXPECT_EQ(Stored(at.world.dir.Path(), CZaehlerFile::kTotal).connections, 21);
}

// A checkpoint store of a folder that lets its files be written but none be created or removed:
// the checkpoint of the connection's start stays as it was.
class CFrozenCheckpoint : public CCheckpointFile {
public:
    using CCheckpointFile::CCheckpointFile;
    bool Write(const std::string& text) override { return !frozen && CCheckpointFile::Write(text); }
    bool Remove() override { return !frozen && CCheckpointFile::Remove(); }
    std::string KeepUnlogged() override { return frozen ? std::string() : CCheckpointFile::KeepUnlogged(); }
    std::atomic<bool> frozen = false; // read by the checkpoint writer's thread
};

// At the end neither the final checkpoint nor the record can be written: the counters keep the
// connection in memory, so the next start counts it once from the checkpoint left, whether the
// program wrote the record before it ended or not.
TEST(RecoveryAdds, EndWithoutFinalCheckpointOrRecordSavesNoCounterThatANextStartWouldCountAgain) {
    for (const bool roomLater : {false, true}) {
        SCOPED_TRACE(roomLater ? "the record written later" : "the record lost");
        Installation at;
        const std::string directory = at.world.dir.Path();
        CFrozenCheckpoint frozen(directory);
        {
            StationDriver driver(at.world, &frozen);
            Installation::Meter(driver, "Frozen");
            driver.station.SaveState(); // the last checkpoint that could be written
            frozen.frozen = true;
            std::filesystem::create_directory(directory + "/Fernzahl.log"); // a log that cannot be created
            driver.world.clock.Advance(30000);
            driver.station.ChargeDueUnits();
            EXPECT_FALSE(driver.station.EndConnection(false));
            EXPECT_EQ(driver.station.CountUnlogged(), 1u);
            EXPECT_EQ(Stored(directory, CZaehlerFile::kTotal).connections, 0);
            EXPECT_EQ(driver.station.GetCounter(CMeterStation::kTotal).GetConnections(), 1);
            std::filesystem::remove(directory + "/Fernzahl.log");
            if (roomLater) {
                EXPECT_TRUE(driver.station.RetryUnlogged(true));
                EXPECT_EQ(Stored(directory, CZaehlerFile::kTotal).connections, 1);
            }
        }
        const CMeterStation next(at.world.services, &at.file);
        EXPECT_EQ(Stored(directory, CZaehlerFile::kTotal).connections, 1);
        EXPECT_EQ(ReadLog(directory).size(), 1u);
        EXPECT_FALSE(at.file.Read());
    }
}

// Every write of a connection's end fails in turn, the removal of the checkpoint among them; then
// the program starts twice. The connection is logged and counted once, and told at most once.
TEST(RecoveryAdds, EndWithAnyWriteFailingIsCountedAndReportedOnce) {
    for (unsigned failing = 1;; ++failing) {
        Installation at;
        StationDriver driver(at.world, &at.file);
        Installation::Meter(driver, "Walk");
        CFileLayer::FailOperation(failing);
        driver.station.EndConnection(false);
        const bool failed = failing <= CFileLayer::CountOperations();
        CFileLayer::FailOperation(0);
        const bool endComplete = driver.station.GetLastEnd().logged && driver.station.GetLastEnd().counted;
        const size_t waiting = driver.station.CountUnlogged();
        driver.station.RetryUnlogged(true); // the program goes on, and writes what waited

        const CMeterStation second(at.world.services, &at.file);
        const CMeterStation third(at.world.services, &at.file);
        const std::vector<LogEntry> log = ReadLog(at.world.dir.Path());
        ASSERT_EQ(log.size(), 1u) << "operation " << failing;
        EXPECT_EQ(Stored(at.world.dir.Path(), CZaehlerFile::kTotal).connections, 1) << "operation " << failing;
        EXPECT_EQ(Stored(at.world.dir.Path(), CZaehlerFile::kTotal).costs, log[0].costs) << "operation " << failing;
        EXPECT_LE(second.GetRecovery().size(), endComplete || waiting > 0 ? 0u : 1u) << "operation " << failing;
        EXPECT_TRUE(third.GetRecovery().empty()) << "operation " << failing;
        EXPECT_FALSE(at.file.Read()) << "operation " << failing;
        if (!failed) {
            break;
        }
    }
}

} // namespace
