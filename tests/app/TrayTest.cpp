#include "log/ProtokollFile.h"
#include "support/FakeSystem.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace {

// A real X display (Xvfb) with a real system tray (trayer), so that the program hides into the
// tray as it does on a desktop.
class CTrayDesktop {
public:
    CTrayDesktop() {
        if (!FileExists("/usr/bin/Xvfb") || !FileExists("/usr/bin/trayer")) {
            return;
        }
        for (int number = 120; number < 200 && m_display.empty(); ++number) {
            if (FileExists("/tmp/.X11-unix/X" + std::to_string(number)) ||
                FileExists("/tmp/.X" + std::to_string(number) + "-lock")) {
                continue;
            }
            const std::string display = ":" + std::to_string(number);
            m_server = std::make_unique<CChildProcess>(
                std::vector<std::string>{"/usr/bin/Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                ProcessEnvironment{}, "/dev/null");
            for (int i = 0; i < 200 && !FileExists("/tmp/.X11-unix/X" + std::to_string(number)); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
            }
            if (FileExists("/tmp/.X11-unix/X" + std::to_string(number))) {
                m_display = display;
            }
        }
        if (!m_display.empty()) {
            m_tray = std::make_unique<CChildProcess>(std::vector<std::string>{"/usr/bin/trayer", "--edge", "top"},
                                                     ProcessEnvironment{.set = {{"DISPLAY", m_display}}}, "/dev/null");
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
        }
    }
    const std::string& Display() const { return m_display; }

private:
    std::string m_display;
    std::unique_ptr<CChildProcess> m_server;
    std::unique_ptr<CChildProcess> m_tray;
};

TEST(Tray, ProgramLivesOnInTheTrayAndMetersFromThere) {
    CTrayDesktop desktop;
    if (desktop.Display().empty()) {
        GTEST_SKIP() << "needs Xvfb and trayer (scripts/setup.sh installs them)";
    }
    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    // Not the first start: the window hides into the tray at once, and again after each connection.
    WriteFile(home.File("fernzahl.ini"), "[Allgemein]\nFirstSteps=1\nSplashScreen=0\n\n[Überwachung]\nDFÜNetzwerk=1\n");
    ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
    env.set["QT_QPA_PLATFORM"] = "xcb";
    env.set["DISPLAY"] = desktop.Display();
    CChildProcess program({BinaryPath("fernzahl")}, env, runtime.File("fernzahl.err"));
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    ASSERT_TRUE(program.IsRunning()) << ReadFile(runtime.File("fernzahl.err"));
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    system.TakeDownLink("ppp0", 4711);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ASSERT_TRUE(program.IsRunning()) << ReadFile(runtime.File("fernzahl.err"));
    program.Signal(SIGTERM);
    ASSERT_EQ(program.Wait(std::chrono::seconds(10)), 0);
    CProtokollFile log(home.Path());
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.GetRecordCount(), 1u);
    EXPECT_EQ(log.Entry().connectionName, "tonline");
}

} // namespace
