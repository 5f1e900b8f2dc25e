#pragma once

#include "metering/MeterObserver.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

// The session's notification service (org.freedesktop.Notifications), through which GNOME, KDE and
// screen readers present what the meter has to say. A notice replaces the last one of its kind.
//
// Nothing here waits for the bus: the heartbeat that sends a notice goes on, and a bus daemon or a
// service that stops answering costs a late fallback, never a late beat.
class CDesktopNotifications : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    // How long the service may take to answer (the bus may start it first); then it counts as absent.
    static constexpr int kAnswerTimeoutMs = 5000;

    // How a notice is told when the service cannot take it.
    using Fallback = std::function<void(const MeterNotice&)>;

    // appName names the sender; the icon is the program's icon by its theme name.
    CDesktopNotifications(QString appName, QString iconName);

    // Sends the notice and returns at once. When the session has no service to take it (no session
    // bus, nobody serves notifications, an error, no answer in time), fallback tells it instead: at
    // once without a bus, else from the event loop once that is known.
    void Show(const MeterNotice& notice, Fallback fallback);
    // At the program's end: waits a moment for the answers still due, so that the last notices
    // reach the service (or their fallback) before the process is gone.
    void Flush();

signals:
    // No answer is due any more.
    void Settled();

private slots:
    void OnOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    struct Waiting {
        MeterNotice notice;
        Fallback fallback;
    };

    // Whether the service reads markup in a body is asked once an owner; the notices wait for it.
    void AskCapabilities();
    void TakeCapabilities(std::optional<bool> readsMarkup);
    void Send(const Waiting& waiting);
    // Sends the call; onAnswer takes its answer, or its failure, from the event loop.
    void Ask(const QDBusMessage& call, std::function<void(QDBusPendingCallWatcher&)> onAnswer);

    QString m_appName;
    QString m_iconName;
    std::map<MeterNotice::Kind, uint> m_lastIds;
    std::optional<bool> m_readsMarkup;
    bool m_asking = false;
    int m_pending = 0;
    std::vector<Waiting> m_waiting;
};
