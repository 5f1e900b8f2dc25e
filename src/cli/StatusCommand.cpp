#include "cli/StatusCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandUsage.h"
#include "cli/CurrentCounters.h"
#include "cli/JsonText.h"
#include "cli/LiveMeter.h"
#include "cli/StatusLine.h"
#include "core/QuotedText.h"
#include "metering/Checkpoint.h"
#include "platform/CheckpointFile.h"
#include "platform/SingleInstance.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"

#include <QCoreApplication>
#include <QTimer>

#include <optional>
#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2, ""};
constexpr int kFollowIntervalMs = 1000;

enum class Format { Text, Json, Waybar, Line };

std::optional<Format> FormatNamed(const std::string& name) {
    if (name == "text") {
        return Format::Text;
    }
    if (name == "json") {
        return Format::Json;
    }
    if (name == "waybar") {
        return Format::Waybar;
    }
    if (name == "line") {
        return Format::Line;
    }
    return std::nullopt;
}

// What status learnt: the meter's figures, or that none runs and why.
struct Finding {
    MeterStatus status;
    std::string problem;            // why no meter could be read; empty when none runs or one answered
    std::optional<int> unreachable; // the process of a meter that holds the folder but cannot be asked
};

// A meter that cannot be asked (no session bus) is still known by the folder's lock: what it runs
// is what its checkpoint said last, the counters as its files hold them.
MeterStatus FromFiles(const std::string& dataDirectory) {
    MeterStatus status;
    status.state = MeterStatus::State::Idle;
    status.dataFolder = dataDirectory;
    const std::optional<std::string> text = CCheckpointFile(dataDirectory).Read();
    if (const std::optional<CCheckpoint> checkpoint = text ? CCheckpoint::Parse(*text) : std::nullopt) {
        const LogEntry& record = checkpoint->record;
        status.state = MeterStatus::State::Connected;
        status.connection = record.connectionName;
        status.device = record.deviceName;
        status.user = record.userName;
        status.tariff = record.tariffName;
        status.started = CDateTimeText().Format(record.start);
        status.startedIso = record.start.FormatIso();
        status.seconds = static_cast<uint64_t>(std::max<int64_t>(record.duration.GetTotalSeconds(), 0));
        status.units = static_cast<uint64_t>(std::max(record.units, 0));
        status.costs = record.costs;
    }
    if (const std::optional<CCurrentCounters> counters = CCurrentCounters::Read(dataDirectory, std::nullopt)) {
        for (size_t i = 0; i < status.counters.size(); ++i) {
            status.counters[i] = counters->counters[i].value_or(CounterState{}).costs;
        }
    }
    return status;
}

Finding Find(const std::string& dataDirectory) {
    const CLiveMeter live = CLiveMeter::Ask(dataDirectory);
    Finding finding;
    finding.status.dataFolder = dataDirectory;
    if (live.meter) {
        finding.status = CLiveMeter::StatusOf(*live.meter);
        return finding;
    }
    finding.problem = live.problem;
    const std::optional<int> holder = CSingleInstance::FolderHolder(dataDirectory);
    if (live.problem.empty() && holder) {
        finding.status = FromFiles(dataDirectory);
        finding.unreachable = holder;
    }
    return finding;
}

std::string StatusJson(const Finding& finding) {
    const MeterStatus& s = finding.status;
    if (s.state == MeterStatus::State::Stopped) {
        return "{\"connected\":false,\"meter\":false,\"dataFolder\":" + JsonString(s.dataFolder) + "}";
    }
    const bool connected = s.state == MeterStatus::State::Connected;
    std::string json = "{\"connected\":" + std::string(connected ? "true" : "false");
    if (connected) {
        json += ",\"connection\":" + JsonString(s.connection) + ",\"user\":" + JsonString(s.user) +
                ",\"device\":" + JsonString(s.device) + ",\"tariff\":" + JsonString(s.tariff) +
                ",\"started\":" + JsonString(s.startedIso) + ",\"seconds\":" + std::to_string(s.seconds) +
                ",\"units\":" + std::to_string(s.units) + ",\"costs\":" + FormatAmount(s.costs, kPlain) +
                (s.live ? ",\"secondsToNextUnit\":" + std::to_string(s.secondsToNextUnit) : "");
    }
    json += ",\"meter\":true,\"live\":" + std::string(s.live ? "true" : "false");
    if (finding.unreachable) {
        json += ",\"pid\":" + std::to_string(*finding.unreachable);
    }
    json += ",\"counters\":{";
    const char* names[] = {"daily", "weekly", "monthly", "total"};
    for (size_t i = 0; i < s.counters.size(); ++i) {
        json += std::string(i ? "," : "") + "\"" + names[i] + "\":" + FormatAmount(s.counters[i], kPlain);
    }
    return json + "},\"dataFolder\":" + JsonString(s.dataFolder) + "}";
}

std::string StatusText(const Finding& finding) {
    const MeterStatus& s = finding.status;
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    std::string text;
    if (finding.unreachable) {
        text = "Meter:         " + CSingleInstance::DescribeProcess(*finding.unreachable) +
               ", which cannot be asked without the session bus; as its files say:\n";
    }
    if (s.state == MeterStatus::State::Connected) {
        text +=
            "Connected:     " + EscapeForLine(s.connection) + " (" + EscapeForLine(s.device) + ", " +
            EscapeForLine(s.user) + ")\nTariff:        " + EscapeForLine(s.tariff) + "\nStarted:       " + s.started +
            "\nTime:          " + FormatDuration(static_cast<double>(s.seconds) / 86400.0, facts) +
            "\nUnits:         " + std::to_string(s.units) + "\nCosts:         " + FormatAmount(s.costs, facts) + "\n";
        if (s.live) {
            text += "Next unit in:  " + std::to_string(s.secondsToNextUnit) + " s\n";
        }
    } else {
        text += "Connected:     no\n";
    }
    const char* labels[] = {"Today:         ", "This week:     ", "This month:    ", "Total:         "};
    for (size_t i = 0; i < s.counters.size(); ++i) {
        text += labels[i] + FormatAmount(s.counters[i], facts) + "\n";
    }
    return text + "Data folder:   " + EscapeForLine(s.dataFolder);
}

std::string Show(const Finding& finding, Format format) {
    switch (format) {
    case Format::Json:
        return StatusJson(finding);
    case Format::Waybar:
        return WaybarLine(finding.status, LocaleFacts::FromCLibrary());
    case Format::Line:
        return StatusBarText(finding.status, LocaleFacts::FromCLibrary());
    case Format::Text:
        break;
    }
    return StatusText(finding);
}

} // namespace

int RunStatusCommand(const std::vector<std::string>& words, const CliContext& context) {
    CCommandOptions options;
    if (!options.Parse(words, {"--format"}, {"--json", "--follow"})) {
        return WrongUse(context.err, "status", options.GetError());
    }
    const bool follow = options.Has("--follow");
    // Following, text is a line too: a status bar, or a terminal's last line, reads one per change.
    std::optional<Format> format = options.Has("--json")     ? Format::Json
                                   : options.Has("--format") ? FormatNamed(options.Get("--format").value_or(""))
                                   : follow                  ? Format::Line
                                                             : Format::Text;
    if (!format) {
        return WrongUse(context.err, "status",
                        "unknown format '" + options.Get("--format").value_or("") + "' (text, json, waybar or line)");
    }
    const auto write = [&](const std::string& shown) {
        const std::string line = shown + "\n";
        return std::fputs(line.c_str(), context.out) >= 0 && std::fflush(context.out) == 0;
    };
    int argc = 1;
    char name[] = "fernzahl-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const Finding finding = Find(context.dataDirectory);
    const bool stopped = finding.status.state == MeterStatus::State::Stopped;
    if (!follow) {
        if (stopped) {
            context.err << "fernzahl-cli: no meter runs for " << context.dataDirectory
                        << (finding.problem.empty() ? " (neither Fernzahl nor fernzahl-cli run)"
                                                    : ": " + finding.problem)
                        << '\n';
            // A status bar shows that too, in its own line.
            if (*format != Format::Waybar && *format != Format::Line) {
                return kNoMeterRuns;
            }
        }
        if (!write(Show(finding, *format))) {
            return 1; // told where every command's output is checked
        }
        return stopped ? kNoMeterRuns : 0;
    }
    // Asked once a second: a line whenever it would read otherwise, also when the meter comes or goes.
    std::string shown = Show(finding, *format);
    if (!write(shown)) {
        return 1;
    }
    QTimer ask;
    QObject::connect(&ask, &QTimer::timeout, [&] {
        const std::string now = Show(Find(context.dataDirectory), *format);
        if (now != shown) {
            shown = now;
            if (!write(shown)) {
                QCoreApplication::exit(1); // the bar that read it went away
            }
        }
    });
    ask.start(kFollowIntervalMs);
    return application.exec();
}
