// Each place that writes a file, walked through a failure at each of its file operations in turn
// (a full disk): the failure is reported, nothing stored before is lost, and what was interrupted
// is whole again or done at the next try.
#include "core/FileLayer.h"
#include "log/ProtokollFile.h"
#include "metering/ZaehlerFile.h"
#include "platform/Autostart.h"
#include "platform/CheckpointFile.h"
#include "platform/IniSettingsStore.h"
#include "support/LogBuilder.h"
#include "support/StationDriver.h"
#include "support/TariffBuilder.h"
#include "tariff_editor/TariffRecords.h"
#include "tariffs/TarifFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

// The failures walked: a full disk and a failing device, each on a file system with hard links and
// on one without (FAT, exFAT, SMB), where every link() answers EPERM.
struct Failure {
    int error;
    bool hardLinks;
    std::string Name() const {
        return std::string(error == ENOSPC ? "ENOSPC" : "EIO") + (hardLinks ? "" : ", no links");
    }
};
constexpr Failure kFailures[] = {{ENOSPC, true}, {EIO, true}, {ENOSPC, false}, {EIO, false}};

// Runs the action in a folder made read-only whose files stay writable (no name comes or goes).
bool InFrozenFolder(const std::function<bool()>& action) {
    CFileLayer::FrozenFolder(true);
    const bool done = action();
    CFileLayer::FrozenFolder(false);
    return done;
}

// Runs the action with its nth file operation failing, for n = 1, 2, ... and once more with none
// failing, for each kind of failure, and once in a frozen folder; check hears n (0 for the runs
// without a failing operation) and what the action answered.
void WalkFailures(const std::function<void()>& prepare, const std::function<bool()>& action,
                  const std::function<void(unsigned, bool)>& check) {
    {
        SCOPED_TRACE("in a folder that takes no new name and gives none up");
        prepare();
        check(0, InFrozenFolder(action));
    }
    for (const auto& [error, hardLinks] : kFailures) {
        CFileLayer::WithoutHardLinks(!hardLinks);
        for (unsigned failing = 1;; ++failing) {
            prepare();
            CFileLayer::FailOperation(failing, error);
            const bool done = action();
            const bool failed = failing <= CFileLayer::CountOperations();
            CFileLayer::FailOperation(0);
            check(failed ? failing : 0, done);
            if (!failed) {
                break;
            }
        }
    }
    CFileLayer::WithoutHardLinks(false);
}

size_t FilesIn(const std::string& directory) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
}

TEST(FaultWalk, RecoveryThatFailsIsDoneAtTheNextStart) {
    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
    CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200});
    CCheckpointFile file(world.dir.Path());
    std::string checkpoint;
    {
        StationDriver driver(world, &file);
        driver.Start("B\xFCro", 10);
        driver.RunFor(100000);
    } // killed
    checkpoint = file.Read().value_or("");
    ASSERT_FALSE(checkpoint.empty());
    WalkFailures(
        [&] {
            for (const std::string name : {"Fernzahl.log", "Fernzahl.ctr", "Fernzahl.run.unlogged"}) {
                std::filesystem::remove(world.dir.File(name));
            }
            WriteFile(file.GetPath(), checkpoint);
        },
        [&] {
            const CMeterStation station(world.services, &file);
            return station.GetRecovery().at(0).outcome == CRunRecovery::Outcome::Recovered;
        },
        [&](unsigned failing, bool recovered) {
            const CMeterStation again(world.services, &file); // the next start, with room on the disk
            EXPECT_EQ(ReadLog(world.dir.Path()).size(), 1u) << "operation " << failing;
            EXPECT_EQ(again.GetCounter(CMeterStation::kTotal).GetConnections(), 1) << "operation " << failing;
            EXPECT_TRUE(recovered || !again.GetRecovery().empty()) << "operation " << failing;
            EXPECT_FALSE(file.Read()) << "operation " << failing;
        });
}

TEST(FaultWalk, CheckpointIsTheOldOrTheNewWhole) {
    CTempDir dir;
    CCheckpointFile file(dir.Path());
    WalkFailures([&] { ASSERT_TRUE(file.Write("old")); }, [&] { return file.Write("new"); },
                 [&](unsigned failing, bool written) {
                     const std::string text = file.Read().value_or("");
                     EXPECT_EQ(text, written ? "new" : text == "new" ? "new" : "old") << "operation " << failing;
                     EXPECT_EQ(FilesIn(dir.Path()), 1u) << "operation " << failing;
                 });
}

TEST(FaultWalk, SettingsSaveKeepsEveryValueStoredBefore) {
    CTempDir dir;
    WalkFailures(
        [&] {
            std::filesystem::remove(dir.File("fernzahl.ini"));
            CIniSettingsStore(dir.File("fernzahl.ini"), dir.Path()).Write(Setting::kResetTag, 15);
        },
        [&] { return CIniSettingsStore(dir.File("fernzahl.ini"), dir.Path()).Write(Setting::kAutoReset, 1); },
        [&](unsigned failing, bool written) {
            CIniSettingsStore store(dir.File("fernzahl.ini"), dir.Path());
            EXPECT_FALSE(store.FindDamage()) << "operation " << failing;
            EXPECT_EQ(store.Read(Setting::kResetTag), 15u) << "operation " << failing;
            if (written) {
                EXPECT_EQ(store.Read(Setting::kAutoReset), 1u) << "operation " << failing;
            }
        });
}

TEST(FaultWalk, TariffEditAndRecordDeletionLeaveReadableFiles) {
    CTempDir dir;
    const std::string tariff = dir.File("Mobil.tff");
    WalkFailures([&] { CTariffBuilder(tariff).WithZoneEveryDay({.seconds = 60, .price = 1200}); },
                 [&] {
                     return CTariffRecords(tariff)
                         .AddZone(CTarifFile::kWorkingDays, {.firstQuarter = 0, .lastQuarter = 31})
                         .written;
                 },
                 [&](unsigned failing, bool written) {
                     const size_t zones = CTariffRecords(tariff).ReadZones(CTarifFile::kWorkingDays).size();
                     EXPECT_EQ(zones, written ? 2u : 1u) << "operation " << failing;
                 });
    WalkFailures(
        [&] {
            std::filesystem::remove(dir.File("Fernzahl.log"));
            AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "x"));
        },
        [&] {
            CProtokollFile log(dir.Path());
            return log.OpenRecordFile() && log.DeleteRecord();
        },
        [&](unsigned failing, bool deleted) {
            EXPECT_EQ(ReadLog(dir.Path()).size(), deleted ? 0u : 1u) << "operation " << failing;
        });
}

TEST(FaultWalk, AutostartEntryIsWholeOrAbsent) {
    CTempDir dir;
    const CAutostart autostart(dir.File("autostart"));
    WalkFailures([&] { autostart.Disable(); }, [&] { return autostart.Enable("/usr/bin/fernzahl"); },
                 [&](unsigned failing, bool written) {
                     EXPECT_TRUE(autostart.IsEnabled() || !written) << "operation " << failing;
                     if (autostart.IsEnabled()) {
                         EXPECT_NE(ReadFile(autostart.EntryPath()).find("X-GNOME-Autostart-enabled=true\n"),
                                   std::string::npos);
                     }
                     EXPECT_EQ(FilesIn(dir.File("autostart")), autostart.IsEnabled() ? 1u : 0u);
                 });
}

const char* KindName(CFileLayer::Operation::Kind kind) {
    using Kind = CFileLayer::Operation::Kind;
    switch (kind) {
    case Kind::Write:
        return "write";
    case Kind::Flush:
        return "flush";
    case Kind::FlushDirectory:
        return "flush folder";
    case Kind::Rename:
        return "rename";
    case Kind::Link:
        return "link";
    case Kind::Remove:
        return "remove";
    }
    return "?";
}

// A connection's end with each of its file operations failing in turn, the checkpoint's removal
// among them, then two starts with room on the disk: the connection is logged and counted once,
// the first start tells at most what it did, the second tells nothing. With FERNZAHL_FAULT_TABLE
// set, the outcome of each step is written there as a table.
TEST(FaultWalk, ConnectionEndUnderEveryFailureCountsOnceAtTheNextStart) {
    std::string table = "failure | op | kind | file | end: logged, counted | next start tells | log | connections\n";
    for (const Failure& failure : kFailures) {
        CFileLayer::WithoutHardLinks(!failure.hardLinks);
        for (unsigned failing = 1;; ++failing) {
            MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
            CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200});
            CCheckpointFile file(world.dir.Path());
            CMeterStation::EndWrites end;
            std::vector<CFileLayer::Operation> operations;
            {
                StationDriver driver(world, &file);
                driver.Start("T-Online", 10);
                driver.RunFor(100000);
                CFileLayer::RecordOperations();
                CFileLayer::FailOperation(failing, failure.error);
                driver.station.EndConnection(false);
                CFileLayer::FailOperation(0);
                operations = CFileLayer::TakeRecordedOperations();
                end = driver.station.GetLastEnd();
                driver.station.RetryUnlogged(true); // the program's end: a waiting record's last try
            }
            const bool failed = failing <= operations.size();
            const CMeterStation next(world.services, &file);
            const CMeterStation afterNext(world.services, &file);
            const std::string step = failure.Name() + " | " + (failed ? std::to_string(failing) : "none");
            const size_t logged = ReadLog(world.dir.Path()).size();
            const int connections = afterNext.GetCounter(CMeterStation::kTotal).GetConnections();
            EXPECT_EQ(logged, 1u) << step;
            EXPECT_EQ(connections, 1) << step;
            EXPECT_LE(next.GetRecovery().size(), 1u) << step;
            EXPECT_TRUE(afterNext.GetRecovery().empty()) << step;
            EXPECT_FALSE(file.Read()) << step;
            if (end.logged && end.counted) {
                EXPECT_TRUE(next.GetRecovery().empty()) << step << ": a whole end is never told again";
            }
            if (end.logged && !end.counted && !next.GetRecovery().empty()) { // a failed flush may have counted
                EXPECT_EQ(next.GetRecovery()[0].outcome, CRunRecovery::Outcome::CountedLater)
                    << step << ": the program did not end while metering, its counters failed";
            }
            const std::string told =
                next.GetRecovery().empty() ? "nothing" : CRunRecovery::Describe(next.GetRecovery()[0], world.strings);
            table += step + " | " + (failed ? KindName(operations[failing - 1].kind) : "-") + " | " +
                     (failed ? std::filesystem::path(operations[failing - 1].path).filename().string() : "-") + " | " +
                     (end.logged ? "yes" : "no") + ", " + (end.counted ? "yes" : "no") + " | " + told.substr(0, 60) +
                     " | " + std::to_string(logged) + " | " + std::to_string(connections) + "\n";
            if (!failed) {
                break;
            }
        }
    }
    CFileLayer::WithoutHardLinks(false);
    if (const char* path = std::getenv("FERNZAHL_FAULT_TABLE")) {
        WriteFile(path, table);
    }
}

// A connection's end in a folder made read-only while its files stay writable, the log there
// already or not yet, then two starts in the folder writable again: logged and counted once.
TEST(FaultWalk, ConnectionEndInAFrozenFolderCountsOnceAtTheNextStart) {
    for (const bool logBefore : {false, true}) {
        SCOPED_TRACE(logBefore ? "a log there" : "no log yet");
        MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
        CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200});
        CCheckpointFile file(world.dir.Path());
        if (logBefore) {
            AppendToLog(world.dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 6, 10, 0, 0), 90, 1200, "x"));
        }
        {
            StationDriver driver(world, &file);
            driver.Start("T-Online", 10);
            driver.RunFor(100000);
            driver.station.SaveState(); // the last checkpoint that could be written
            InFrozenFolder([&] {
                driver.RunFor(40000); // a unit and a checkpoint that cannot be written
                return driver.station.EndConnection(false);
            });
        }
        const CMeterStation next(world.services, &file);
        const CMeterStation afterNext(world.services, &file);
        EXPECT_EQ(ReadLog(world.dir.Path()).size(), logBefore ? 2u : 1u);
        EXPECT_EQ(afterNext.GetCounter(CMeterStation::kTotal).GetConnections(), 1);
        EXPECT_TRUE(afterNext.GetRecovery().empty());
        EXPECT_FALSE(file.Read());
    }
}

} // namespace
