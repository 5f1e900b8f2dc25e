#include "platform/NetworkManagerLinks.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>
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
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
constexpr int kTimeoutMs = 2000;

// Device states from "configuring IP" (70) to "activated" (100), and the active connection's "activated".
constexpr uint kIpConfig = 70;
constexpr uint kActivated = 100;
constexpr uint kConnectionActivated = 2;

using Settings = QMap<QString, QVariantMap>;

QDBusMessage GetAllCall(const QString& path, const QString& interface) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("GetAll"));
    call << interface;
    return call;
}

QDBusMessage GetSettingsCall(const QString& path) {
    return QDBusMessage::createMethodCall(kService, path, kSettingsConnection, QStringLiteral("GetSettings"));
}

// The first value of an answer as T; T() for an error.
template <typename T> T Answer(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
               ? qdbus_cast<T>(reply.arguments().first())
               : T();
}

// No answer in time, or none at all: says nothing about the links (unlike an error NetworkManager gave).
bool IsUnanswered(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ErrorMessage) {
        return false;
    }
    const QDBusError::ErrorType error = QDBusError(reply).type();
    return error == QDBusError::NoReply || error == QDBusError::Timeout || error == QDBusError::TimedOut ||
           error == QDBusError::Disconnected;
}

QList<QDBusObjectPath> ObjectPaths(const QVariant& value) {
    return qdbus_cast<QList<QDBusObjectPath>>(value);
}

std::optional<Settings> ConnectionSettings(const QDBusConnection& bus, const QString& path) {
    const QDBusReply<Settings> reply = bus.call(GetSettingsCall(path), QDBus::Block, kTimeoutMs);
    return reply.isValid() ? std::optional(reply.value()) : std::nullopt;
}

// Mobile broadband, PPPoE and ADSL; Bluetooth only as dial-up networking, which its settings say.
bool IsDialUpType(const QString& type) {
    return type == QLatin1String("gsm") || type == QLatin1String("cdma") || type == QLatin1String("pppoe") ||
           type == QLatin1String("adsl");
}

const QLatin1String kBluetooth("bluetooth");

bool IsDialUpProfile(const Settings& settings) {
    const QString type = settings.value(QStringLiteral("connection")).value(QStringLiteral("type")).toString();
    return IsDialUpType(type) ||
           (type == kBluetooth &&
            settings.value(kBluetooth).value(QStringLiteral("type")).toString() == QLatin1String("dun"));
}

// The link of an active dial-up connection on its device, if it has come far enough to count.
std::optional<DialUpLink> CountingLink(const QString& path, const QVariantMap& connection, const QVariantMap& device) {
    const uint deviceState = device.value(QStringLiteral("State")).toUInt();
    const bool counts = (deviceState >= kIpConfig && deviceState <= kActivated) ||
                        connection.value(QStringLiteral("State")).toUInt() == kConnectionActivated;
    if (!counts) {
        return std::nullopt;
    }
    return DialUpLink{connection.value(QStringLiteral("Id")).toString().toStdString(),
                      device.value(QStringLiteral("Interface")).toString().toStdString(),
                      device.value(QStringLiteral("IpInterface")).toString().toStdString(),
                      "nm " + path.toStdString()}; // NetworkManager gives no other its object while it runs
}

QDBusConnection OpenBus(const QString& address, const QString& name) {
    return address.isEmpty() ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, name)
                             : QDBusConnection::connectToBus(address, name);
}

} // namespace

// What one round of questions has gathered: a place per active connection, in NetworkManager's order.
struct CNetworkManagerLinks::Round {
    int outstanding = 0;
    bool unanswered = false;
    std::vector<std::optional<DialUpLink>> links;
};

CNetworkManagerLinks::CNetworkManagerLinks(const QString& busAddress)
    : m_bus(OpenBus(busAddress, QStringLiteral("fernzahl-nm-") + QUuid::createUuid().toString(QUuid::Id128))),
      m_connectionName(m_bus.name()) {
    qDBusRegisterMetaType<Settings>();
    if (!m_bus.isConnected()) {
        m_owner = Owner::kAbsent;
        return;
    }
    // A change of what the links are read from. Only these interfaces: each change starts a round of
    // questions, and access points, statistics and addresses change all the time.
    for (const QString& interface : {kManager, kActive, kDevice}) {
        m_bus.connect(kService, QString(), kProperties, QStringLiteral("PropertiesChanged"), {interface}, QString(),
                      this, SLOT(MarkChanged()));
        // Older NetworkManagers announce property changes on their own interfaces.
        m_bus.connect(kService, QString(), interface, QStringLiteral("PropertiesChanged"), this, SLOT(MarkChanged()));
    }
    m_bus.connect(kService, QString(), kActive, QStringLiteral("StateChanged"), this, SLOT(MarkChanged()));
    m_bus.connect(kService, QString(), kDevice, QStringLiteral("StateChanged"), this, SLOT(MarkChanged()));
    // NetworkManager starting, stopping or replaced.
    auto* owner = new QDBusServiceWatcher(kService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(owner, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                SetOwner(newOwner.isEmpty() ? Owner::kAbsent : Owner::kPresent);
            });
    AskOwner();
}

CNetworkManagerLinks::~CNetworkManagerLinks() {
    QDBusConnection::disconnectFromBus(m_connectionName);
}

bool CNetworkManagerLinks::IsAvailable() const {
    return m_bus.isConnected() && m_owner == Owner::kPresent;
}

// A NetworkManager that answers late or not at all keeps the links last seen, and the next poll asks
// again: a link that is up must not end because one question timed out. Only a NetworkManager that
// has left the bus has no links.
std::optional<std::vector<DialUpLink>> CNetworkManagerLinks::ActiveLinks() {
    if (!m_bus.isConnected()) {
        return std::nullopt; // a bus that has gone took NetworkManager with it
    }
    if (m_owner == Owner::kUnknown) {
        AskOwner();
    } else if (m_retry) {
        StartRoundIfIdle();
    }
    return m_links;
}

bool CNetworkManagerLinks::WaitForAnswers(std::chrono::milliseconds longest) {
    QEventLoop loop;
    bool timedOut = false;
    QTimer::singleShot(longest, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    connect(this, &CNetworkManagerLinks::Answered, &loop, &QEventLoop::quit);
    while (!HasAnswered() && !timedOut) {
        loop.exec();
    }
    return HasAnswered();
}

bool CNetworkManagerLinks::HasAnswered() const {
    return !m_bus.isConnected() || m_owner == Owner::kAbsent || (m_owner == Owner::kPresent && m_answeredOnce);
}

void CNetworkManagerLinks::MarkChanged() {
    m_changed = true;
    StartRoundIfIdle();
}

void CNetworkManagerLinks::AskOwner() {
    if (m_askingOwner) {
        return;
    }
    m_askingOwner = true;
    QDBusMessage call = QDBusMessage::createMethodCall(kBusService, QStringLiteral("/org/freedesktop/DBus"),
                                                       kBusService, QStringLiteral("NameHasOwner"));
    call << kService;
    Ask(call, [this](const QDBusMessage& reply) {
        m_askingOwner = false;
        // A change of owner followed meanwhile is newer than this answer.
        if (m_owner == Owner::kUnknown && reply.type() == QDBusMessage::ReplyMessage) {
            SetOwner(Answer<bool>(reply) ? Owner::kPresent : Owner::kAbsent);
        }
    });
}

void CNetworkManagerLinks::SetOwner(Owner owner) {
    m_owner = owner;
    m_round.reset(); // what the round asked says nothing of a NetworkManager that has left or replaced it
    m_retry = false;
    if (owner == Owner::kAbsent) {
        m_links.reset();
        m_changed = false;
        emit Answered();
        return;
    }
    m_changed = true;
    StartRoundIfIdle();
}

void CNetworkManagerLinks::StartRoundIfIdle() {
    if (m_round || m_owner != Owner::kPresent) {
        return;
    }
    m_changed = false;
    m_retry = false;
    m_round = std::make_shared<Round>();
    AskManager(m_round);
}

void CNetworkManagerLinks::AskManager(const std::shared_ptr<Round>& round) {
    AskInRound(round, GetAllCall(kPath, kManager), [this, round](const QDBusMessage& reply) {
        const QVariantMap manager = Answer<QVariantMap>(reply);
        if (!manager.contains(QStringLiteral("ActiveConnections"))) {
            round->unanswered = true; // it is on the bus, so the links are as they were
            return;
        }
        const QList<QDBusObjectPath> active = ObjectPaths(manager.value(QStringLiteral("ActiveConnections")));
        round->links.resize(active.size());
        for (qsizetype i = 0; i < active.size(); ++i) {
            AskActiveConnection(round, static_cast<size_t>(i), active[i].path());
        }
    });
}

void CNetworkManagerLinks::AskActiveConnection(const std::shared_ptr<Round>& round, size_t index, const QString& path) {
    AskInRound(round, GetAllCall(path, kActive), [this, round, index, path](const QDBusMessage& reply) {
        const QVariantMap connection = Answer<QVariantMap>(reply);
        const QString type = connection.value(QStringLiteral("Type")).toString();
        if (IsDialUpType(type)) {
            AskDevice(round, index, path, connection);
        } else if (type == kBluetooth) {
            const QString profile = connection.value(QStringLiteral("Connection")).value<QDBusObjectPath>().path();
            AskInRound(round, GetSettingsCall(profile),
                       [this, round, index, path, connection](const QDBusMessage& settings) {
                           if (IsDialUpProfile(Answer<Settings>(settings))) {
                               AskDevice(round, index, path, connection);
                           }
                       });
        }
    });
}

void CNetworkManagerLinks::AskDevice(const std::shared_ptr<Round>& round, size_t index, const QString& path,
                                     const QVariantMap& connection) {
    const QList<QDBusObjectPath> devices = ObjectPaths(connection.value(QStringLiteral("Devices")));
    if (devices.isEmpty()) {
        round->links[index] = CountingLink(path, connection, {});
        return;
    }
    AskInRound(round, GetAllCall(devices.first().path(), kDevice),
               [round, index, path, connection](const QDBusMessage& reply) {
                   round->links[index] = CountingLink(path, connection, Answer<QVariantMap>(reply));
               });
}

void CNetworkManagerLinks::AskInRound(const std::shared_ptr<Round>& round, const QDBusMessage& call,
                                      std::function<void(const QDBusMessage&)> then) {
    ++round->outstanding;
    Ask(call, [this, round, then = std::move(then)](const QDBusMessage& reply) {
        if (round != m_round) {
            return; // given up: NetworkManager left or was replaced meanwhile
        }
        round->unanswered = round->unanswered || IsUnanswered(reply);
        if (!round->unanswered) {
            then(reply);
        }
        if (--round->outstanding == 0) {
            FinishRound();
        }
    });
}

void CNetworkManagerLinks::FinishRound() {
    const std::shared_ptr<Round> round = std::exchange(m_round, nullptr);
    m_retry = round->unanswered;
    if (!round->unanswered) {
        std::vector<DialUpLink> links;
        for (std::optional<DialUpLink>& link : round->links) {
            if (link) {
                links.push_back(std::move(*link));
            }
        }
        m_links = std::move(links);
        m_answeredOnce = true;
    }
    if (m_changed) {
        StartRoundIfIdle(); // a change signalled while the round was out
    }
    emit Answered();
}

void CNetworkManagerLinks::Ask(const QDBusMessage& call, std::function<void(const QDBusMessage&)> then) {
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, then = std::move(then)] {
        watcher->deleteLater();
        then(watcher->reply());
    });
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
        if (settings && IsDialUpProfile(*settings)) {
            names.push_back(
                settings->value(QStringLiteral("connection")).value(QStringLiteral("id")).toString().toStdString());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
