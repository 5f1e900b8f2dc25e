#pragma once

#include "support/Process.h"
#include "support/TempDir.h"

#include <QDBusConnection>
#include <QString>
#include <QVariant>

#include <memory>

// A private D-Bus with a mock NetworkManager (python3-dbusmock) on it, driven through the mock's
// own methods.
class CNetworkManagerMock {
public:
    CNetworkManagerMock();
    ~CNetworkManagerMock();

    bool IsRunning() const { return m_ready; }
    const std::string& Address() const { return m_address; }

    // A device named by its interface (ttyUSB2) in the given NetworkManager device state.
    QString AddDevice(const QString& name, const QString& interfaceName, int state);
    // A stored connection profile of the type (gsm, 802-3-ethernet, bluetooth with btType dun).
    QString AddProfile(const QString& id, const QString& type, const QString& btType = {});
    // Activates the profile on the device; the mock marks the device activated.
    QString Activate(const QString& device, const QString& profile, const QString& name, uint state);
    void Deactivate(const QString& device, const QString& active);
    // Announced on the object's own interface, as older NetworkManagers do.
    void SetProperty(const QString& path, const QString& interface, const QString& name, const QVariant& value);
    // Announced on org.freedesktop.DBus.Properties, as current NetworkManagers do.
    void UpdateProperty(const QString& path, const QString& interface, const QString& name, const QVariant& value);
    // Stops the mock without leaving the bus, so that questions to it time out; and lets it go on.
    void Pause();
    void Resume();
    // Ends the mock, so that NetworkManager leaves the bus; and starts a fresh one, without
    // connections. True once the bus shows it.
    bool Stop();
    bool Start();

private:
    bool IsOnBus();
    QVariant Call(const QString& path, const QString& interface, const QString& method, const QVariantList& args);

    CTempDir m_dir;
    std::string m_address;
    std::unique_ptr<CChildProcess> m_daemon;
    std::unique_ptr<CChildProcess> m_mock;
    QDBusConnection m_bus{QString()};
    bool m_ready = false;
};

// Lets queued D-Bus signals arrive until the check holds or the time is up.
bool ProcessEventsUntil(const std::function<bool()>& check, int milliseconds = 5000);
