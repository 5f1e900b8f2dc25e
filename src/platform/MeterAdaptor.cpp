#include "platform/MeterAdaptor.h"

#include "metering/MeterLoop.h"

#include <QDateTime>
#include <QMetaProperty>

namespace {

double Amount(const CMoney& money) {
    return static_cast<double>(money.GetValue()) / 10000.0;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CMeterAdaptor::CMeterAdaptor(const CMeterLoop& loop, QString dataFolder, QObject* object)
    : QDBusAbstractAdaptor(object), m_loop(loop), m_dataFolder(std::move(dataFolder)) {}

QVariantMap CMeterAdaptor::Properties() const {
    QVariantMap properties;
    const QMetaObject* meta = metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        properties.insert(QString::fromLatin1(meta->property(i).name()), meta->property(i).read(this));
    }
    return properties;
}

bool CMeterAdaptor::Connected() const {
    return m_loop.Reading().connected;
}

QString CMeterAdaptor::Connection() const {
    return Text(m_loop.Reading().connection);
}

QString CMeterAdaptor::User() const {
    return Text(m_loop.Reading().user);
}

QString CMeterAdaptor::Device() const {
    return Text(m_loop.Reading().device);
}

QString CMeterAdaptor::Tariff() const {
    return Text(m_loop.Reading().tariff);
}

QString CMeterAdaptor::Started() const {
    const MeterReading reading = m_loop.Reading();
    if (!reading.connected || !reading.started.IsValid()) {
        return {};
    }
    const QDateTime local = QDateTime::fromSecsSinceEpoch(reading.started.ToMoment());
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

qulonglong CMeterAdaptor::Seconds() const {
    return m_loop.Reading().seconds;
}

uint CMeterAdaptor::Units() const {
    return m_loop.Reading().units;
}

double CMeterAdaptor::Costs() const {
    return Amount(m_loop.Reading().costs);
}

qulonglong CMeterAdaptor::SecondsToNextUnit() const {
    return m_loop.Reading().secondsToNextUnit;
}

double CMeterAdaptor::DailyCosts() const {
    return Amount(m_loop.Reading().counterCosts[CMeterStation::kDaily]);
}

double CMeterAdaptor::WeeklyCosts() const {
    return Amount(m_loop.Reading().counterCosts[CMeterStation::kWeekly]);
}

double CMeterAdaptor::MonthlyCosts() const {
    return Amount(m_loop.Reading().counterCosts[CMeterStation::kMonthly]);
}

double CMeterAdaptor::TotalCosts() const {
    return Amount(m_loop.Reading().counterCosts[CMeterStation::kTotal]);
}
