#include "log/ProtokollFile.h"
#include "support/FakeSystem.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

namespace {

bool AcceptsClients(const std::string& display) {
    return RunProcess({"/usr/bin/xwininfo", "-display", display, "-root"}).exitCode == 0;
}

// Whether a program holds the selection by which a system tray makes itself known on the display.
bool HasSystemTray(const std::string& display) {
    static const char* const kAskTheServer = R"(import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XInternAtom.restype = ctypes.c_ulong
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XGetSelectionOwner.restype = ctypes.c_ulong
d = x.XOpenDisplay(sys.argv[1].encode())
sys.exit(0 if d and x.XGetSelectionOwner(d, x.XInternAtom(d, b"_NET_SYSTEM_TRAY_S0", 0)) else 1)
)";
    return RunProcess({"/usr/bin/python3", "-c", kAskTheServer, display}).exitCode == 0;
}

// The windows under a window (the root: "-root"), as xwininfo lists them: one a line, with its id
// first and its class in parentheses.
std::vector<std::string> WindowsUnder(const std::string& display, const std::vector<std::string>& which) {
    std::vector<std::string> argv = {"/usr/bin/xwininfo", "-display", display};
    argv.insert(argv.end(), which.begin(), which.end());
    std::vector<std::string> lines;
    std::istringstream in(RunProcess(argv).out);
    for (std::string line; std::getline(in, line);) {
        if (line.find("(\"") != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string IdOf(const std::string& line) {
    std::istringstream in(line);
    std::string id;
    in >> id;
    return id;
}

const char* const kProgramClass = "(\"fernzahl\" \"fernzahl\")";

// Whether the tray's panel holds a window of the program: its icon.
bool IconInTheTray(const std::string& display) {
    for (const std::string& panel : WindowsUnder(display, {"-root", "-children"})) {
        if (panel.find("(\"panel\" \"trayer\")") == std::string::npos) {
            continue;
        }
        for (const std::string& inside : WindowsUnder(display, {"-id", IdOf(panel), "-tree"})) {
            if (inside.find(kProgramClass) != std::string::npos) {
                return true;
            }
        }
    }
    return false;
}

// Whether a window of the program is shown on the desktop (not in the tray).
bool WindowShown(const std::string& display) {
    for (const std::string& window : WindowsUnder(display, {"-root", "-children"})) {
        if (window.find(kProgramClass) != std::string::npos &&
            RunProcess({"/usr/bin/xwininfo", "-display", display, "-id", IdOf(window)}).out.find("IsViewable") !=
                std::string::npos) {
            return true;
        }
    }
    return false;
}

// A real X display (Xvfb) with a real system tray (trayer), so that the program hides into the
// tray as it does on a desktop.
class CTrayDesktop {
public:
    CTrayDesktop() {
        if (!FileExists("/usr/bin/Xvfb") || !FileExists("/usr/bin/trayer") || !FileExists("/usr/bin/xwininfo")) {
            return;
        }
        for (int number = 120; number < 200 && m_display.empty(); ++number) {
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
            if (FileExists(socket) || FileExists("/tmp/.X" + std::to_string(number) + "-lock")) {
                continue;
            }
            const std::string display = ":" + std::to_string(number);
            m_server = std::make_unique<CChildProcess>(
                std::vector<std::string>{"/usr/bin/Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                ProcessEnvironment{}, "/dev/null");
            // The socket is there a moment before the server listens on it; a client that came then
            // would find no display.
            if (PollUntil([&] { return FileExists(socket) && AcceptsClients(display); })) {
                m_display = display;
            }
        }
        if (!m_display.empty()) {
            m_tray = std::make_unique<CChildProcess>(std::vector<std::string>{"/usr/bin/trayer", "--edge", "top"},
                                                     ProcessEnvironment{.set = {{"DISPLAY", m_display}}}, "/dev/null");
            m_trayUp = PollUntil([this] { return HasSystemTray(m_display); });
        }
    }
    // Ended as asked, not killed: a killed Xvfb leaves its lock and socket behind, and the
    // displays this test may take run out.
    ~CTrayDesktop() {
        for (CChildProcess* process : {m_tray.get(), m_server.get()}) {
            if (process != nullptr) {
                process->Signal(SIGTERM);
                process->Wait(std::chrono::seconds(10));
            }
        }
    }
    CTrayDesktop(const CTrayDesktop&) = delete;
    CTrayDesktop& operator=(const CTrayDesktop&) = delete;

    const std::string& Display() const { return m_display; }
    bool HasTray() const { return m_trayUp; }

private:
    std::string m_display;
    bool m_trayUp = false;
    std::unique_ptr<CChildProcess> m_server;
    std::unique_ptr<CChildProcess> m_tray;
};

TEST(Tray, ProgramLivesOnInTheTrayAndMetersFromThere) {
    CTrayDesktop desktop;
    if (desktop.Display().empty()) {
        GTEST_SKIP() << "needs Xvfb, trayer and xwininfo (scripts/setup.sh installs them)";
    }
    ASSERT_TRUE(desktop.HasTray()) << "trayer did not come up";
    CFakeSystem system;
    CTempDir home;
    CTempDir runtime;
    // Not the first start: the window hides into the tray at once, and again after each connection.
    WriteFile(home.File("fernzahl.ini"), "[Allgemein]\nFirstSteps=1\nSplashScreen=0\n\n[Überwachung]\nDFÜNetzwerk=1\n");
    ProcessEnvironment env = system.ProgramEnvironment(home.Path(), runtime.Path());
    env.set["QT_QPA_PLATFORM"] = "xcb";
    env.set["DISPLAY"] = desktop.Display();
    CChildProcess program({BinaryPath("fernzahl")}, env, runtime.File("fernzahl.err"));
    const auto inTheTrayOnly = [&] { return IconInTheTray(desktop.Display()) && !WindowShown(desktop.Display()); };
    ASSERT_TRUE(PollUntil(inTheTrayOnly)) << ReadFile(runtime.File("fernzahl.err"));
    system.BringUpLink("ppp0", 4711, "tonline", "/dev/ttyS0");
    ASSERT_TRUE(PollUntil([&] { return FileExists(home.File("Fernzahl.run")); }))
        << ReadFile(runtime.File("fernzahl.err"));
    system.TakeDownLink("ppp0", 4711);
    // Logged once the checkpoint is gone.
    ASSERT_TRUE(PollUntil([&] { return !FileExists(home.File("Fernzahl.run")); }))
        << ReadFile(runtime.File("fernzahl.err"));
    EXPECT_TRUE(PollUntil(inTheTrayOnly));
    ASSERT_TRUE(program.IsRunning()) << ReadFile(runtime.File("fernzahl.err"));
    program.Signal(SIGTERM);
    ASSERT_EQ(program.Wait(std::chrono::seconds(30)), 0);
    CProtokollFile log(home.Path());
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.GetRecordCount(), 1u);
    EXPECT_EQ(log.Entry().connectionName, "tonline");
}

} // namespace
