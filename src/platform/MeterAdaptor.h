#pragma once

#include <QDBusAbstractAdaptor>
#include <QVariantMap>

class CMeterLoop;

// The live meter on the session bus, for panels, status bars and scripts: read-only properties of
// the running connection and the counters, and a signal at a connection's start, each unit and
// its end. Amounts are in currency units; Started is ISO 8601 with the offset from UTC; seconds are
// 64 bits, as the meter times them.
class CMeterAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.fernzahl.Meter1")
    Q_PROPERTY(bool Connected READ Connected)
    Q_PROPERTY(QString Connection READ Connection)
    Q_PROPERTY(QString User READ User)
    Q_PROPERTY(QString Device READ Device)
    Q_PROPERTY(QString Tariff READ Tariff)
    Q_PROPERTY(QString Started READ Started)
    Q_PROPERTY(qulonglong Seconds READ Seconds)
    Q_PROPERTY(uint Units READ Units)
    Q_PROPERTY(double Costs READ Costs)
    Q_PROPERTY(qulonglong SecondsToNextUnit READ SecondsToNextUnit)
    Q_PROPERTY(QString DataFolder READ DataFolder)
    Q_PROPERTY(double DailyCosts READ DailyCosts)
    Q_PROPERTY(double WeeklyCosts READ WeeklyCosts)
    Q_PROPERTY(double MonthlyCosts READ MonthlyCosts)
    Q_PROPERTY(double TotalCosts READ TotalCosts)
public:
    static constexpr const char* kInterface = "org.fernzahl.Meter1";

    CMeterAdaptor(const CMeterLoop& loop, QString dataFolder, QObject* object);

    // Every property as it is now, by its name on the bus.
    QVariantMap Properties() const;

    bool Connected() const;
    QString Connection() const;
    QString User() const;
    QString Device() const;
    QString Tariff() const;
    QString Started() const;
    qulonglong Seconds() const;
    uint Units() const;
    double Costs() const;
    qulonglong SecondsToNextUnit() const;
    QString DataFolder() const { return m_dataFolder; }
    double DailyCosts() const;
    double WeeklyCosts() const;
    double MonthlyCosts() const;
    double TotalCosts() const;

signals:
    void ConnectionStarted(const QString& connection);
    void UnitCharged(uint units, double costs);
    void ConnectionEnded(const QString& connection, qulonglong seconds, uint units, double costs);

private:
    const CMeterLoop& m_loop;
    QString m_dataFolder;
};
