#include "platform/ExampleTariff.h"
#include "core/FileDescriptor.h"
#include "core/FileLayer.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct ExampleTariffTest : ::testing::Test {
    CTempDir installed;
    CTempDir data;
    std::string example = installed.File("Fernzahl-example.tff");

    void SetUp() override { WriteFile(example, "example"); }
    std::vector<std::string> DataFiles() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(data.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
};

TEST_F(ExampleTariffTest, DirectoryWithoutDefaultTariffGetsTheExampleOnce) {
    EXPECT_EQ(InstallExampleTariff(data.Path(), example), ExampleTariffInstall::Installed);
    EXPECT_EQ(ReadFile(data.File("Fernzahl.tff")), "example");
    EXPECT_EQ(DataFiles(), std::vector<std::string>{"Fernzahl.tff"}); // no temporary file left behind
    struct stat info {};
    stat(data.File("Fernzahl.tff").c_str(), &info);
    EXPECT_TRUE(info.st_mode & S_IWUSR); // the tariff editor can save it
    WriteFile(data.File("Fernzahl.tff"), "edited");
    EXPECT_EQ(InstallExampleTariff(data.Path(), example), ExampleTariffInstall::AlreadyPresent);
    EXPECT_EQ(ReadFile(data.File("Fernzahl.tff")), "edited");
}

TEST_F(ExampleTariffTest, DefaultTariffUnderAnotherSpellingIsLeftAlone) {
    WriteFile(data.File("FERNZAHL.TFF"), "mine");
    EXPECT_EQ(InstallExampleTariff(data.Path(), example), ExampleTariffInstall::AlreadyPresent);
    EXPECT_EQ(DataFiles(), std::vector<std::string>{"FERNZAHL.TFF"});
    EXPECT_EQ(ReadFile(data.File("FERNZAHL.TFF")), "mine");
}

TEST_F(ExampleTariffTest, MissingExampleOrDirectoryWritesNothing) {
    EXPECT_EQ(InstallExampleTariff(data.Path(), ""), ExampleTariffInstall::NotShipped);
    EXPECT_EQ(InstallExampleTariff(data.Path(), installed.File("gone.tff")), ExampleTariffInstall::Failed);
    EXPECT_TRUE(DataFiles().empty());
    EXPECT_EQ(InstallExampleTariff(data.File("missing/"), example), ExampleTariffInstall::Failed);
}

// What keeps a default tariff made between the look and the copy.
TEST_F(ExampleTariffTest, CreatingAFileAtomicallyNeverReplacesOne) {
    WriteFile(data.File("Fernzahl.tff"), "mine");
    EXPECT_FALSE(CFileLayer::Create(data.File("Fernzahl.tff"), "example"));
    EXPECT_EQ(DataFiles(), std::vector<std::string>{"Fernzahl.tff"});
    EXPECT_EQ(ReadFile(data.File("Fernzahl.tff")), "mine");
}

} // namespace
