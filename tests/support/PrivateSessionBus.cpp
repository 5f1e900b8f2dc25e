#include "support/PrivateSessionBus.h"

#include <csignal>
#include <stdexcept>
#include <thread>

bool Eventually(const std::function<bool()>& check, std::chrono::milliseconds within) {
    const auto deadline = std::chrono::steady_clock::now() + within;
    while (!check()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

CPrivateSessionBus::CPrivateSessionBus() {
    const std::string addressFile = m_dir.File("address");
    m_daemon = std::make_unique<CChildProcess>(
        std::vector<std::string>{"/usr/bin/dbus-daemon", "--session", "--nofork", "--print-address=1"},
        ProcessEnvironment{}, addressFile);
    if (!Eventually([&] { return ReadFile(addressFile).find('\n') != std::string::npos; })) {
        throw std::runtime_error("dbus-daemon gave no address");
    }
    m_address = ReadFile(addressFile);
    m_address.erase(m_address.find('\n'));
}

CPrivateSessionBus::~CPrivateSessionBus() = default;

void CPrivateSessionBus::AddTo(ProcessEnvironment& env) const {
    env.set["DBUS_SESSION_BUS_ADDRESS"] = m_address;
}

ProcessResult CPrivateSessionBus::Gdbus(const std::vector<std::string>& arguments) const {
    std::vector<std::string> argv{"/usr/bin/gdbus"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ProcessEnvironment env;
    AddTo(env);
    return RunProcess(argv, env, std::chrono::seconds(10));
}

void CPrivateSessionBus::StartNotificationService() {
    ProcessEnvironment env;
    AddTo(env);
    m_notifications =
        std::make_unique<CChildProcess>(std::vector<std::string>{"/usr/bin/python3", "-m", "dbusmock", "--session",
                                                                 "--template", "notification_daemon"},
                                        env, m_dir.File("dbusmock.log"));
    AwaitNotificationService();
}

void CPrivateSessionBus::StartRefusingNotificationService() {
    ProcessEnvironment env;
    AddTo(env);
    const std::string path = "/org/freedesktop/Notifications";
    m_notifications = std::make_unique<CChildProcess>(
        std::vector<std::string>{"/usr/bin/python3", "-m", "dbusmock", "--session", "org.freedesktop.Notifications",
                                 path, "org.freedesktop.Notifications"},
        env, m_dir.File("dbusmock.log"));
    AwaitNotificationService();
    const auto addMethod = [&](const std::string& name, const std::string& in, const std::string& out,
                               const std::string& code) {
        Gdbus({"call", "--session", "--dest", "org.freedesktop.Notifications", "--object-path", path, "--method",
               "org.freedesktop.DBus.Mock.AddMethod", "", name, in, out, code});
    };
    addMethod("GetCapabilities", "", "as", "ret = ['body']");
    addMethod("Notify", "susssasa{sv}i", "u",
              "raise dbus.exceptions.DBusException('no more', name='org.freedesktop.DBus.Error.Failed')");
}

void CPrivateSessionBus::AwaitNotificationService() {
    const bool up = Eventually([&] {
        return Gdbus({"call", "--session", "--dest", "org.freedesktop.DBus", "--object-path", "/org/freedesktop/DBus",
                      "--method", "org.freedesktop.DBus.NameHasOwner", "org.freedesktop.Notifications"})
                   .out.find("true") != std::string::npos;
    });
    if (!up) {
        throw std::runtime_error("the mock notification service did not start: " +
                                 ReadFile(m_dir.File("dbusmock.log")));
    }
}

std::string CPrivateSessionBus::NotifyCalls() const {
    return Gdbus({"call", "--session", "--dest", "org.freedesktop.Notifications", "--object-path",
                  "/org/freedesktop/Notifications", "--method", "org.freedesktop.DBus.Mock.GetCalls"})
        .out;
}

void CPrivateSessionBus::Freeze() {
    m_daemon->Signal(SIGSTOP);
}

void CPrivateSessionBus::Thaw() {
    m_daemon->Signal(SIGCONT);
}

void CPrivateSessionBus::Monitor(const std::string& rule) {
    ProcessEnvironment env;
    AddTo(env);
    m_monitor = std::make_unique<CChildProcess>(std::vector<std::string>{"/usr/bin/dbus-monitor", "--session", rule},
                                                env, m_dir.File("monitor.log"));
    Eventually([&] { return !ReadFile(m_dir.File("monitor.log")).empty(); });
}

std::string CPrivateSessionBus::Monitored() const {
    return ReadFile(m_dir.File("monitor.log"));
}
