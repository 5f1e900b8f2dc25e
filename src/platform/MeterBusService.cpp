#include "platform/MeterBusService.h"

#include "platform/ApplicationAdaptor.h"
#include "platform/MeterAdaptor.h"
#include "platform/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>

namespace {

constexpr int kActivateTimeoutMs = 5000;
constexpr int kOwnerTimeoutMs = 5000;
// RequestName: no flags queues the caller behind the owner, and lets no later caller take the name.
constexpr uint kQueueWithoutReplacement = 0;
constexpr uint kInQueue = 2;

QDBusConnection Bus() {
    return QDBusConnection::sessionBus();
}

QDBusMessage CallBusDaemon(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                          QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), method);
}

} // namespace

QString CMeterBusService::FolderName(const std::string& dataDirectory) {
    return QString::fromLatin1(kName) + QStringLiteral(".Folder_") +
           QString::fromStdString(CSingleInstance::FolderKey(dataDirectory));
}

std::optional<int> CMeterBusService::FolderNameOwner(const std::string& dataDirectory) {
    if (!Bus().isConnected()) {
        return std::nullopt;
    }
    QDBusMessage ask = CallBusDaemon(QStringLiteral("GetConnectionUnixProcessID"));
    ask << FolderName(dataDirectory);
    const QDBusReply<uint> pid = Bus().call(ask, QDBus::Block, kOwnerTimeoutMs);
    if (!pid.isValid()) {
        return std::nullopt;
    }
    return static_cast<int>(pid.value());
}

bool CMeterBusService::ActivateRunning(const std::string& dataDirectory, const QString& token) {
    const std::optional<int> owner = FolderNameOwner(dataDirectory);
    if (!owner || !CSingleInstance::HoldsFolder(dataDirectory, *owner)) {
        return false;
    }
    QDBusMessage activate =
        QDBusMessage::createMethodCall(FolderName(dataDirectory), QString::fromLatin1(kApplicationPath),
                                       QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
    QVariantMap platformData;
    if (!token.isEmpty()) {
        platformData.insert(QStringLiteral("activation-token"), token);
        platformData.insert(QStringLiteral("desktop-startup-id"), token);
    }
    activate << platformData;
    return Bus().call(activate, QDBus::Block, kActivateTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

QString CMeterBusService::StartToken() {
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return token.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : token;
}

CMeterBusService::CMeterBusService(const CMeterLoop& loop, const std::string& dataDirectory, bool withWindow,
                                   QObject* parent)
    : QObject(parent), m_meter(new CMeterAdaptor(loop, QString::fromStdString(dataDirectory), &m_meterObject)),
      m_folderName(FolderName(dataDirectory)), m_withWindow(withWindow) {
    if (withWindow) {
        auto* application = new CApplicationAdaptor(&m_applicationObject);
        connect(application, &CApplicationAdaptor::ActivateRequested, this, &CMeterBusService::ActivateRequested);
    }
    QDBusConnection bus = Bus();
    if (!bus.isConnected() ||
        !bus.registerObject(QString::fromLatin1(kMeterPath), &m_meterObject, QDBusConnection::ExportAdaptors)) {
        return;
    }
    if (withWindow) {
        bus.registerObject(QString::fromLatin1(kApplicationPath), &m_applicationObject,
                           QDBusConnection::ExportAdaptors);
    }
    m_onBus = true;
    m_announced = m_meter->Properties();
    // The bus daemon tells each name gained, at once or when the owner before lets it go.
    bus.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameAcquired"), this,
                SLOT(OnNameAcquired(QString)));
    RequestName(m_folderName);
    RequestName(QString::fromLatin1(kName));
}

CMeterBusService::~CMeterBusService() {
    if (!m_onBus) {
        return;
    }
    QDBusConnection bus = Bus();
    bus.unregisterObject(QString::fromLatin1(kMeterPath));
    if (m_withWindow) {
        bus.unregisterObject(QString::fromLatin1(kApplicationPath));
    }
    // Out of the queue too; sent without waiting (the end of the process would let them go as well).
    for (const QString& name : {m_folderName, QString::fromLatin1(kName)}) {
        QDBusMessage release = CallBusDaemon(QStringLiteral("ReleaseName"));
        release << name;
        bus.send(release);
    }
}

void CMeterBusService::RequestName(const QString& name) {
    QDBusMessage request = CallBusDaemon(QStringLiteral("RequestName"));
    request << name << kQueueWithoutReplacement;
    auto* call = new QDBusPendingCallWatcher(Bus().asyncCall(request), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, name](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<uint> reply = *finished;
        if (!reply.isError() && reply.value() == kInQueue && !m_ownedNames.contains(name)) {
            TellOwner(name);
        }
    });
}

void CMeterBusService::TellOwner(const QString& name) {
    QDBusMessage ask = CallBusDaemon(QStringLiteral("GetConnectionUnixProcessID"));
    ask << name;
    auto* call = new QDBusPendingCallWatcher(Bus().asyncCall(ask), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, name](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<uint> pid = *finished;
        if (!m_ownedNames.contains(name)) {
            emit NameTaken(name, pid.isError() ? 0 : static_cast<int>(pid.value()));
        }
    });
}

void CMeterBusService::OnNameAcquired(const QString& name) {
    if ((name == m_folderName || name == QString::fromLatin1(kName)) && !m_ownedNames.contains(name)) {
        m_ownedNames.append(name);
        emit NameAcquired(name);
    }
}

void CMeterBusService::OnConnectionStarted() {
    AnnounceChanges(true);
    emit m_meter->ConnectionStarted(m_meter->Connection());
}

void CMeterBusService::OnMetering(int unitsCharged) {
    if (unitsCharged > 0) {
        emit m_meter->UnitCharged(m_meter->Units(), m_meter->Costs());
    }
    AnnounceChanges(false);
}

void CMeterBusService::OnConnectionEnded(const LogEntry& ended) {
    AnnounceChanges(true);
    emit m_meter->ConnectionEnded(QString::fromStdString(ended.connectionName),
                                  static_cast<qulonglong>(std::max<int64_t>(ended.duration.GetTotalSeconds(), 0)),
                                  static_cast<uint>(std::max(ended.units, 0)),
                                  static_cast<double>(ended.costs.GetValue()) / 10000.0);
}

void CMeterBusService::OnCountersChanged() {
    AnnounceChanges(true);
}

void CMeterBusService::AnnounceChanges(bool now) {
    if (!m_onBus || (!now && m_sinceAnnounced.isValid() && m_sinceAnnounced.elapsed() < kAnnounceIntervalMs)) {
        return;
    }
    const QVariantMap properties = m_meter->Properties();
    QVariantMap changed;
    for (auto property = properties.cbegin(); property != properties.cend(); ++property) {
        if (m_announced.value(property.key()) != property.value()) {
            changed.insert(property.key(), property.value());
        }
    }
    if (changed.isEmpty()) {
        return;
    }
    m_announced = properties;
    m_sinceAnnounced.start();
    QDBusMessage signal =
        QDBusMessage::createSignal(QString::fromLatin1(kMeterPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(CMeterAdaptor::kInterface) << changed << QStringList();
    Bus().send(signal);
}
