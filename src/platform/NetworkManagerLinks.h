#pragma once

#include "detection/DialUpSource.h"

#include <QDBusConnection>
#include <QObject>

#include <string>
#include <vector>

// NetworkManager's dial-up connections (mobile broadband, PPPoE, ADSL, Bluetooth dial-up). Its
// state is read again only after NetworkManager signalled a change, so a poll without a change
// costs no D-Bus call; the signals arrive through the Qt event loop.
class CNetworkManagerLinks : public QObject {
    Q_OBJECT
public:
    // busAddress: a D-Bus address, or empty for the system bus.
    explicit CNetworkManagerLinks(const QString& busAddress);
    ~CNetworkManagerLinks() override;

    bool IsAvailable() const;
    // The dial-up connections whose device is configuring IP or activated; nothing without a
    // NetworkManager. When it does not answer, the links it answered last.
    std::optional<std::vector<DialUpLink>> ActiveLinks();
    // Whether NetworkManager announced a change that ActiveLinks has not read yet.
    bool HasUnreadChange() const { return m_changed; }
    // The names of the dial-up profiles NetworkManager knows, sorted.
    std::vector<std::string> DialUpProfiles();

private slots:
    void MarkChanged();

private:
    // False when NetworkManager could not be asked; the links are then as they were.
    bool Refresh();

    QDBusConnection m_bus;
    QString m_connectionName;
    bool m_changed = true;
    std::optional<std::vector<DialUpLink>> m_links;
};
