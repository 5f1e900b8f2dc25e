#include "platform/MeterBusService.h"

#include "platform/ApplicationAdaptor.h"
#include "platform/MeterAdaptor.h"
#include "platform/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

constexpr int kActivateTimeoutMs = 5000;

QDBusConnection Bus() {
    return QDBusConnection::sessionBus();
}

} // namespace

QString CMeterBusService::FolderName(const std::string& dataDirectory) {
    return QString::fromLatin1(kName) + QStringLiteral(".Folder_") +
           QString::fromStdString(CSingleInstance::FolderKey(dataDirectory));
}

bool CMeterBusService::ActivateRunning(const std::string& dataDirectory, const QString& token) {
    if (!Bus().isConnected()) {
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
    // The folder's lock is held: no other meter of this folder can own its name.
    m_onBus = bus.registerService(m_folderName);
    m_ownsPlainName = m_onBus && bus.registerService(QString::fromLatin1(kName));
    m_announced = m_meter->Properties();
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
    if (m_ownsPlainName) {
        bus.unregisterService(QString::fromLatin1(kName));
    }
    bus.unregisterService(m_folderName);
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
