#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
constexpr int kAskTimeoutMs = 2000;

QDBusMessage Call(const char* method) {
    return QDBusMessage::createMethodCall(QString::fromLatin1(CDesktopNotifications::kService),
                                          QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
                                          QString::fromLatin1(method));
}

// A connection's start only informs; the rest is worth a look.
uchar Urgency(const MeterNotice& notice) {
    return notice.kind == MeterNotice::Kind::ConnectionStarted ? 0 : 1;
}

} // namespace

CDesktopNotifications::CDesktopNotifications(QString appName, QString iconName)
    : m_appName(std::move(appName)), m_iconName(std::move(iconName)) {}

bool CDesktopNotifications::IsServed() const {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    const QString service = QString::fromLatin1(kService);
    // A service started by the bus on the first call counts too.
    return bus.interface()->isServiceRegistered(service) ||
           bus.interface()->activatableServiceNames().value().contains(service);
}

bool CDesktopNotifications::ReadsMarkup() {
    if (!m_readsMarkup) {
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(Call("GetCapabilities"), QDBus::Block, kAskTimeoutMs);
        m_readsMarkup = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                        reply.arguments().front().toStringList().contains(QStringLiteral("body-markup"));
    }
    return *m_readsMarkup;
}

bool CDesktopNotifications::Show(const MeterNotice& notice) {
    if (!IsServed()) {
        return false;
    }
    const QString text = QString::fromStdString(notice.text);
    QDBusMessage notify = Call("Notify");
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_iconName},
                            {QStringLiteral("urgency"), QVariant::fromValue(Urgency(notice))}};
    notify << m_appName << m_lastIds[notice.kind] << m_iconName << QString::fromStdString(notice.title)
           << (ReadsMarkup() ? text.toHtmlEscaped() : text) << QStringList() << hints << -1;
    // Not waited for: the heartbeat goes on while the service answers. Its answer names the
    // notification that the next one of this kind replaces.
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), &m_calls);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_calls,
                     [this, kind = notice.kind](QDBusPendingCallWatcher* call) {
                         const QDBusPendingReply<uint> reply = *call;
                         if (reply.isValid()) {
                             m_lastIds[kind] = reply.value();
                         }
                         call->deleteLater();
                     });
    return true;
}
