#include "cli/StatusLine.h"

#include "cli/JsonText.h"
#include "core/QuotedText.h"
#include "settings/Formatting.h"

namespace {

std::string Duration(uint64_t seconds, const LocaleFacts& facts) {
    return FormatDuration(static_cast<double>(seconds) / 86400.0, facts);
}

std::string Counters(const MeterStatus& status, const LocaleFacts& facts) {
    return "today " + FormatAmount(status.counters[0], facts) + ", this month " +
           FormatAmount(status.counters[2], facts);
}

} // namespace

std::string StatusBarText(const MeterStatus& status, const LocaleFacts& facts) {
    switch (status.state) {
    case MeterStatus::State::Connected:
        return "☎ " + FormatAmount(status.costs, facts) + " " + Duration(status.seconds, facts);
    case MeterStatus::State::Idle:
        return "today " + FormatAmount(status.counters[0], facts);
    case MeterStatus::State::Stopped:
        break;
    }
    return "no meter";
}

std::string StatusBarTooltip(const MeterStatus& status, const LocaleFacts& facts) {
    const std::string figuresFrom = status.live ? "" : "\n(as the meter last wrote it; it cannot be asked)";
    switch (status.state) {
    case MeterStatus::State::Connected:
        return EscapeForLine(status.connection) + " (" + EscapeForLine(status.device) + "), tariff " +
               EscapeForLine(status.tariff) + "\nsince " + status.started + ", " + std::to_string(status.units) +
               (status.units == 1 ? " unit" : " units") + "\n" + Counters(status, facts) + figuresFrom;
    case MeterStatus::State::Idle:
        return "no connection\n" + Counters(status, facts) + figuresFrom;
    case MeterStatus::State::Stopped:
        break;
    }
    return "no meter runs for " + EscapeForLine(status.dataFolder);
}

const char* StatusBarClass(const MeterStatus& status) {
    switch (status.state) {
    case MeterStatus::State::Connected:
        return "connected";
    case MeterStatus::State::Idle:
        return "idle";
    case MeterStatus::State::Stopped:
        break;
    }
    return "stopped";
}

std::string WaybarLine(const MeterStatus& status, const LocaleFacts& facts) {
    const std::string kind = JsonString(StatusBarClass(status));
    return "{\"text\":" + JsonString(StatusBarText(status, facts)) +
           ",\"tooltip\":" + JsonString(StatusBarTooltip(status, facts)) + ",\"class\":" + kind + ",\"alt\":" + kind +
           "}";
}
