#include "core/FileLayer.h"
#include "metering/MeterStation.h"
#include "platform/CheckpointFile.h"
#include "support/MeteringWorld.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

// A file system without hard links (FAT, exFAT, SMB) answers link() with EPERM: a new file is
// renamed in instead, and still never over another file.
TEST(FileKinds, CreateWorksWithoutHardLinksAndNeverReplacesAFile) {
    CTempDir dir;
    constexpr unsigned kLink = 3; // after the temporary's write and flush
    CFileLayer::FailOperation(kLink, EPERM);
    EXPECT_TRUE(CFileLayer::Create(dir.File("new"), "text"));
    CFileLayer::FailOperation(0);
    EXPECT_EQ(ReadFile(dir.File("new")), "text");

    CFileLayer::FailOperation(kLink, EPERM);
    EXPECT_FALSE(CFileLayer::Create(dir.File("new"), "other"));
    CFileLayer::FailOperation(0);
    EXPECT_EQ(ReadFile(dir.File("new")), "text");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1); // no temporary left
}

TEST(FileKinds, MoveAsideWorksWithoutHardLinksAndNeverReplacesAFile) {
    CTempDir dir;
    WriteFile(dir.File("fernzahl.ini"), "damaged");
    WriteFile(dir.File("fernzahl.ini.damaged"), "kept before");
    CFileLayer::FailOperation(1, EPERM);
    EXPECT_EQ(CFileLayer::MoveAside(dir.File("fernzahl.ini")), dir.File("fernzahl.ini.damaged-2"));
    CFileLayer::FailOperation(0);
    EXPECT_FALSE(FileExists(dir.File("fernzahl.ini")));
    EXPECT_EQ(ReadFile(dir.File("fernzahl.ini.damaged")), "kept before");
    EXPECT_EQ(ReadFile(dir.File("fernzahl.ini.damaged-2")), "damaged");
}

// A folder or a FIFO where the checkpoint belongs is no checkpoint: set aside under a name the user
// is told, and never waited on.
TEST(FileKinds, CheckpointThatIsNoFileIsSetAsideUnderAName) {
    for (const bool fifo : {false, true}) {
        MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
        CCheckpointFile file(world.dir.Path());
        if (fifo) {
            ASSERT_EQ(mkfifo(file.GetPath().c_str(), 0600), 0);
        } else {
            std::filesystem::create_directory(file.GetPath());
        }
        const CMeterStation station(world.services, &file);
        ASSERT_EQ(station.GetRecovery().size(), 1u);
        EXPECT_EQ(station.GetRecovery()[0].outcome, CRunRecovery::Outcome::Unreadable);
        EXPECT_EQ(station.GetRecovery()[0].keptAs, file.GetPath() + ".damaged");
        EXPECT_FALSE(std::filesystem::exists(file.GetPath()));
    }
    // Whatever operation fails, it is told under a name, its own where it could not be set aside.
    bool toldByItsOwnName = false;
    for (unsigned failing = 1; failing < 10 && !toldByItsOwnName; ++failing) {
        MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
        CCheckpointFile file(world.dir.Path());
        std::filesystem::create_directory(file.GetPath());
        CFileLayer::FailOperation(failing, EIO);
        const CMeterStation station(world.services, &file);
        CFileLayer::FailOperation(0);
        ASSERT_EQ(station.GetRecovery().size(), 1u);
        EXPECT_FALSE(station.GetRecovery()[0].keptAs.empty()) << "operation " << failing;
        toldByItsOwnName = station.GetRecovery()[0].keptAs == file.GetPath();
    }
    EXPECT_TRUE(toldByItsOwnName);
}

// A FIFO where the tariff file belongs is no tariff: the connection starts at the default rate at
// once, and the FIFO is left as it is.
TEST(FileKinds, TariffThatIsAFifoIsNeverWaitedOn) {
    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
    ASSERT_EQ(mkfifo(world.TariffPath().c_str(), 0600), 0);
    CMeterStation station(world.services);
    station.StartConnection(0, world.TariffPath(), "ttyS0", "tonline", "Fernzahl");
    EXPECT_FALSE(station.Tariff().HasZone());
    struct stat info {};
    ASSERT_EQ(stat(world.TariffPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// The real fernzahl-cli with a FIFO in the place of each file it reads: every command ends, and
// one that falls back to the default settings says why.
TEST(FileKinds, CommandsNeverWaitOnAFifo) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"fernzahl.ini", {"settings", "list"}},
        {"fernzahl.ini", {"settings", "get", "Optionen", "Zaehler"}},
        {"fernzahl.ini", {"settings", "set", "Zähler", "AutoReset", "1"}},
        {"Fernzahl.ctr", {"counters"}},
        {"Fernzahl.log", {"log", "list"}},
        {"Fernzahl.tff", {"meter", "--seconds", "60"}},
        {"Fernzahl.ctr", {"meter", "--seconds", "60"}},
    };
    for (const auto& [name, words] : cases) {
        CTempDir home;
        ASSERT_EQ(mkfifo(home.File(name).c_str(), 0600), 0);
        std::vector<std::string> argv = {BinaryPath("fernzahl-cli"), "--data-dir", home.Path()};
        argv.insert(argv.end(), words.begin(), words.end());
        const ProcessResult result =
            RunProcess(argv, {.set = {{"FERNZAHL_HOME", home.Path()}}}, std::chrono::seconds(10));
        EXPECT_NE(result.exitCode, -1) << name << " " << words[0] << ": did not end";
        if (name == "fernzahl.ini") {
            EXPECT_NE(result.err.find(home.File(name) + " cannot be read (not a regular file); the defaults apply"),
                      std::string::npos)
                << result.err;
        }
        if (words.size() > 1 && words[1] == "set") {
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_NE(result.err.find("could not be written to " + home.File(name)), std::string::npos) << result.err;
        }
    }
}

// A settings file of a terabyte (sparse) is read up to the settings file's limit and no further:
// every settings command says why the defaults apply, and none writes over it.
TEST(FileKinds, CommandsReadASettingsFileOnlyUpToItsLimit) {
    CTempDir home;
    const std::string path = home.File("fernzahl.ini");
    WriteFile(path, "[Zähler]\nResetTag=15\n");
    std::filesystem::resize_file(path, uint64_t{1} << 40);
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"settings", "list"},
                                               {"settings", "get", "Zähler", "ResetTag"},
                                               {"settings", "set", "Zähler", "ResetTag", "3"}}) {
        std::vector<std::string> argv = {BinaryPath("fernzahl-cli"), "--data-dir", home.Path()};
        argv.insert(argv.end(), words.begin(), words.end());
        const ProcessResult result = RunProcess(argv, {}, std::chrono::seconds(10));
        EXPECT_NE(result.err.find(path + " cannot be read (larger than the limit of a settings file, 1048576 "
                                         "bytes); the defaults apply"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.exitCode, words[1] == "set" ? 1 : 0) << words[1];
        if (words[1] == "get") {
            EXPECT_EQ(result.out, "1\n") << "the default";
        }
    }
    EXPECT_EQ(std::filesystem::file_size(path), uint64_t{1} << 40);
}

} // namespace
