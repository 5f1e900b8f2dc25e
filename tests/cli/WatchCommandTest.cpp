#include "support/FakeSystem.h"
#include "support/NetworkManagerMock.h"
#include "support/Process.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

namespace {

struct WatchCommandTest : ::testing::Test {
    CFakeSystem system;
    CTempDir home;

    ProcessEnvironment Environment() const {
        ProcessEnvironment env;
        for (const auto& [name, value] : system.Environment()) {
            env.set[name] = value;
        }
        env.set["FERNZAHL_HOME"] = home.Path();
        return env;
    }
    void WatchDialUp() const { WriteFile(home.File("fernzahl.ini"), "[Überwachung]\nDFÜNetzwerk=1\n"); }
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');) {
            fields.push_back(field);
        }
        return fields;
    }
    // The lines fernzahl-cli watch prints while the link comes up (before the watch began, or
    // while it runs) and goes.
    std::vector<std::string> WatchLinkComeAndGo(bool upBeforeTheWatch) {
        const std::string output = home.File("watch.out");
        const auto printed = [&output](const char* event) {
            return PollUntil([&] { return ReadFile(output).find(event) != std::string::npos; });
        };
        if (upBeforeTheWatch) {
            system.BringUpLink("ppp0", 4711, "tonline", "debug");
        }
        CChildProcess watch({BinaryPath("fernzahl-cli"), "watch"}, Environment(), output);
        if (!upBeforeTheWatch) {
            system.BringUpLink("ppp0", 4711, "tonline", "debug");
        }
        EXPECT_TRUE(printed("\tstarted\t")) << ReadFile(output);
        system.TakeDownLink("ppp0", 4711);
        EXPECT_TRUE(printed("\tended\t")) << ReadFile(output);
        watch.Signal(SIGINT);
        watch.Wait(std::chrono::seconds(30));
        return Lines(ReadFile(output));
    }
};

TEST_F(WatchCommandTest, PppLinkComingAndGoingPrintsOneStartAndOneEnd) {
    WatchDialUp();
    system.AddPeer("tonline", "/dev/ttyS0\n");
    const std::vector<std::string> lines = WatchLinkComeAndGo(false);
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<std::string> started = Fields(lines[0]);
    const std::vector<std::string> ended = Fields(lines[1]);
    ASSERT_EQ(started.size(), 8u);
    EXPECT_EQ(started[1], "started");
    EXPECT_EQ(started[2], "dial-up");
    EXPECT_EQ(started[3], "tonline");
    EXPECT_EQ(started[4], "ttyS0");
    EXPECT_EQ(started[5], "10");
    EXPECT_EQ(started[6], home.File("Fernzahl.tff"));
    EXPECT_EQ(started[7], "(Default tariff)");
    EXPECT_EQ(ended[1], "ended");
    EXPECT_EQ(ended[3], "tonline");
}

// A watch begun during a connection tells its start at its first beat, so no end comes without one.
TEST_F(WatchCommandTest, LinkUpBeforeTheWatchBeganIsToldAsStartedAndEnded) {
    WatchDialUp();
    const std::vector<std::string> lines = WatchLinkComeAndGo(true);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Fields(lines[0]).at(1), "started");
    EXPECT_EQ(Fields(lines[1]).at(1), "ended");
}

TEST_F(WatchCommandTest, OnceTellsThePresentStateAndWarnsWhenNothingIsWatched) {
    ProcessResult result = RunProcess({BinaryPath("fernzahl-cli"), "watch", "--once"}, Environment());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\tidle\tnone\t"), std::string::npos) << result.out;
    EXPECT_NE(result.err.find("neither dial-up networking nor the modem line is watched"), std::string::npos);
    WatchDialUp();
    system.BringUpLink("ppp0", 4711, "arcor", "/dev/ttyUSB0");
    result = RunProcess({BinaryPath("fernzahl-cli"), "watch", "--once"}, Environment());
    EXPECT_NE(result.out.find("\tconnected\tdial-up\tarcor\tttyUSB0\t10\t"), std::string::npos) << result.out;
}

// NetworkManager answers after the start, not at once: a one-off look waits for that answer, both
// for the link and for whether dial-up networking can be watched at all.
TEST_F(WatchCommandTest, OnceTellsANetworkManagerLink) {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv); // for the mock's bus; lives as long as the test program
    }
    CNetworkManagerMock mock;
    ASSERT_TRUE(mock.IsRunning()) << "no private D-Bus with the mock NetworkManager";
    const QString device = mock.AddDevice(QStringLiteral("stick"), QStringLiteral("ttyUSB2"), 30);
    const QString profile = mock.AddProfile(QStringLiteral("Mobil"), QStringLiteral("gsm"));
    mock.Activate(device, profile, QStringLiteral("mobil"), 2);
    WatchDialUp();
    ProcessEnvironment env = Environment();
    env.set["FERNZAHL_NM_BUS"] = mock.Address();
    env.set["FERNZAHL_SYSFS_ROOT"] = home.File("no-sysfs"); // NetworkManager alone, without pppd's links
    const ProcessResult result = RunProcess({BinaryPath("fernzahl-cli"), "watch", "--once"}, env);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\tconnected\tdial-up\tMobil\tttyUSB2\t"), std::string::npos) << result.out;
    EXPECT_EQ(result.err.find("cannot be watched"), std::string::npos) << result.err;
}

// The modem line's device and state are told whether or not it is watched; a plain file is no
// serial port, so it has no carrier.
TEST_F(WatchCommandTest, OnceTellsTheModemLinesDeviceAndState) {
    ProcessResult result = RunProcess({BinaryPath("fernzahl-cli"), "watch", "--once"}, Environment());
    EXPECT_NE(result.out.find("\nmodem-line\t/dev/ttyS1\tabsent\n"), std::string::npos) << result.out;
    WriteFile(Environment().set.at("FERNZAHL_SERIAL_DIR") + "/ttyACM0", "");
    WriteFile(home.File("fernzahl.ini"), "[Überwachung]\nModem=1\nGerät=/dev/ttyACM0\n");
    result = RunProcess({BinaryPath("fernzahl-cli"), "watch", "--once"}, Environment());
    EXPECT_NE(result.out.find("\nmodem-line\t/dev/ttyACM0\tno-carrier\n"), std::string::npos) << result.out;
}

TEST_F(WatchCommandTest, PhonebookListsThePeers) {
    system.AddPeer("tonline", "");
    system.AddPeer("arcor", "");
    const ProcessResult result = RunProcess({BinaryPath("fernzahl-cli"), "phonebook"}, Environment());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "arcor\ntonline\n");
}

} // namespace
