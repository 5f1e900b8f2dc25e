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

#include <filesystem>
#include <functional>

namespace {

// Runs the action with its nth file operation failing, for n = 1, 2, ... and once more with none
// failing, first as on a full disk, then as on a failing device; check hears n (0 for the run
// without a failure) and what the action answered.
void WalkFailures(const std::function<void()>& prepare, const std::function<bool()>& action,
                  const std::function<void(unsigned, bool)>& check) {
    for (const int error : {ENOSPC, EIO}) {
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
                     return CTariffRecords(tariff).AddZone(CTarifFile::kWorkingDays,
                                                           {.firstQuarter = 0, .lastQuarter = 31});
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

} // namespace
