#include "cli/SettingsCommand.h"

#include "cli/CommandUsage.h"

#include "CliFixture.h"
#include "support/Process.h"

#include <regex>

namespace {

struct SettingsCommandTest : CliFixture {
    int Run(const std::vector<std::string>& words) { return CliFixture::Run(RunSettingsCommand, words); }
};

TEST_F(SettingsCommandTest, SetStoresEachSettingInItsKind) {
    EXPECT_EQ(Run({"set", "Zähler", "ResetTag", "15"}), 0);
    EXPECT_EQ(Run({"set", "Timer", "Datei1", "15"}), 0);
    EXPECT_EQ(Run({"set", "--string", "Timer", "Datei2", "/tmp/ring.wav"}), 0);
    EXPECT_EQ(store.Read(Setting::kResetTag), 15u);
    EXPECT_EQ(*store.OpenSettingsKey(false, "Timer")->begin(),
              (std::pair<std::string, SettingValue>("Datei1", SettingValue::String("15"))));
    EXPECT_EQ(Run({"get", "Timer", "Datei2"}), 0);
    EXPECT_EQ(out, "/tmp/ring.wav\n");
}

TEST_F(SettingsCommandTest, SetRefusesWhatTheOptionsSheetRefusesAndWritesNothing) {
    EXPECT_EQ(Run({"set", "Zahler", "ResetTag", "3"}), 2);
    EXPECT_NE(err.str().find("no setting \"Zahler ResetTag\"; did you mean \"Zähler ResetTag\"?"), std::string::npos)
        << err.str();
    EXPECT_EQ(Run({"set", "Überwachung", "Vorlauf", "3"}), 2);
    EXPECT_NE(err.str().find("\"Überwachung Vorlaufzeit\""), std::string::npos);
    EXPECT_FALSE(FileExists(dir.File("fernzahl.ini")));

    const std::vector<std::vector<std::string>> accepted = {
        {"Zähler", "ResetTag", "31"},
        {"Überwachung", "Vorlaufzeit", "600"},
        {"Überwachung", "Port", "3"},
        {"Allgemein", "SplashScreen", "1"},
        {"Timer", "Datei1", "/home/u/B\xFCro/" + std::string(236, 'a')}};
    for (const auto& words : accepted) {
        EXPECT_EQ(Run({"set", words[0], words[1], words[2]}), 0) << words[1];
    }
    EXPECT_EQ(Run({"set", "Timer", "Datei1", std::string(250, 'a')}), 2);
    EXPECT_NE(err.str().find("\"Timer Datei1\" takes no more than 249 characters"), std::string::npos);
    const std::vector<std::vector<std::string>> refused = {
        {"Zähler", "ResetTag", "0"},  {"Zähler", "ResetTag", "32"},       {"Überwachung", "Vorlaufzeit", "601"},
        {"Überwachung", "Port", "4"}, {"Allgemein", "SplashScreen", "2"}, {"Zähler", "ResetTag", "zehn"},
        {"Zähler", "ResetTag", "-1"}};
    for (const auto& words : refused) {
        EXPECT_EQ(Run({"set", words[0], words[1], words[2]}), 2) << words[1] << " " << words[2];
    }
    EXPECT_NE(err.str().find("\"Zähler ResetTag\" takes a whole number from 1 to 31"), std::string::npos);
    EXPECT_EQ(store.Read(Setting::kResetTag), 31u);
    EXPECT_EQ(store.Read(Setting::kVorlaufzeit), 600u);
    EXPECT_EQ(store.Read(Setting::kPort), 3u);
    EXPECT_EQ(store.Read(Setting::kSplashScreen), 1u);
    EXPECT_EQ(store.Read(Setting::kDatei1), "/home/u/B\xFCro/" + std::string(236, 'a'));
}

TEST_F(SettingsCommandTest, ForceWritesAnyNameAndValue) {
    EXPECT_EQ(Run({"set", "--force", "Zähler", "ResetTag", "99"}), 0);
    EXPECT_EQ(Run({"set", "--force", "--string", "Test", "Wert", "5"}), 0);
    EXPECT_EQ(store.Read(Setting::kResetTag), 99u);
    EXPECT_EQ(store.ReadSettingString("Test", "Wert", ""), "5");
}

TEST_F(SettingsCommandTest, GetFallsBackToTheDefaultAndRefusesAnUnknownNameAsSetDoes) {
    EXPECT_EQ(Run({"get", "Überwachung", "Vorlaufzeit"}), 0);
    EXPECT_EQ(out, "10\n");
    EXPECT_EQ(Run({"get", "Zähler", "Resettag"}), 2);
    EXPECT_NE(err.str().find("did you mean \"Zähler ResetTag\"?"), std::string::npos) << err.str();
    const std::string said = err.str();
    EXPECT_EQ(Run({"set", "Zähler", "Resettag", "15"}), 2);
    EXPECT_EQ(err.str(), said);
    EXPECT_FALSE(FileExists(dir.File("fernzahl.ini")));
}

// A number written by hand as a text is shown as the program reads it: the number, or the default
// with the reason.
TEST_F(SettingsCommandTest, GetShowsAHandWrittenNumberAsTheProgramReadsIt) {
    WriteFile(dir.File("fernzahl.ini"), "[Zähler]\nResetTag=15 ; day\n[Überwachung]\nVorlaufzeit=\"20\"\n");
    EXPECT_EQ(Run({"get", "Zähler", "ResetTag"}), 0);
    EXPECT_EQ(out, "1\n");
    EXPECT_EQ(store.Read(Setting::kResetTag), 1u);
    EXPECT_NE(err.str().find("ResetTag=\"15 ; day\" in the settings file is no number"), std::string::npos)
        << err.str();
    EXPECT_EQ(Run({"get", "Überwachung", "Vorlaufzeit"}), 0);
    EXPECT_EQ(out, "20\n");
    EXPECT_EQ(store.Read(Setting::kVorlaufzeit), 20u);
}

TEST_F(SettingsCommandTest, ListShowsStoredValuesAndTheRemainingDefaults) {
    Run({"set", "Allgemein", "SplashScreen", "0"});
    EXPECT_EQ(Run({"list"}), 0);
    const std::string text = out;
    const size_t defaults = text.find("; defaults");
    ASSERT_NE(defaults, std::string::npos);
    EXPECT_LT(text.find("SplashScreen=0"), defaults);
    EXPECT_EQ(text.find("SplashScreen=1"), std::string::npos);
    const size_t leadTime = text.find("Vorlaufzeit=10");
    ASSERT_NE(leadTime, std::string::npos) << text;
    EXPECT_GT(leadTime, defaults);
}

TEST_F(SettingsCommandTest, WrongWordsGiveUsage) {
    EXPECT_EQ(Run({"set", "--bogus", "Timer", "Zeit", "3"}), 2);
    EXPECT_EQ(Run({"set", "Timer", "Zeit"}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_NE(err.str().find("Usage:\nfernzahl-cli settings get SECTION NAME\n"), std::string::npos) << err.str();
    EXPECT_FALSE(FileExists(dir.File("fernzahl.ini")));
}

TEST(CliProgram, AnswersHelpVersionAndBadCalls) {
    const std::string cli = BinaryPath("fernzahl-cli");
    ProcessResult result = RunProcess({cli, "--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("fernzahl-cli ", 0), 0u);
    result = RunProcess({cli, "--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("2  wrong use"), std::string::npos);
    for (const char* command : {"log", "tariff", "counters", "rate", "meter", "watch", "phonebook", "settings"}) {
        result = RunProcess({cli, command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_EQ(result.out.find("Usage:\nfernzahl-cli " + std::string(command)), 0u) << result.out;
    }
    EXPECT_EQ(RunProcess({cli, "settings", "set", "--help"}).out, RunProcess({cli, "settings", "--help"}).out);
    EXPECT_EQ(RunProcess({cli, "--data-dir"}).exitCode, 2);
    EXPECT_EQ(RunProcess({cli, "nonsense"}).exitCode, 2);
    EXPECT_EQ(RunProcess({cli, "nonsense", "--help"}).exitCode, 2);
}

// Output that cannot be written is a failure, never a success.
TEST(CliProgram, OutputIntoAFullDeviceFails) {
    CTempDir dir;
    const std::string cli = BinaryPath("fernzahl-cli");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--help"}, {"settings", "list"}, {"meter", "--seconds", "60"}, {"budget"}}) {
        std::vector<std::string> argv = {cli, "--data-dir", dir.Path()};
        argv.insert(argv.end(), words.begin(), words.end());
        CChildProcess program(argv, {}, "/dev/full");
        EXPECT_EQ(program.Wait(std::chrono::seconds(30)), 1) << words[0];
    }
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

// The manual pages name every command and option the usage texts name, and every variable of README's table.
TEST(CliProgram, ManPagesNameEveryCommandOptionAndVariable) {
    const auto page = [](const std::string& name) {
        return std::regex_replace(ReadFile(FERNZAHL_SOURCE_DIR "/docs/man/" + name), std::regex(R"(\\-)"), "-");
    };
    const std::string cliPage = page("fernzahl-cli.1");
    const std::string usage = ProgramUsage();
    const std::regex word(R"((--[a-z][a-z-]*)|^fernzahl-cli ([a-z]+(?: [a-z]+)?))", std::regex::multiline);
    int count = 0;
    for (std::sregex_iterator it(usage.begin(), usage.end(), word), end; it != end; ++it, ++count) {
        const std::string name = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
        EXPECT_NE(cliPage.find(name), std::string::npos) << name;
    }
    EXPECT_GT(count, 20);
    const std::string readme = ReadFile(FERNZAHL_SOURCE_DIR "/README.md");
    const std::regex variable(R"(\| `([A-Z_]+)(?:=[a-z0-9]+)?` \|)");
    count = 0;
    for (std::sregex_iterator it(readme.begin(), readme.end(), variable), end; it != end; ++it, ++count) {
        EXPECT_NE(page("fernzahl.1").find((*it)[1].str()), std::string::npos) << (*it)[1];
    }
    EXPECT_EQ(count, 11);
}

} // namespace
