#include "core/LanguageChoice.h"
#include "core/ResourceIds.h"
#include "core/SimulatedClock.h"
#include "platform/DataPaths.h"
#include "platform/ResourceLibrary.h"
#include "platform/SingleInstance.h"
#include "tariffs/InitialPeriodSource.h"
#include "tariffs/Tarif.h"

#include "support/EnvironmentGuard.h"
#include "support/LogBuilder.h"
#include "support/PrivateSessionBus.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Each test starts the real program offscreen in an installation of its own.
struct StartupTest : ::testing::Test {
    CTempDir home;
    CTempDir runtime;

    ProcessEnvironment Environment() const {
        return {.set = {{"FERNZAHL_HOME", home.Path()},
                        {"XDG_RUNTIME_DIR", runtime.Path()},
                        {"FERNZAHL_NONINTERACTIVE", "1"},
                        {"FERNZAHL_NM_BUS", "none"},
                        {"QT_QPA_PLATFORM", "offscreen"},
                        // The messages these tests read are English, whatever the tester's desktop speaks.
                        {"LANGUAGE", "en"}}};
    }
    // Starts the program, waits until it has said the text on stderr, and ends it as the session would.
    std::string RunUntilItSays(const std::string& text) { return RunUntilItSays(text, Environment()); }
    std::string RunUntilItSays(const std::string& text, const ProcessEnvironment& env) {
        const std::string output = runtime.File("fernzahl.err");
        CChildProcess program({BinaryPath("fernzahl")}, env, output);
        for (int i = 0; i < 1000 && ReadFile(output).find(text) == std::string::npos; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        program.Signal(SIGTERM);
        EXPECT_EQ(program.Wait(std::chrono::seconds(10)), 0);
        return ReadFile(output);
    }
    void DisableSplash() const { WriteFile(home.File("fernzahl.ini"), "[Allgemein]\nSplashScreen=0\n"); }

    bool IsLockHeld() const {
        const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.Path());
        const std::string path = CSingleInstance::LockFilePath(DataPaths::Resolve(home.Path()).dataDirectory);
        CFileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
        return fd.IsOpen() && flock(fd.Get(), LOCK_EX | LOCK_NB) != 0;
    }
};

TEST_F(StartupTest, MissingResourceLibraryStopsWithItsMessageAndTouchesNothing) {
    CTempDir programDir;
    fs::copy_file(BinaryPath("fernzahl"), programDir.File("fernzahl"));
    fs::permissions(programDir.File("fernzahl"), fs::perms::owner_exec, fs::perm_options::add);
    const std::string installation = home.File("never-created");
    ProcessEnvironment env = Environment();
    env.set["FERNZAHL_HOME"] = installation;
    const ProcessResult result = RunProcess({programDir.File("fernzahl")}, env);
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("Fernzahl.dll not found"), std::string::npos) << result.err;
    EXPECT_FALSE(FileExists(installation));
}

TEST_F(StartupTest, StrayArgumentIsRefusedAndTouchesNothing) {
    const std::string installation = home.File("never-created");
    ProcessEnvironment env = Environment();
    env.set["FERNZAHL_HOME"] = installation;
    const ProcessResult result = RunProcess({BinaryPath("fernzahl"), "stray-argument"}, env, std::chrono::seconds(20));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("unknown argument 'stray-argument'"), std::string::npos) << result.err;
    EXPECT_FALSE(FileExists(installation));
}

// --help speaks the language the window would, also while another instance holds the folder, and
// writes nothing: a German desktop, then English chosen on it, then a wrong option.
TEST_F(StartupTest, HelpSpeaksTheWindowsLanguageAndTouchesNothing) {
    const std::string installation = home.File("never-created");
    ProcessEnvironment german = Environment();
    german.set["FERNZAHL_HOME"] = installation;
    german.set["LANGUAGE"] = "de";
    const ProcessResult helped = RunProcess({BinaryPath("fernzahl"), "--help"}, german, std::chrono::seconds(20));
    EXPECT_EQ(helped.exitCode, 0) << helped.err;
    EXPECT_NE(helped.out.find("Zählt die Telefongebühren von DFÜ-Verbindungen."), std::string::npos) << helped.out;
    EXPECT_NE(helped.out.find("--data-dir <Ordner>"), std::string::npos) << helped.out;
    EXPECT_FALSE(FileExists(installation));
    german.set["FERNZAHL_HOME"] = home.Path();
    WriteFile(home.File("fernzahl.ini"), "[Allgemein]\nSprache=1\n");
    const ProcessResult english = RunProcess({BinaryPath("fernzahl"), "-h"}, german, std::chrono::seconds(20));
    EXPECT_NE(english.out.find("Meters the telephone charges of dial-up connections."), std::string::npos)
        << english.out;
    const ProcessResult wrong = RunProcess({BinaryPath("fernzahl"), "--no-such"}, german, std::chrono::seconds(20));
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("no-such"), std::string::npos) << wrong.err;
}

// Over SSH, in a terminal without a display, the first thing typed works: the help and the version
// are answered without the window system.
TEST_F(StartupTest, HelpAndVersionNeedNoDisplay) {
    ProcessEnvironment terminal = Environment();
    terminal.set.erase("QT_QPA_PLATFORM");
    terminal.unset = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    const ProcessResult helped = RunProcess({BinaryPath("fernzahl"), "--help"}, terminal, std::chrono::seconds(20));
    EXPECT_EQ(helped.exitCode, 0) << helped.err;
    EXPECT_NE(helped.out.find("--data-dir <dir>"), std::string::npos) << helped.out;
    const ProcessResult version = RunProcess({BinaryPath("fernzahl"), "--version"}, terminal, std::chrono::seconds(20));
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out.rfind("fernzahl ", 0), 0u) << version.out;
}

// The second start asks the first to come up (a signal the first must take, not die of) and ends.
// Without a session bus the second start can only signal; the first, on a bus of the test's own,
// answers there once its window is up, which proves that it took the signal and runs on.
TEST_F(StartupTest, SecondStartEndsSilentlyAndTheFirstRunsOn) {
    CPrivateSessionBus bus;
    ProcessEnvironment onTheBus = Environment();
    bus.AddTo(onTheBus);
    CChildProcess first({BinaryPath("fernzahl")}, onTheBus); // held up by the splash picture
    ASSERT_TRUE(PollUntil([&] { return IsLockHeld(); }));
    ProcessEnvironment withoutBus = Environment();
    withoutBus.set["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + runtime.File("no-bus");
    const ProcessResult second = RunProcess({BinaryPath("fernzahl")}, withoutBus, std::chrono::seconds(10));
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.err.find("fernzahl:"), std::string::npos) << second.err;
    EXPECT_TRUE(Eventually([&] {
        return bus.Gdbus({"call", "--session", "--dest", "org.fernzahl.Fernzahl", "--object-path",
                          "/org/fernzahl/Meter", "--method", "org.freedesktop.DBus.Properties.Get",
                          "org.fernzahl.Meter1", "Connected"})
                   .out.find("false") != std::string::npos;
    }));
    EXPECT_TRUE(first.IsRunning());
    first.Signal(SIGTERM);
    EXPECT_EQ(first.Wait(std::chrono::seconds(20)), 0);
}

// Without a session bus, and with a holder that the signal would not reach or would end, a second
// start names the holder and what to do, and ends with 1; the holder runs on.
TEST_F(StartupTest, SecondStartThatCannotReachTheHolderSaysWhoHoldsTheFolder) {
    ProcessEnvironment env = Environment();
    env.set["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + runtime.File("no-bus");
    const auto secondStartSays = [&](CChildProcess& holder, const std::string& expected) {
        const ProcessResult second = RunProcess({BinaryPath("fernzahl")}, env, std::chrono::seconds(20));
        EXPECT_EQ(second.exitCode, 1) << second.err;
        EXPECT_NE(second.err.find(expected), std::string::npos) << second.err;
        EXPECT_TRUE(holder.IsRunning());
        holder.Signal(SIGTERM);
        holder.Signal(SIGCONT);
        holder.Wait(std::chrono::seconds(20));
    };
    {
        CChildProcess simulation(
            {BinaryPath("fernzahl-cli"), "meter", "--data-dir", home.Path(), "--seconds", "4294967"}, env, "/dev/null");
        ASSERT_TRUE(PollUntil([&] { return IsLockHeld(); }));
        simulation.Signal(SIGSTOP); // the longest simulation is over in a second; stopped, it keeps the folder
        secondStartSays(simulation, "fernzahl-cli is adding a simulated connection");
    }
    {
        // An update replaced the program file of the running one.
        CTempDir old;
        fs::copy_file(BinaryPath("fernzahl"), old.File("fernzahl"));
        fs::copy_file(BinaryPath("Fernzahl.dll"), old.File("Fernzahl.dll"));
        fs::permissions(old.File("fernzahl"), fs::perms::owner_exec, fs::perm_options::add);
        CChildProcess replaced({old.File("fernzahl")}, env, "/dev/null");
        ASSERT_TRUE(PollUntil([&] { return IsLockHeld(); }));
        fs::remove(old.File("fernzahl"));
        secondStartSays(replaced, old.File("fernzahl") + " (deleted), process ");
    }
    {
        // Another program holds the folder's lock file; the pid in it is long gone.
        WriteFile(home.File("fernzahl.lock"), "999999999 window\n");
        CChildProcess other({"/usr/bin/flock", "--no-fork", home.File("fernzahl.lock"), "/usr/bin/sleep", "60"}, env,
                            "/dev/null");
        ASSERT_TRUE(PollUntil([&] {
            const CFileDescriptor probe(open(home.File("fernzahl.lock").c_str(), O_RDONLY | O_CLOEXEC));
            return flock(probe.Get(), LOCK_EX | LOCK_NB) != 0;
        }));
        secondStartSays(other, "is in use: /usr/bin/sleep (process ");
    }
    {
        // A lock file that cannot be taken (here a pipe) may be another meter's: none starts beside it,
        // whatever runtime directory it has.
        fs::remove(home.File("fernzahl.lock"));
        ASSERT_EQ(mkfifo(home.File("fernzahl.lock").c_str(), 0600), 0);
        for (const std::string& program : {BinaryPath("fernzahl"), BinaryPath("fernzahl-cli")}) {
            const std::vector<std::string> argv = program == BinaryPath("fernzahl")
                                                      ? std::vector<std::string>{program}
                                                      : std::vector<std::string>{program, "run"};
            const ProcessResult refused = RunProcess(argv, env, std::chrono::seconds(20));
            // run's own code for a folder held: its service is not restarted against it.
            EXPECT_EQ(refused.exitCode, program == BinaryPath("fernzahl") ? 1 : 4) << program << ": " << refused.err;
            EXPECT_NE(refused.err.find(home.File("fernzahl.lock")), std::string::npos) << refused.err;
        }
    }
}

// Folder names are bytes: a program in a folder named in Latin-1 ("B\xFCro") finds its resource
// library and example tariff beside it, and --data-dir names a folder of such a name as it is.
TEST_F(StartupTest, FoldersNamedInAnotherEncodingAreUsedByTheirBytes) {
    const std::string program = home.File("B\xFCro");
    const std::string data = home.File("D\xFCten");
    fs::create_directories(program);
    fs::create_directories(data);
    for (const char* file : {"fernzahl", "Fernzahl.dll", "Fernzahl-example.tff"}) {
        fs::copy_file(BinaryPath(file), program + "/" + file);
    }
    WriteFile(data + "/fernzahl.ini", "[Allgemein]\nSplashScreen=0\n");
    const std::string output = runtime.File("fernzahl.err");
    CChildProcess fernzahl({program + "/fernzahl", "--data-dir", data}, Environment(), output);
    ASSERT_TRUE(PollUntil([&] { return FileExists(data + "/Fernzahl.tff") || !fernzahl.IsRunning(); }))
        << ReadFile(output);
    fernzahl.Signal(SIGTERM);
    EXPECT_EQ(fernzahl.Wait(std::chrono::seconds(20)), 0) << ReadFile(output);
    EXPECT_EQ(ReadFile(data + "/Fernzahl.tff"), ReadFile(BinaryPath("Fernzahl-example.tff")));
    EXPECT_EQ(std::distance(fs::directory_iterator(home.Path()), {}), 2) << "no folder of another name";
}

// A data folder that is a symbolic link to itself can hold no file: every program that would
// write there says so and ends with 1, instead of metering what it cannot keep.
TEST_F(StartupTest, DataFolderInASymbolicLinkLoopIsRefusedWithTheReason) {
    const std::string loop = home.File("loop");
    fs::create_symlink(loop, loop);
    ProcessEnvironment env = Environment();
    env.set["FERNZAHL_HOME"] = loop;
    for (const std::vector<std::string>& argv :
         {std::vector<std::string>{BinaryPath("fernzahl")},
          {BinaryPath("fernzahl-cli"), "run"},
          {BinaryPath("fernzahl-cli"), "meter", "--data-dir", loop, "--seconds", "60"}}) {
        const ProcessResult result = RunProcess(argv, env, std::chrono::seconds(20));
        EXPECT_EQ(result.exitCode, 1) << argv.back() << ": " << result.err;
        EXPECT_NE(result.err.find("Too many levels of symbolic links"), std::string::npos) << result.err;
    }
}

TEST_F(StartupTest, DamagedSettingsFileIsKeptAsideWithAMessageAndTheDefaultsApply) {
    WriteFile(home.File("fernzahl.ini"), "[Allgemein]\nSplashScreen=0\n\xFF\xFE garbage\n");
    const std::string said = RunUntilItSays("is damaged");
    EXPECT_NE(said.find("line 3 cannot be read"), std::string::npos) << said;
    EXPECT_EQ(ReadFile(home.File("fernzahl.ini.damaged")), "[Allgemein]\nSplashScreen=0\n\xFF\xFE garbage\n");
}

// A pipe in the settings file's place is never waited on: the window says so and goes on with the
// defaults, and the pipe is neither replaced nor set aside.
TEST_F(StartupTest, SettingsFileThatIsNoFileIsToldAndNeverWaitedOn) {
    ASSERT_EQ(mkfifo(home.File("fernzahl.ini").c_str(), 0600), 0);
    const std::string said = RunUntilItSays("cannot be read");
    EXPECT_NE(said.find(home.File("fernzahl.ini") + " cannot be read (not a regular file)"), std::string::npos) << said;
    struct stat info {};
    EXPECT_TRUE(stat(home.File("fernzahl.ini").c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}

// A settings file of a terabyte (sparse) is read up to the settings file's limit: the window says
// so and goes on with the defaults, and the file is not saved over.
TEST_F(StartupTest, SettingsFileLargerThanItsLimitIsToldAndNeverReadWhole) {
    WriteFile(home.File("fernzahl.ini"), "[Allgemein]\nSplashScreen=0\n");
    fs::resize_file(home.File("fernzahl.ini"), uint64_t{1} << 40);
    const std::string said = RunUntilItSays("cannot be read");
    EXPECT_NE(said.find(home.File("fernzahl.ini") +
                        " cannot be read (larger than the limit of a settings file, 1048576 bytes)"),
              std::string::npos)
        << said;
    EXPECT_EQ(fs::file_size(home.File("fernzahl.ini")), uint64_t{1} << 40);
}

TEST_F(StartupTest, DeliveredDefaultTariffIsInstalledAndReported) {
    DisableSplash();
    WriteFile(home.File("Fernzahl.tff"), "old");
    WriteFile(home.File("NewDefaultTariff.dll"), "new");
    const std::string said = RunUntilItSays("new default tariff has been installed");
    EXPECT_NE(said.find("new default tariff has been installed"), std::string::npos) << said;
    EXPECT_EQ(ReadFile(home.File("Fernzahl.tff")), "new");
    EXPECT_FALSE(FileExists(home.File("NewDefaultTariff.dll")));
}

TEST_F(StartupTest, FailedInstallationKeepsTheOldTariffAndSaysSo) {
    DisableSplash();
    fs::create_directory(home.File("Fernzahl.tff"));
    WriteFile(home.File("Fernzahl.tff/zones"), "old");
    WriteFile(home.File("NewDefaultTariff.dll"), "new");
    const std::string said = RunUntilItSays("could not be installed");
    EXPECT_NE(said.find("could not be installed"), std::string::npos) << said;
    EXPECT_EQ(ReadFile(home.File("Fernzahl.tff/zones")), "old");
}

// A text of the built resource library in a language ("" English).
std::string LibraryText(unsigned id, const std::string& language) {
    CResourceLibrary library;
    const bool found = library.Load() && library.UseLanguage(language);
    const std::string text = found ? library.Strings().Get(id) : std::string();
    library.UseLanguage({});
    return text;
}

// The desktop's language chooses the texts, and a language chosen in the options wins over it.
TEST_F(StartupTest, TextsFollowTheDesktopsLanguageUnlessTheOptionsChooseOne) {
    const std::string german = LibraryText(Str::kDefaultTariffInstalled, Language::kGermanCode);
    const std::string english = LibraryText(Str::kDefaultTariffInstalled, {});
    ASSERT_NE(german, english);
    ProcessEnvironment germanDesktop = Environment();
    germanDesktop.set.erase("LANGUAGE");
    germanDesktop.set["LANG"] = "de_DE.UTF-8";
    germanDesktop.unset = {"LANGUAGE", "LC_ALL", "LC_MESSAGES"};
    ProcessEnvironment englishDesktop = germanDesktop;
    englishDesktop.set["LANG"] = "en_US.UTF-8";
    const struct {
        const ProcessEnvironment& desktop;
        const char* choice;
        const std::string& said;
    } cases[] = {{germanDesktop, "", german},
                 {germanDesktop, "Sprache=1\n", english},
                 {englishDesktop, "", english},
                 {englishDesktop, "Sprache=2\n", german}};
    for (const auto& [desktop, choice, said] : cases) {
        WriteFile(home.File("fernzahl.ini"), std::string("[Allgemein]\nSplashScreen=0\n") + choice);
        WriteFile(home.File("NewDefaultTariff.dll"), "new");
        const std::string output = RunUntilItSays(said, desktop);
        EXPECT_NE(output.find(said), std::string::npos) << desktop.set.at("LANG") << ", " << choice << ": " << output;
    }
}

// fernzahl-cli speaks English on any desktop, so that scripts always read the same words; its
// numbers follow the locale in text and never in CSV.
TEST_F(StartupTest, CommandLineToolStaysEnglishOnAGermanDesktop) {
    AppendToLog(home.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "T-Online", 1));
    ProcessEnvironment germanDesktop = Environment();
    germanDesktop.set["LANG"] = "de_DE.UTF-8";
    germanDesktop.set["LANGUAGE"] = "de";
    germanDesktop.unset = {"LC_ALL", "LC_MESSAGES"};
    const ProcessResult text = RunProcess({BinaryPath("fernzahl-cli"), "log", "list", "--totals"}, germanDesktop);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("Duration"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("0,12"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find(LibraryText(Str::kFirstLogColumn + 1, Language::kGermanCode)), std::string::npos)
        << text.out;
    const ProcessResult csv =
        RunProcess({BinaryPath("fernzahl-cli"), "summary", "--by", "user", "--format", "csv"}, germanDesktop);
    EXPECT_EQ(csv.out, "label,count,duration,units,costs\r\n\"anna\",1,90,1,0.12\r\n") << csv.err;
}

struct AfterInitialPeriod : InitialPeriodSource {
    bool IsInInitialPeriod() const override { return false; }
};

// Seconds per unit and price of the tariff file's zone at that moment; nothing when no zone covers it.
std::optional<std::pair<uint32_t, CMoney>> RateAt(const std::string& tariff, const CDateTime& moment) {
    CTempDir counters;
    const CSimulatedClock clock(moment, 0);
    const AfterInitialPeriod meter;
    CTarif tarif(clock, counters.Path());
    tarif.SetMeter(&meter);
    tarif.SetFileName(tariff);
    tarif.Refresh();
    return tarif.HasZone() ? std::optional(std::make_pair(tarif.GetSecondsPerUnit(), tarif.GetUnitPrice()))
                           : std::nullopt;
}

TEST_F(StartupTest, FirstStartInstallsTheExampleTariff) {
    DisableSplash();
    const std::string tariff = home.File("Fernzahl.tff");
    CChildProcess program({BinaryPath("fernzahl")}, Environment(), "/dev/null");
    for (int i = 0; i < 1000 && !FileExists(tariff); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(std::chrono::seconds(10)), 0);
    // Monday noon is day rate; Christmas Day, a Friday, is charged as the weekend.
    EXPECT_EQ(RateAt(tariff, CDateTime::FromDate(2026, 12, 7, 12)), std::optional(std::make_pair(90u, CMoney(1200))));
    EXPECT_EQ(RateAt(tariff, CDateTime::FromDate(2026, 12, 25, 12)), std::optional(std::make_pair(240u, CMoney(1200))));
}

} // namespace
