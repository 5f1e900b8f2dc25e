#include "cli/StatusCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "metering/MeterStation.h"
#include "platform/MeterAdaptor.h"
#include "platform/MeterBusService.h"
#include "settings/Formatting.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QTimer>

#include <cmath>
#include <optional>
#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2, ""};
constexpr int kAskTimeoutMs = 5000;
constexpr int kFollowIntervalMs = 1000;

// The meter's properties; nothing when no meter of the folder answers.
std::optional<QVariantMap> ReadMeter(const std::string& dataDirectory) {
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        CMeterBusService::FolderName(dataDirectory), QString::fromLatin1(CMeterBusService::kMeterPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    getAll << QString::fromLatin1(CMeterAdaptor::kInterface);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(getAll, QDBus::Block, kAskTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return qdbus_cast<QVariantMap>(reply.arguments().front());
}

std::string Amount(const QVariant& value) {
    return FormatAmount(CMoney(std::llround(value.toDouble() * 10000.0)), kPlain);
}

std::string Text(const QVariantMap& meter, const char* name) {
    return meter.value(QString::fromLatin1(name)).toString().toStdString();
}

// Seconds come as 64 bits, units as 32: either is read whole.
qulonglong Number(const QVariantMap& meter, const char* name) {
    return meter.value(QString::fromLatin1(name)).toULongLong();
}

constexpr std::array<const char*, 4> kCounters = {"DailyCosts", "WeeklyCosts", "MonthlyCosts", "TotalCosts"};

std::string StatusJson(const QVariantMap& meter) {
    const bool connected = meter.value(QStringLiteral("Connected")).toBool();
    std::string json = "{\"connected\":" + std::string(connected ? "true" : "false");
    if (connected) {
        json += ",\"connection\":" + JsonString(Text(meter, "Connection")) +
                ",\"user\":" + JsonString(Text(meter, "User")) + ",\"device\":" + JsonString(Text(meter, "Device")) +
                ",\"tariff\":" + JsonString(Text(meter, "Tariff")) +
                ",\"started\":" + JsonString(Text(meter, "Started")) +
                ",\"seconds\":" + std::to_string(Number(meter, "Seconds")) +
                ",\"units\":" + std::to_string(Number(meter, "Units")) +
                ",\"costs\":" + Amount(meter.value(QStringLiteral("Costs"))) +
                ",\"secondsToNextUnit\":" + std::to_string(Number(meter, "SecondsToNextUnit"));
    }
    json += ",\"meter\":true,\"counters\":{";
    const char* names[] = {"daily", "weekly", "monthly", "total"};
    for (size_t i = 0; i < kCounters.size(); ++i) {
        json += std::string(i ? "," : "") + "\"" + names[i] +
                "\":" + Amount(meter.value(QString::fromLatin1(kCounters[i])));
    }
    return json + "},\"dataFolder\":" + JsonString(Text(meter, "DataFolder")) + "}\n";
}

std::string StatusText(const QVariantMap& meter) {
    std::string text;
    if (meter.value(QStringLiteral("Connected")).toBool()) {
        text = "Connected:     " + Text(meter, "Connection") + " (" + Text(meter, "Device") + ", " +
               Text(meter, "User") + ")\nTariff:        " + Text(meter, "Tariff") +
               "\nStarted:       " + Text(meter, "Started") +
               "\nTime:          " + FormatDuration(Number(meter, "Seconds") / 86400.0, kPlain) +
               "\nUnits:         " + std::to_string(Number(meter, "Units")) +
               "\nCosts:         " + Amount(meter.value(QStringLiteral("Costs"))) +
               "\nNext unit in:  " + std::to_string(Number(meter, "SecondsToNextUnit")) + " s\n";
    } else {
        text = "Connected:     no\n";
    }
    const char* labels[] = {"Today:         ", "This week:     ", "This month:    ", "Total:         "};
    for (size_t i = 0; i < kCounters.size(); ++i) {
        text += labels[i] + Amount(meter.value(QString::fromLatin1(kCounters[i]))) + "\n";
    }
    return text + "Data folder:   " + Text(meter, "DataFolder") + "\n";
}

std::string NoMeterText(const CliContext& context, bool json) {
    return json ? "{\"connected\":false,\"meter\":false,\"dataFolder\":" + JsonString(context.dataDirectory) + "}\n"
                : "No meter runs for " + context.dataDirectory + "\n";
}

} // namespace

int RunStatusCommand(const std::vector<std::string>& words, const CliContext& context) {
    CCommandOptions options;
    if (!options.Parse(words, {}, {"--json", "--follow"})) {
        return WrongUse(context.err, "status", options.GetError());
    }
    const bool json = options.Has("--json");
    const auto show = [&](const std::optional<QVariantMap>& meter) {
        const std::string text = meter ? (json ? StatusJson(*meter) : StatusText(*meter)) : NoMeterText(context, json);
        std::fputs(text.c_str(), context.out);
        std::fflush(context.out);
    };
    int argc = 1;
    char name[] = "fernzahl-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    std::optional<QVariantMap> meter = ReadMeter(context.dataDirectory);
    if (!options.Has("--follow")) {
        if (!meter) {
            context.err << "fernzahl-cli: no meter runs for " << context.dataDirectory
                        << " (neither Fernzahl nor fernzahl-cli run, on this session's bus)\n";
            return kNoMeterRuns;
        }
        show(meter);
        return 0;
    }
    // Asked once a second: a line whenever the answer changed, also when the meter comes or goes.
    show(meter);
    QTimer ask;
    QObject::connect(&ask, &QTimer::timeout, [&] {
        std::optional<QVariantMap> now = ReadMeter(context.dataDirectory);
        if (now != meter) {
            meter = std::move(now);
            show(meter);
        }
    });
    ask.start(kFollowIntervalMs);
    return application.exec();
}
