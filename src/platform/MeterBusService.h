#pragma once

#include "metering/MeterObserver.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <optional>
#include <string>

class CApplicationAdaptor;
class CMeterAdaptor;
class CMeterLoop;

// The metering process on the session bus: it asks for a name for its data folder
// ("org.fernzahl.Fernzahl.Folder_" and the folder's key) and the plain "org.fernzahl.Fernzahl",
// queued, so that it has each once no other process does (any program may take a name first; a
// reader believes the name's owner only when it holds the folder's lock). It exports the live meter
// at /org/fernzahl/Meter and, with a window, org.freedesktop.Application at /org/fernzahl/Fernzahl.
// While metering it tells of changed properties at most once a second; while idle it says nothing.
// Without a session bus it is idle. Nothing here waits for the bus: the names are asked for and
// followed asynchronously.
class CMeterBusService : public QObject, public MeterObserver {
    Q_OBJECT
public:
    static constexpr const char* kName = "org.fernzahl.Fernzahl";
    static constexpr const char* kMeterPath = "/org/fernzahl/Meter";
    static constexpr const char* kApplicationPath = "/org/fernzahl/Fernzahl";
    static constexpr int kAnnounceIntervalMs = 1000;

    // The name the meter of a data folder owns, whichever meter has the plain one.
    static QString FolderName(const std::string& dataDirectory);
    // The process that owns the folder's name, asked with a short timeout; nothing when the name
    // has no owner or the bus does not answer. It is the folder's meter only if it holds the
    // folder's lock (CSingleInstance::HoldsFolder).
    static std::optional<int> FolderNameOwner(const std::string& dataDirectory);
    // Asks the program that meters the folder to show its window, handing over the token this
    // start was given; false when no window answered (none runs, the meter has no window, or the
    // name belongs to a process that does not hold the folder).
    static bool ActivateRunning(const std::string& dataDirectory, const QString& token);
    // The activation token this process was started with: Wayland's, else X11's startup id.
    static QString StartToken();

    CMeterBusService(const CMeterLoop& loop, const std::string& dataDirectory, bool withWindow,
                     QObject* parent = nullptr);
    ~CMeterBusService() override;

    // Whether the meter is on a session bus (it owns its names then, or waits for them).
    bool IsOnBus() const { return m_onBus; }

    void OnConnectionStarted() override;
    void OnMetering(int unitsCharged) override;
    void OnConnectionEnded(const LogEntry& ended) override;
    void OnCountersChanged() override;

signals:
    void ActivateRequested(const QString& token);
    // Another process owns the name (its pid; 0 when the bus did not say): the meter waits for it.
    void NameTaken(const QString& name, int ownerPid);
    // The name is the meter's, at once or once the process that had it let it go.
    void NameAcquired(const QString& name);

private slots:
    void OnNameAcquired(const QString& name);

private:
    // Asks for the name, queued behind its owner and not to be taken away by another.
    void RequestName(const QString& name);
    // Finds out who has the name, then tells NameTaken.
    void TellOwner(const QString& name);
    // Sends PropertiesChanged with what changed since the last time; unless now, only when that
    // was a second ago.
    void AnnounceChanges(bool now);

    QObject m_meterObject;
    QObject m_applicationObject;
    CMeterAdaptor* m_meter;
    QString m_folderName;
    bool m_onBus = false;
    QStringList m_ownedNames;
    bool m_withWindow;
    QVariantMap m_announced;
    QElapsedTimer m_sinceAnnounced;
};
