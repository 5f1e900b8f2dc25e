#include "platform/NetworkManagerLinks.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QUuid>

#include <algorithm>

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kManager = QStringLiteral("org.freedesktop.NetworkManager");
const QString kActive = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString kDevice = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString kSettings = QStringLiteral("org.freedesktop.NetworkManager.Settings");
const QString kSettingsConnection = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int kTimeoutMs = 2000;

// Device states from "configuring IP" (70) to "activated" (100), and the active connection's "activated".
constexpr uint kIpConfig = 70;
constexpr uint kActivated = 100;
constexpr uint kConnectionActivated = 2;

using Settings = QMap<QString, QVariantMap>;

QVariantMap GetAll(const QDBusConnection& bus, const QString& path, const QString& interface) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("GetAll"));
    call << interface;
    const QDBusReply<QVariantMap> reply = bus.call(call, QDBus::Block, kTimeoutMs);
    return reply.isValid() ? reply.value() : QVariantMap();
}

QList<QDBusObjectPath> ObjectPaths(const QVariant& value) {
    return qdbus_cast<QList<QDBusObjectPath>>(value);
}

std::optional<Settings> ConnectionSettings(const QDBusConnection& bus, const QString& path) {
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, path, kSettingsConnection, QStringLiteral("GetSettings"));
    const QDBusReply<Settings> reply = bus.call(call, QDBus::Block, kTimeoutMs);
    return reply.isValid() ? std::optional(reply.value()) : std::nullopt;
}

// Mobile broadband, PPPoE, ADSL, and Bluetooth only as dial-up networking (not as a network).
bool IsDialUpType(const QString& type, const QDBusConnection& bus, const QString& connectionPath) {
    if (type == QLatin1String("gsm") || type == QLatin1String("cdma") || type == QLatin1String("pppoe") ||
        type == QLatin1String("adsl")) {
        return true;
    }
    if (type != QLatin1String("bluetooth")) {
        return false;
    }
    const std::optional<Settings> settings = ConnectionSettings(bus, connectionPath);
    return settings && settings->value(QStringLiteral("bluetooth")).value(QStringLiteral("type")).toString() ==
                           QLatin1String("dun");
}

QDBusConnection OpenBus(const QString& address, const QString& name) {
    return address.isEmpty() ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, name)
                             : QDBusConnection::connectToBus(address, name);
}

} // namespace

CNetworkManagerLinks::CNetworkManagerLinks(const QString& busAddress)
    : m_bus(OpenBus(busAddress, QStringLiteral("fernzahl-nm-") + QUuid::createUuid().toString(QUuid::Id128))),
      m_connectionName(m_bus.name()) {
    qDBusRegisterMetaType<Settings>();
    if (!m_bus.isConnected()) {
        return;
    }
    // Any change of NetworkManager's objects, or NetworkManager starting or stopping.
    m_bus.connect(kService, QString(), kProperties, QStringLiteral("PropertiesChanged"), this, SLOT(MarkChanged()));
    // Older NetworkManagers announce property changes on their own interfaces.
    for (const QString& interface : {kManager, kActive, kDevice}) {
        m_bus.connect(kService, QString(), interface, QStringLiteral("PropertiesChanged"), this, SLOT(MarkChanged()));
    }
    m_bus.connect(kService, QString(), kActive, QStringLiteral("StateChanged"), this, SLOT(MarkChanged()));
    m_bus.connect(kService, QString(), kDevice, QStringLiteral("StateChanged"), this, SLOT(MarkChanged()));
    m_bus.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                  QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"), this,
                  SLOT(MarkChanged()));
}

CNetworkManagerLinks::~CNetworkManagerLinks() {
    QDBusConnection::disconnectFromBus(m_connectionName);
}

void CNetworkManagerLinks::MarkChanged() {
    m_changed = true;
}

bool CNetworkManagerLinks::IsAvailable() const {
    return m_bus.isConnected() && m_bus.interface()->isServiceRegistered(kService).value();
}

std::optional<std::vector<DialUpLink>> CNetworkManagerLinks::ActiveLinks() {
    if (m_changed) {
        m_changed = !Refresh();
    }
    return m_links;
}

// A NetworkManager that answers late or not at all keeps the links last seen, and the next beat asks
// again: a link that is up must not end because one question timed out. Only a NetworkManager that
// has left the bus has no links.
bool CNetworkManagerLinks::Refresh() {
    if (!m_bus.isConnected()) {
        m_links.reset();
        return true;
    }
    const QVariantMap manager = GetAll(m_bus, kPath, kManager);
    if (!manager.contains(QStringLiteral("ActiveConnections"))) {
        if (!m_bus.interface()->isServiceRegistered(kService).value()) {
            m_links.reset();
            return true;
        }
        return false;
    }
    std::vector<DialUpLink> links;
    for (const QDBusObjectPath& active : ObjectPaths(manager.value(QStringLiteral("ActiveConnections")))) {
        const QVariantMap connection = GetAll(m_bus, active.path(), kActive);
        const QString type = connection.value(QStringLiteral("Type")).toString();
        const QString settingsPath = connection.value(QStringLiteral("Connection")).value<QDBusObjectPath>().path();
        if (!IsDialUpType(type, m_bus, settingsPath)) {
            continue;
        }
        const QList<QDBusObjectPath> devices = ObjectPaths(connection.value(QStringLiteral("Devices")));
        const QVariantMap device = devices.isEmpty() ? QVariantMap() : GetAll(m_bus, devices.first().path(), kDevice);
        const uint deviceState = device.value(QStringLiteral("State")).toUInt();
        const bool counts = (deviceState >= kIpConfig && deviceState <= kActivated) ||
                            connection.value(QStringLiteral("State")).toUInt() == kConnectionActivated;
        if (counts) {
            links.push_back({connection.value(QStringLiteral("Id")).toString().toStdString(),
                             device.value(QStringLiteral("Interface")).toString().toStdString(),
                             device.value(QStringLiteral("IpInterface")).toString().toStdString()});
        }
    }
    m_links = std::move(links);
    return true;
}

std::vector<std::string> CNetworkManagerLinks::DialUpProfiles() {
    std::vector<std::string> names;
    if (!m_bus.isConnected()) {
        return names;
    }
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath + QStringLiteral("/Settings"), kSettings,
                                                             QStringLiteral("ListConnections"));
    const QDBusReply<QList<QDBusObjectPath>> reply = m_bus.call(call, QDBus::Block, kTimeoutMs);
    if (!reply.isValid()) {
        return names;
    }
    for (const QDBusObjectPath& path : reply.value()) {
        const std::optional<Settings> settings = ConnectionSettings(m_bus, path.path());
        if (!settings) {
            continue;
        }
        const QVariantMap connection = settings->value(QStringLiteral("connection"));
        if (IsDialUpType(connection.value(QStringLiteral("type")).toString(), m_bus, path.path())) {
            names.push_back(connection.value(QStringLiteral("id")).toString().toStdString());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
