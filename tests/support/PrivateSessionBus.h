#pragma once

#include "support/Process.h"
#include "support/TempDir.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

// Whether the check comes true within the time, asked every 50 ms.
bool Eventually(const std::function<bool()>& check, std::chrono::milliseconds within = std::chrono::seconds(15));

// A session bus of the test's own (dbus-daemon), optionally with a mock notification service
// (python3-dbusmock's notification_daemon) that records every call.
class CPrivateSessionBus {
public:
    CPrivateSessionBus();
    ~CPrivateSessionBus();

    const std::string& Address() const { return m_address; }
    // The variables that put a program on this bus.
    void AddTo(ProcessEnvironment& env) const;
    void StartNotificationService();
    // A notification service that tells its capabilities but refuses every notification.
    void StartRefusingNotificationService();
    // The Notify calls the mock service received, as dbusmock lists them (one a line).
    std::string NotifyCalls() const;
    // gdbus on this bus, with its arguments; its output.
    ProcessResult Gdbus(const std::vector<std::string>& arguments) const;
    // Stops the bus daemon as a hung one would be (SIGSTOP), and lets it go on.
    void Freeze();
    void Thaw();
    // Records every message on the bus that matches the rule into a file; its contents so far.
    void Monitor(const std::string& rule);
    std::string Monitored() const;

private:
    void AwaitNotificationService();

    CTempDir m_dir;
    std::unique_ptr<CChildProcess> m_daemon;
    std::unique_ptr<CChildProcess> m_notifications;
    std::unique_ptr<CChildProcess> m_monitor;
    std::string m_address;
};
