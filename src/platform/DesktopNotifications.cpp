#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";

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
    : m_appName(std::move(appName)), m_iconName(std::move(iconName)) {
    // Another service (or none) may take over the name: what the last one could read says nothing of it.
    QDBusConnection::sessionBus().connect(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"), {QString::fromLatin1(kService)},
        QString(), this, SLOT(OnOwnerChanged(QString, QString, QString)));
}

void CDesktopNotifications::OnOwnerChanged(const QString& name, const QString&, const QString&) {
    if (name == QLatin1String(kService)) {
        m_readsMarkup.reset();
        m_lastIds.clear();
    }
}

void CDesktopNotifications::Show(const MeterNotice& notice, Fallback fallback) {
    if (!QDBusConnection::sessionBus().isConnected()) {
        if (fallback) {
            fallback(notice);
        }
        return;
    }
    m_waiting.push_back({notice, std::move(fallback)});
    if (m_readsMarkup) {
        TakeCapabilities(m_readsMarkup);
    } else {
        AskCapabilities();
    }
}

// The answer also tells whether anybody serves notifications: a bus that starts the service on
// demand does so for this call.
void CDesktopNotifications::AskCapabilities() {
    if (m_asking) {
        return;
    }
    m_asking = true;
    Ask(Call("GetCapabilities"), [this](QDBusPendingCallWatcher& call) {
        m_asking = false;
        const QDBusPendingReply<QStringList> reply = call;
        TakeCapabilities(reply.isValid() ? std::optional(reply.value().contains(QStringLiteral("body-markup")))
                                         : std::nullopt);
    });
}

void CDesktopNotifications::TakeCapabilities(std::optional<bool> readsMarkup) {
    m_readsMarkup = readsMarkup;
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    for (const Waiting& each : waiting) {
        if (m_readsMarkup) {
            Send(each);
        } else if (each.fallback) {
            each.fallback(each.notice);
        }
    }
}

void CDesktopNotifications::Send(const Waiting& waiting) {
    const MeterNotice& notice = waiting.notice;
    const QString text = QString::fromStdString(notice.text);
    QDBusMessage notify = Call("Notify");
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_iconName},
                            {QStringLiteral("urgency"), QVariant::fromValue(Urgency(notice))}};
    notify << m_appName << m_lastIds[notice.kind] << m_iconName << QString::fromStdString(notice.title)
           << (*m_readsMarkup ? text.toHtmlEscaped() : text) << QStringList() << hints << -1;
    // Its answer names the notification that the next one of this kind replaces; without one the
    // notice is told otherwise.
    Ask(notify, [this, waiting](QDBusPendingCallWatcher& call) {
        const QDBusPendingReply<uint> reply = call;
        if (reply.isValid()) {
            m_lastIds[waiting.notice.kind] = reply.value();
        } else if (waiting.fallback) {
            waiting.fallback(waiting.notice);
        }
    });
}

void CDesktopNotifications::Ask(const QDBusMessage& call, std::function<void(QDBusPendingCallWatcher&)> onAnswer) {
    ++m_pending;
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, onAnswer = std::move(onAnswer)](QDBusPendingCallWatcher* answered) {
                answered->deleteLater();
                --m_pending;
                onAnswer(*answered);
                if (m_pending == 0 && m_waiting.empty()) {
                    emit Settled();
                }
            });
}

void CDesktopNotifications::Flush() {
    constexpr int kFlushMs = 2000;
    if (m_pending == 0 && m_waiting.empty()) {
        return;
    }
    QEventLoop wait;
    QTimer::singleShot(kFlushMs, &wait, &QEventLoop::quit);
    connect(this, &CDesktopNotifications::Settled, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}
