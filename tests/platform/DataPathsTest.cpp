#include "platform/DataPaths.h"

#include "core/FileLayer.h"
#include "platform/UserName.h"
#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

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

// Without HOME (a service, cron, "env -i") the folders are below the home folder the password
// database names, never below the root; a relative HOME counts as none.
TEST_F(DataPathsTest, WithoutHomeTheFoldersAreBelowThePasswordDatabasesHome) {
    const std::string passwordHome = GetHomeFromPasswordDatabase();
    ASSERT_EQ(passwordHome.rfind('/', 0), 0u) << "this user has no home folder in the password database";
    fernzahlHome.Set(std::nullopt);
    data.Set(std::nullopt);
    config.Set(std::nullopt);
    for (const std::optional<std::string>& value :
         {std::optional<std::string>(), std::optional<std::string>(""), std::optional<std::string>("relative")}) {
        home.Set(value);
        const DataPaths paths = DataPaths::Resolve("");
        EXPECT_EQ(paths.problem, "");
        EXPECT_EQ(paths.dataDirectory, passwordHome + "/.local/share/fernzahl/");
        EXPECT_EQ(paths.settingsFile, passwordHome + "/.config/fernzahl/fernzahl.ini");
    }
}

// Before the meter says it meters: a scratch file made and removed through the file layer. An
// operation failing is the folder's problem, named, unless the layer has another way (a rename
// where a link fails); none leaves a scratch file behind.
TEST_F(DataPathsTest, AFolderIsWritableOnlyWhenAFileCanBeMadeAndRemovedInIt) {
    CTempDir dir;
    EXPECT_EQ(DataPaths::CheckWritable(dir.Path()), std::nullopt);
    std::vector<unsigned> refusedAt;
    for (unsigned failing = 1;; ++failing) {
        CFileLayer::FailOperation(failing, EROFS);
        const std::optional<std::string> problem = DataPaths::CheckWritable(dir.Path());
        const unsigned counted = CFileLayer::CountOperations();
        CFileLayer::FailOperation(0);
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << "operation " << failing;
        if (failing > counted) {
            EXPECT_EQ(problem, std::nullopt);
            break;
        }
        if (problem) {
            EXPECT_EQ(*problem, std::strerror(EROFS));
            refusedAt.push_back(failing);
        }
    }
    ASSERT_GE(refusedAt.size(), 3u) << "a write, a flush and the removal at least";
    EXPECT_EQ(refusedAt.front(), 1u) << "the first write";
    EXPECT_TRUE(DataPaths::CheckWritable(dir.File("missing/")).has_value());
}

} // namespace
