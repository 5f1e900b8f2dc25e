#include "platform/DataPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name) : m_name(name) {
        if (const char* value = std::getenv(name)) {
            m_saved = value;
            m_had = true;
        }
    }
    ~EnvironmentGuard() { m_had ? setenv(m_name, m_saved.c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    std::string m_saved;
    bool m_had = false;
};

struct DataPathsTest : ::testing::Test {
    EnvironmentGuard home{"HOME"}, fernzahlHome{"FERNZAHL_HOME"}, data{"XDG_DATA_HOME"}, config{"XDG_CONFIG_HOME"};
};

TEST_F(DataPathsTest, DataDirOptionWinsAndHoldsTheSettingsToo) {
    setenv("FERNZAHL_HOME", "/srv/other", 1);
    const DataPaths paths = DataPaths::Resolve("/srv/fz/");
    EXPECT_EQ(paths.dataDirectory, "/srv/fz/");
    EXPECT_EQ(paths.settingsFile, "/srv/fz/fernzahl.ini");
}

TEST_F(DataPathsTest, FernzahlHomeHoldsAWholeInstallation) {
    setenv("FERNZAHL_HOME", "/srv/fz/./sub/..", 1);
    const DataPaths paths = DataPaths::Resolve("");
    EXPECT_EQ(paths.dataDirectory, "/srv/fz/");
    EXPECT_EQ(paths.settingsFile, "/srv/fz/fernzahl.ini");
}

TEST_F(DataPathsTest, RelativeDirectoryBecomesAbsolute) {
    const DataPaths paths = DataPaths::Resolve("rel");
    EXPECT_EQ(paths.dataDirectory, (std::filesystem::current_path() / "rel").string() + "/");
}

TEST_F(DataPathsTest, XdgDirectoriesByDefault) {
    unsetenv("FERNZAHL_HOME");
    setenv("HOME", "/home/u", 1);
    unsetenv("XDG_DATA_HOME");
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    DataPaths paths = DataPaths::Resolve("");
    EXPECT_EQ(paths.dataDirectory, "/home/u/.local/share/fernzahl/");
    EXPECT_EQ(paths.settingsFile, "/home/u/.config/fernzahl/fernzahl.ini");
    setenv("XDG_DATA_HOME", "/d", 1);
    setenv("XDG_CONFIG_HOME", "/c", 1);
    paths = DataPaths::Resolve("");
    EXPECT_EQ(paths.dataDirectory, "/d/fernzahl/");
    EXPECT_EQ(paths.settingsFile, "/c/fernzahl/fernzahl.ini");
}

} // namespace
