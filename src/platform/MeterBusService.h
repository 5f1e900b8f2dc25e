#pragma once

#include "metering/MeterObserver.h"

#include <QElapsedTimer>
#include <QObject>
#include <QVariantMap>

#include <string>

class CApplicationAdaptor;
class CMeterAdaptor;
class CMeterLoop;

// The metering process on the session bus: it owns a name for its data folder
// ("org.fernzahl.Fernzahl.Folder_" and the folder's key) and, when no other meter has it, the plain
// "org.fernzahl.Fernzahl"; it exports the live meter at /org/fernzahl/Meter and, with a window,
// org.freedesktop.Application at /org/fernzahl/Fernzahl. While metering it tells of changed
// properties at most once a second; while idle it says nothing. Without a session bus it is idle.
class CMeterBusService : public QObject, public MeterObserver {
    Q_OBJECT
public:
    static constexpr const char* kName = "org.fernzahl.Fernzahl";
    static constexpr const char* kMeterPath = "/org/fernzahl/Meter";
    static constexpr const char* kApplicationPath = "/org/fernzahl/Fernzahl";
    static constexpr int kAnnounceIntervalMs = 1000;

    // The name the meter of a data folder always owns, whichever meter has the plain one.
    static QString FolderName(const std::string& dataDirectory);
    // Asks the program that meters the folder to show its window, handing over the token this
    // start was given; false when no window answered (none runs, or the meter has no window).
    static bool ActivateRunning(const std::string& dataDirectory, const QString& token);
    // The activation token this process was started with: Wayland's, else X11's startup id.
    static QString StartToken();

    CMeterBusService(const CMeterLoop& loop, const std::string& dataDirectory, bool withWindow,
                     QObject* parent = nullptr);
    ~CMeterBusService() override;

    bool IsOnBus() const { return m_onBus; }
    bool OwnsPlainName() const { return m_ownsPlainName; }

    void OnConnectionStarted() override;
    void OnMetering(int unitsCharged) override;
    void OnConnectionEnded(const LogEntry& ended) override;
    void OnCountersChanged() override;

signals:
    void ActivateRequested(const QString& token);

private:
    // Sends PropertiesChanged with what changed since the last time; unless now, only when that
    // was a second ago.
    void AnnounceChanges(bool now);

    QObject m_meterObject;
    QObject m_applicationObject;
    CMeterAdaptor* m_meter;
    QString m_folderName;
    bool m_onBus = false;
    bool m_ownsPlainName = false;
    bool m_withWindow;
    QVariantMap m_announced;
    QElapsedTimer m_sinceAnnounced;
};
