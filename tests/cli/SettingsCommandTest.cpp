#include "cli/SettingsCommand.h"

#include "CliFixture.h"
#include "support/Process.h"

namespace {

struct SettingsCommandTest : CliFixture {
    int Run(const std::vector<std::string>& words) { return CliFixture::Run(RunSettingsCommand, words); }
};

TEST_F(SettingsCommandTest, SetStoresNumbersAsNumbersUnlessToldOtherwise) {
    EXPECT_EQ(Run({"set", "Zähler", "ResetTag", "15"}), 0);
    EXPECT_EQ(Run({"set", "--string", "Timer", "Datei1", "15"}), 0);
    EXPECT_EQ(Run({"set", "Timer", "Datei2", "/tmp/ring.wav"}), 0);
    EXPECT_EQ(store.Read(Setting::kResetTag), 15u);
    EXPECT_EQ(*store.OpenSettingsKey(false, "Timer")->begin(),
              (std::pair<std::string, SettingValue>("Datei1", SettingValue::String("15"))));
    EXPECT_EQ(Run({"get", "Timer", "Datei2"}), 0);
    EXPECT_EQ(out, "/tmp/ring.wav\n");
}

TEST_F(SettingsCommandTest, GetFallsBackToTheDefaultAndFailsForUnknownValues) {
    EXPECT_EQ(Run({"get", "Überwachung", "Vorlaufzeit"}), 0);
    EXPECT_EQ(out, "10\n");
    EXPECT_EQ(Run({"get", "Überwachung", "Nonsense"}), 1);
    EXPECT_NE(err.str().find("Nonsense"), std::string::npos);
    EXPECT_FALSE(FileExists(dir.File("fernzahl.ini")));
}

TEST_F(SettingsCommandTest, ListShowsStoredValuesAndTheRemainingDefaults) {
    Run({"set", "Allgemein", "SplashScreen", "0"});
    EXPECT_EQ(Run({"list"}), 0);
    const std::string text = out;
    const size_t defaults = text.find("; defaults");
    ASSERT_NE(defaults, std::string::npos);
    EXPECT_LT(text.find("SplashScreen=0"), defaults);
    EXPECT_EQ(text.find("SplashScreen=1"), std::string::npos);
    EXPECT_GT(text.find("Vorlaufzeit=10"), defaults);
}

TEST_F(SettingsCommandTest, WrongWordsGiveUsage) {
    EXPECT_EQ(Run({"set", "Timer", "Zeit"}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_NE(err.str().find("usage"), std::string::npos);
}

TEST(CliProgram, AnswersHelpVersionAndBadCalls) {
    const std::string cli = BinaryPath("fernzahl-cli");
    ProcessResult result = RunProcess({cli, "--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("fernzahl-cli ", 0), 0u);
    result = RunProcess({cli, "--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("settings get"), std::string::npos);
    EXPECT_EQ(RunProcess({cli, "--data-dir"}).exitCode, 2);
    EXPECT_EQ(RunProcess({cli, "nonsense"}).exitCode, 2);
}

TEST(CliProgram, DataDirOptionAndEnvironmentNameTheSameStore) {
    CTempDir dir;
    const std::string cli = BinaryPath("fernzahl-cli");
    EXPECT_EQ(RunProcess({cli, "--data-dir", dir.Path(), "settings", "set", "Timer", "Zeit", "7"}).exitCode, 0);
    const ProcessResult result =
        RunProcess({cli, "settings", "get", "Timer", "Zeit"}, {.set = {{"FERNZAHL_HOME", dir.Path()}}});
    EXPECT_EQ(result.out, "7\n");
    EXPECT_TRUE(FileExists(dir.File("fernzahl.ini")));
}

} // namespace
