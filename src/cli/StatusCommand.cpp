#include "cli/StatusCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "core/QuotedText.h"
#include "metering/MeterStation.h"
#include "platform/MeterAdaptor.h"
#include "platform/MeterBusService.h"
#include "platform/SingleInstance.h"
#include "settings/Formatting.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QTimer>

#include <array>
#include <cmath>
#include <optional>
#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2, ""};
constexpr int kAskTimeoutMs = 5000;
constexpr int kFollowIntervalMs = 1000;

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

// What the folder's name on the bus answered: the meter's properties, or why there are none.
struct MeterAnswer {
    std::optional<QVariantMap> meter;
    std::string problem; // empty when no process owns the name
    bool operator==(const MeterAnswer&) const = default;
};

// The meter's properties, believed only from the process that holds the folder's lock: any program
// may own the folder's name on the bus first.
MeterAnswer ReadMeter(const std::string& dataDirectory) {
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

std::string Amount(const QVariant& value) {
    return FormatAmount(CMoney(std::llround(value.toDouble() * 10000.0)), kPlain);
}

std::string Text(const QVariantMap& meter, const char* name) {
    return meter.value(QString::fromLatin1(name)).toString().toStdString();
}

// A name on a line of its own: it must not make lines of its own.
std::string Name(const QVariantMap& meter, const char* name) {
    return EscapeForLine(Text(meter, name));
}

// Seconds come as 64 bits, units as 32: either is read whole.
qulonglong Number(const QVariantMap& meter, const char* name) {
    return meter.value(QString::fromLatin1(name)).toULongLong();
}

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
        text = "Connected:     " + Name(meter, "Connection") + " (" + Name(meter, "Device") + ", " +
               Name(meter, "User") + ")\nTariff:        " + Name(meter, "Tariff") +
               "\nStarted:       " + Name(meter, "Started") +
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
    return text + "Data folder:   " + Name(meter, "DataFolder") + "\n";
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
    MeterAnswer answer = ReadMeter(context.dataDirectory);
    if (!options.Has("--follow")) {
        if (!answer.meter) {
            context.err << "fernzahl-cli: no meter runs for " << context.dataDirectory
                        << (answer.problem.empty() ? " (neither Fernzahl nor fernzahl-cli run, on this session's bus)"
                                                   : ": " + answer.problem)
                        << '\n';
            return kNoMeterRuns;
        }
        show(answer.meter);
        return 0;
    }
    // Asked once a second: a line whenever the answer changed, also when the meter comes or goes.
    show(answer.meter);
    QTimer ask;
    QObject::connect(&ask, &QTimer::timeout, [&] {
        MeterAnswer now = ReadMeter(context.dataDirectory);
        if (now != answer) {
            answer = std::move(now);
            show(answer.meter);
        }
    });
    ask.start(kFollowIntervalMs);
    return application.exec();
}
