#pragma once

#include "metering/MeterObserver.h"

#include <QObject>
#include <QString>

#include <map>
#include <optional>

// The session's notification service (org.freedesktop.Notifications), through which GNOME, KDE and
// screen readers present what the meter has to say. A notice replaces the last one of its kind.
class CDesktopNotifications {
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";

    // appName names the sender; the icon is the program's icon by its theme name.
    CDesktopNotifications(QString appName, QString iconName);

    // Sends the notice, without waiting for the service; false when the session has no service to
    // take it (no session bus, or nobody serves notifications), and the caller tells it otherwise.
    bool Show(const MeterNotice& notice);

private:
    bool IsServed() const;
    // Whether the service reads markup in a notification's body, asked once.
    bool ReadsMarkup();

    QString m_appName;
    QString m_iconName;
    std::map<MeterNotice::Kind, uint> m_lastIds;
    std::optional<bool> m_readsMarkup;
    QObject m_calls; // the answers still awaited; they go with it
};
