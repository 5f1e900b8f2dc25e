#include "cli/TariffCommand.h"

#include "CliFixture.h"
#include "core/FileLayer.h"
#include "support/EnvironmentGuard.h"
#include "support/FakeSystem.h"
#include "support/Process.h"

#include <memory>

namespace {

// The phonebook of a fake system: the peers "arcor" and "tonline", no NetworkManager.
struct TariffAssignTest : CliFixture {
    CFakeSystem system;
    std::vector<std::unique_ptr<CEnvironmentGuard>> environment;

    void SetUp() override {
        for (const auto& [name, value] : system.Environment()) {
            environment.push_back(std::make_unique<CEnvironmentGuard>(name.c_str(), value));
        }
        system.AddPeer("tonline", "");
        system.AddPeer("arcor", "");
        WriteFile(dir.File("Mobil.TFF"), "");
        WriteFile(dir.File("Fernzahl.tff"), "");
    }
    std::string Assigned(const std::string& entry) { return store.ReadSettingString("Zuordnung", entry, "(none)"); }
};

TEST_F(TariffAssignTest, AssignsATariffNamedInAnyCaseAsItsFileIsNamedAndUnassignsIt) {
    ASSERT_EQ(Run(RunTariffCommand, {"assign", "tonline", "mobil"}), 0) << err.str();
    EXPECT_EQ(Assigned("tonline"), "Mobil");
    EXPECT_EQ(out, "tonline: the tariff Mobil from its next connection\n");
    ASSERT_EQ(Run(RunTariffCommand, {"assign", "*", "MOBIL"}), 0) << "the modem line";
    EXPECT_EQ(Assigned("*"), "Mobil");
    ASSERT_EQ(Run(RunTariffCommand, {"unassign", "tonline"}), 0) << err.str();
    EXPECT_EQ(Assigned("tonline"), "*");
    EXPECT_EQ(out, "tonline: the default tariff Fernzahl from its next connection\n");
    EXPECT_EQ(Assigned("*"), "Mobil");
}

// A typo would otherwise be stored and the connection charged at the default rate without a word.
TEST_F(TariffAssignTest, ATypoInTheTariffOrTheEntryIsRefusedWithTheKnownOnesAndNothingIsWritten) {
    ASSERT_EQ(Run(RunTariffCommand, {"assign", "tonline", "Mobl"}), 2);
    EXPECT_NE(err.str().find("no tariff 'Mobl' in " + dir.Path() + "; the known ones: Fernzahl, Mobil;"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(Run(RunTariffCommand, {"assign", "tonlin", "Mobil"}), 2);
    EXPECT_NE(err.str().find("no dial-up entry 'tonlin'; the known ones: arcor, tonline ("), std::string::npos)
        << err.str();
    EXPECT_EQ(Run(RunTariffCommand, {"unassign", "tonlin"}), 2);
    EXPECT_EQ(Run(RunTariffCommand, {"assign", "tonline"}), 2);
    EXPECT_EQ(Run(RunTariffCommand, {"assign", "tonline", "Mobil", "arcor"}), 2);
    EXPECT_FALSE(store.OpenSettingsKey(false, "Zuordnung"));
    // A profile made later is taken when asked for.
    ASSERT_EQ(Run(RunTariffCommand, {"assign", "--force", "tonlin", "Mobil"}), 0) << err.str();
    EXPECT_EQ(Assigned("tonlin"), "Mobil");
    // One no longer in the phonebook that still holds an assignment can be given back.
    ASSERT_EQ(Run(RunTariffCommand, {"unassign", "tonlin"}), 0) << err.str();
    EXPECT_EQ(Assigned("tonlin"), "*");
}

TEST_F(TariffAssignTest, ASettingsFileThatCannotBeWrittenKeepsTheAssignmentAndFails) {
    ASSERT_EQ(Run(RunTariffCommand, {"assign", "tonline", "Mobil"}), 0);
    CFileLayer::FailOperation(1, ENOSPC);
    EXPECT_EQ(Run(RunTariffCommand, {"assign", "tonline", "Fernzahl"}), 1);
    CFileLayer::FailOperation(0);
    EXPECT_NE(err.str().find("could not be written; the assignment is as it was"), std::string::npos) << err.str();
    EXPECT_EQ(CIniSettingsStore(dir.File("fernzahl.ini"), dir.Path()).ReadSettingString("Zuordnung", "tonline", ""),
              "Mobil");
}

// What is stored is what the meter finds: the connection is charged by the assigned tariff's file.
TEST_F(TariffAssignTest, TheMeterChargesTheConnectionByTheAssignedTariff) {
    WriteFile(dir.File("fernzahl.ini"), "[Überwachung]\nDFÜNetzwerk=1\n");
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyUSB0");
    ProcessEnvironment env;
    env.set["FERNZAHL_HOME"] = dir.Path();
    const ProcessResult assign = RunProcess({BinaryPath("fernzahl-cli"), "tariff", "assign", "tonline", "mobil"}, env);
    ASSERT_EQ(assign.exitCode, 0) << assign.err;
    const ProcessResult watch = RunProcess({BinaryPath("fernzahl-cli"), "watch", "--once"}, env);
    EXPECT_NE(watch.out.find("\ttonline\tttyUSB0\t10\t" + dir.File("Mobil.TFF") + "\tMobil\n"), std::string::npos)
        << watch.out;
}

} // namespace
