#include "support/NetworkManagerMock.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QThread>

#include <chrono>
#include <csignal>
#include <thread>

namespace {
const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kRoot = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");
using Settings = QMap<QString, QVariantMap>;
} // namespace

bool ProcessEventsUntil(const std::function<bool()>& check, int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!check()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

CNetworkManagerMock::CNetworkManagerMock() {
    qDBusRegisterMetaType<Settings>();
    const std::string socket = m_dir.File("bus");
    m_address = "unix:path=" + socket;
    m_daemon = std::make_unique<CChildProcess>(std::vector<std::string>{"/usr/bin/dbus-daemon", "--session", "--nofork",
                                                                        "--nopidfile", "--address=" + m_address},
                                               ProcessEnvironment{}, "/dev/null");
    if (!ProcessEventsUntil([&] { return FileExists(socket); }, 10000)) {
        return;
    }
    m_bus = QDBusConnection::connectToBus(QString::fromStdString(m_address), QStringLiteral("fernzahl-test-mock"));
    m_ready = Start();
}

bool CNetworkManagerMock::Start() {
    m_mock = std::make_unique<CChildProcess>(
        std::vector<std::string>{"/usr/bin/python3", "-m", "dbusmock", "--session", "--template", "networkmanager"},
        ProcessEnvironment{.set = {{"DBUS_SESSION_BUS_ADDRESS", m_address}}}, "/dev/null");
    return ProcessEventsUntil([&] { return IsOnBus(); }, 20000);
}

bool CNetworkManagerMock::Stop() {
    m_mock.reset();
    return ProcessEventsUntil([&] { return !IsOnBus(); }, 20000);
}

bool CNetworkManagerMock::IsOnBus() {
    return m_bus.isConnected() && m_bus.interface()->isServiceRegistered(kService).value();
}

CNetworkManagerMock::~CNetworkManagerMock() {
    QDBusConnection::disconnectFromBus(QStringLiteral("fernzahl-test-mock"));
}

QVariant CNetworkManagerMock::Call(const QString& path, const QString& interface, const QString& method,
                                   const QVariantList& args) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, interface, method);
    call.setArguments(args);
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, 10000);
    return reply.arguments().isEmpty() ? QVariant() : reply.arguments().first();
}

QString CNetworkManagerMock::AddDevice(const QString& name, const QString& interfaceName, int state) {
    return Call(kRoot, kMock, QStringLiteral("AddEthernetDevice"), {name, interfaceName, state}).toString();
}

QString CNetworkManagerMock::AddProfile(const QString& id, const QString& type, const QString& btType) {
    Settings settings;
    settings[QStringLiteral("connection")] = {{QStringLiteral("id"), id}, {QStringLiteral("type"), type}};
    if (!btType.isEmpty()) {
        settings[QStringLiteral("bluetooth")] = {{QStringLiteral("type"), btType}};
    }
    const QVariant path =
        Call(kRoot + QStringLiteral("/Settings"), QStringLiteral("org.freedesktop.NetworkManager.Settings"),
             QStringLiteral("AddConnection"), {QVariant::fromValue(settings)});
    return path.value<QDBusObjectPath>().path();
}

QString CNetworkManagerMock::Activate(const QString& device, const QString& profile, const QString& name, uint state) {
    return Call(kRoot, kMock, QStringLiteral("AddActiveConnection"),
                {QStringList{device}, profile, QStringLiteral("/"), name, state})
        .toString();
}

void CNetworkManagerMock::Deactivate(const QString& device, const QString& active) {
    Call(kRoot, kMock, QStringLiteral("RemoveActiveConnection"), {device, active});
}

void CNetworkManagerMock::SetProperty(const QString& path, const QString& interface, const QString& name,
                                      const QVariant& value) {
    Call(kRoot, kMock, QStringLiteral("SetProperty"),
         {path, interface, name, QVariant::fromValue(QDBusVariant(value))});
}

void CNetworkManagerMock::UpdateProperty(const QString& path, const QString& interface, const QString& name,
                                         const QVariant& value) {
    Call(path, kMock, QStringLiteral("UpdateProperties"), {interface, QVariantMap{{name, value}}});
}

void CNetworkManagerMock::Pause() {
    m_mock->Signal(SIGSTOP);
}

void CNetworkManagerMock::Resume() {
    m_mock->Signal(SIGCONT);
}
