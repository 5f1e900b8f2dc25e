#include "platform/DataPaths.h"

#include "support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct DataPathsTest : ::testing::Test {
    CEnvironmentGuard home{"HOME"}, fernzahlHome{"FERNZAHL_HOME"}, data{"XDG_DATA_HOME"}, config{"XDG_CONFIG_HOME"};
};

TEST_F(DataPathsTest, DataDirOptionWinsAndHoldsTheSettingsToo) {
    fernzahlHome.Set("/srv/other");
    const DataPaths paths = DataPaths::Resolve("/srv/fz/");
    EXPECT_EQ(paths.dataDirectory, "/srv/fz/");
    EXPECT_EQ(paths.settingsFile, "/srv/fz/fernzahl.ini");
}

TEST_F(DataPathsTest, FernzahlHomeHoldsAWholeInstallation) {
    fernzahlHome.Set("/srv/fz/./sub/..");
    const DataPaths paths = DataPaths::Resolve("");
    EXPECT_EQ(paths.dataDirectory, "/srv/fz/");
    EXPECT_EQ(paths.settingsFile, "/srv/fz/fernzahl.ini");
}

TEST_F(DataPathsTest, RelativeDirectoryBecomesAbsolute) {
    const DataPaths paths = DataPaths::Resolve("rel");
    EXPECT_EQ(paths.dataDirectory, (std::filesystem::current_path() / "rel").string() + "/");
}

TEST_F(DataPathsTest, XdgDirectoriesByDefault) {
    fernzahlHome.Set(std::nullopt);
    home.Set("/home/u");
    data.Set(std::nullopt);
    config.Set("relative/ignored");
    DataPaths paths = DataPaths::Resolve("");
    EXPECT_EQ(paths.dataDirectory, "/home/u/.local/share/fernzahl/");
    EXPECT_EQ(paths.settingsFile, "/home/u/.config/fernzahl/fernzahl.ini");
    data.Set("/d");
    config.Set("/c");
    paths = DataPaths::Resolve("");
    EXPECT_EQ(paths.dataDirectory, "/d/fernzahl/");
    EXPECT_EQ(paths.settingsFile, "/c/fernzahl/fernzahl.ini");
}

} // namespace
