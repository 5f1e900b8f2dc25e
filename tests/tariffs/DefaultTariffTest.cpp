#include "tariffs/DefaultTariff.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

TEST(DefaultTariff, NothingDeliveredTouchesNothing) {
    CTempDir dir;
    WriteFile(dir.File("Fernzahl.tff"), "old");
    EXPECT_EQ(InstallDeliveredDefaultTariff(dir.Path()), DefaultTariffInstall::NoneDelivered);
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.tff")), "old");
}

TEST(DefaultTariff, DeliveredFileReplacesAReadOnlyDefaultTariffOnce) {
    CTempDir dir;
    WriteFile(dir.File("Fernzahl.tff"), "old");
    chmod(dir.File("Fernzahl.tff").c_str(), 0444);
    WriteFile(dir.File("NewDefaultTariff.dll"), "new");
    chmod(dir.File("NewDefaultTariff.dll").c_str(), 0444);
    EXPECT_EQ(InstallDeliveredDefaultTariff(dir.Path()), DefaultTariffInstall::Installed);
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.tff")), "new");
    EXPECT_FALSE(FileExists(dir.File("NewDefaultTariff.dll")));
    struct stat info {};
    stat(dir.File("Fernzahl.tff").c_str(), &info);
    EXPECT_TRUE(info.st_mode & S_IWUSR);
    EXPECT_EQ(InstallDeliveredDefaultTariff(dir.Path()), DefaultTariffInstall::NoneDelivered);
}

TEST(DefaultTariff, NamesMatchWithoutRegardToCase) {
    CTempDir dir;
    WriteFile(dir.File("FERNZAHL.TFF"), "old");
    WriteFile(dir.File("newdefaulttariff.DLL"), "new");
    EXPECT_EQ(InstallDeliveredDefaultTariff(dir.Path()), DefaultTariffInstall::Installed);
    EXPECT_EQ(ReadFile(dir.File("FERNZAHL.TFF")), "new");
    EXPECT_FALSE(FileExists(dir.File("Fernzahl.tff")));
}

TEST(DefaultTariff, FailedReplacementLeavesTheOldTariffAndTheDelivery) {
    CTempDir dir;
    // A directory in the way makes the rename fail, as a full or read-only disk would.
    std::filesystem::create_directory(dir.File("Fernzahl.tff"));
    WriteFile(dir.File("Fernzahl.tff/zones"), "old");
    WriteFile(dir.File("NewDefaultTariff.dll"), "new");
    EXPECT_EQ(InstallDeliveredDefaultTariff(dir.Path()), DefaultTariffInstall::Failed);
    EXPECT_EQ(ReadFile(dir.File("Fernzahl.tff/zones")), "old");
    EXPECT_EQ(ReadFile(dir.File("NewDefaultTariff.dll")), "new");
}

} // namespace
