#include "cli/LiveMeter.h"

#include "platform/MeterAdaptor.h"
#include "platform/MeterBusService.h"
#include "platform/SingleInstance.h"

#include "settings/DateTimeText.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDateTime>

#include <array>
#include <cmath>

namespace {

constexpr int kAskTimeoutMs = 5000;

// Amounts as the meter sends them, in currency units: one that is no ten-thousandths a CMoney can
// hold is no meter's figure.
bool IsAmount(const QVariant& value) {
    const double tenThousandths = value.toDouble() * 10000.0;
    return value.metaType() == QMetaType::fromType<double>() && std::isfinite(tenThousandths) &&
           tenThousandths >= -0x1p63 && tenThousandths < 0x1p63;
}

constexpr std::array<const char*, 4> kCounters = {"DailyCosts", "WeeklyCosts", "MonthlyCosts", "TotalCosts"};

// The first property that is missing or not of its kind; nothing when every one is.
std::optional<std::string> FindImpossibleProperty(const QVariantMap& meter) {
    const auto is = [&meter](const char* name, QMetaType type) {
        return meter.value(QString::fromLatin1(name)).metaType() == type;
    };
    for (const char* name : {"Connection", "User", "Device", "Tariff", "Started", "DataFolder"}) {
        if (!is(name, QMetaType::fromType<QString>())) {
            return name;
        }
    }
    for (const char* name : {"Seconds", "SecondsToNextUnit"}) {
        if (!is(name, QMetaType::fromType<qulonglong>())) {
            return name;
        }
    }
    if (!is("Units", QMetaType::fromType<uint>())) {
        return "Units";
    }
    if (!is("Connected", QMetaType::fromType<bool>())) {
        return "Connected";
    }
    for (const char* name : {"Costs", kCounters[0], kCounters[1], kCounters[2], kCounters[3]}) {
        if (!IsAmount(meter.value(QString::fromLatin1(name)))) {
            return name;
        }
    }
    return std::nullopt;
}

} // namespace

CLiveMeter CLiveMeter::Ask(const std::string& dataDirectory) {
    const std::optional<int> owner = CMeterBusService::FolderNameOwner(dataDirectory);
    if (!owner) {
        return {};
    }
    if (!CSingleInstance::HoldsFolder(dataDirectory, *owner)) {
        return {std::nullopt, "its name on the session bus is owned by " + CSingleInstance::DescribeProcess(*owner) +
                                  ", which does not hold the data folder"};
    }
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        CMeterBusService::FolderName(dataDirectory), QString::fromLatin1(CMeterBusService::kMeterPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    getAll << QString::fromLatin1(CMeterAdaptor::kInterface);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(getAll, QDBus::Block, kAskTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {std::nullopt, "the meter " + CSingleInstance::DescribeProcess(*owner) + " did not answer"};
    }
    const QVariantMap meter = qdbus_cast<QVariantMap>(reply.arguments().front());
    if (const std::optional<std::string> impossible = FindImpossibleProperty(meter)) {
        return {std::nullopt, "the meter " + CSingleInstance::DescribeProcess(*owner) + " answered a value of " +
                                  *impossible + " that no meter gives"};
    }
    // The folder as the meter names it, through the same conversion to text as this one's.
    const std::string folder = QString::fromStdString(dataDirectory).toStdString();
    if (CSingleInstance::FolderKey(meter.value(QStringLiteral("DataFolder")).toString().toStdString()) !=
        CSingleInstance::FolderKey(folder)) {
        return {std::nullopt, "the meter " + CSingleInstance::DescribeProcess(*owner) + " meters another folder"};
    }
    return {meter, {}};
}

MeterStatus CLiveMeter::StatusOf(const QVariantMap& meter) {
    const auto text = [&meter](const char* name) { return meter.value(QString::fromLatin1(name)).toString(); };
    const auto number = [&meter](const char* name) { return meter.value(QString::fromLatin1(name)).toULongLong(); };
    const auto amount = [&meter](const char* name) {
        return CMoney(std::llround(meter.value(QString::fromLatin1(name)).toDouble() * 10000.0));
    };
    MeterStatus status;
    status.live = true;
    status.state =
        meter.value(QStringLiteral("Connected")).toBool() ? MeterStatus::State::Connected : MeterStatus::State::Idle;
    status.connection = text("Connection").toStdString();
    status.device = text("Device").toStdString();
    status.user = text("User").toStdString();
    status.tariff = text("Tariff").toStdString();
    status.startedIso = text("Started").toStdString();
    // The meter says when in its own time zone; this terminal's is the one its user reads.
    const QDateTime started = QDateTime::fromString(text("Started"), Qt::ISODate);
    if (started.isValid()) {
        status.started = CDateTimeText().Format(CDateTime::FromMoment(started.toSecsSinceEpoch()));
    }
    status.seconds = number("Seconds");
    status.units = number("Units");
    status.costs = amount("Costs");
    status.secondsToNextUnit = number("SecondsToNextUnit");
    for (size_t i = 0; i < kCounters.size(); ++i) {
        status.counters[i] = amount(kCounters[i]);
    }
    status.dataFolder = text("DataFolder").toStdString();
    return status;
}
