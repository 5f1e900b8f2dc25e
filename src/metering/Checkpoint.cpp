#include "metering/Checkpoint.h"

#include "core/TimeRules.h"
#include "settings/IniDocument.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace {

constexpr const char* kSection = "Checkpoint";
constexpr const char* kRunSection = "Run";
constexpr uint32_t kVersion = 1;
constexpr std::array<const char*, 4> kCounterSections = {"Daily", "Weekly", "Monthly", "Total"};

// A value with a status as "status value": the status as stored in files, the value exactly.
template <class T> std::string WithStatus(ValueStatus status, T value) {
    char text[32]; // the shortest exact form of a double or a 64-bit number fits
    const char* end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::to_string(static_cast<int32_t>(status)) + ' ' + std::string(text, static_cast<size_t>(end - text));
}

template <class T> bool ParseWithStatus(std::string_view text, ValueStatus& status, T& value) {
    int32_t raw = -1;
    const char* end = text.data() + text.size();
    auto [p, error] = std::from_chars(text.data(), end, raw);
    if (error != std::errc() || raw < 0 || raw > 2 || p == end || *p != ' ') {
        return false;
    }
    auto [q, valueError] = std::from_chars(p + 1, end, value);
    status = static_cast<ValueStatus>(raw);
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return valueError == std::errc() && q == end;
}

class CReader {
public:
    CReader(const CIniDocument& doc, const char* section) : m_doc(doc), m_section(section) {}

    bool Text(const char* name, std::string& out) {
        return Get(name, SettingValue::Kind::String, [&](const SettingValue& v) { out = v.text; });
    }
    bool Number(const char* name, int32_t& out) {
        return Get(name, SettingValue::Kind::Number,
                   [&](const SettingValue& v) { out = static_cast<int32_t>(v.number); });
    }
    bool Date(const char* name, CDateTime& out) { return Parsed<double>(name, out); }
    bool Span(const char* name, CTimeSpan& out) { return Parsed<double>(name, out); }
    bool Money(const char* name, CMoney& out) { return Parsed<int64_t>(name, out); }
    bool Tick(const char* name, uint64_t& out) {
        std::string text;
        return Text(name, text) && !text.empty() &&
               std::from_chars(text.data(), text.data() + text.size(), out).ptr == text.data() + text.size();
    }
    bool Has(const char* name) const { return m_doc.Find(m_section, name) != nullptr; }

private:
    template <class Use> bool Get(const char* name, SettingValue::Kind kind, Use use) {
        const SettingValue* value = m_doc.Find(m_section, name);
        if (value == nullptr || value->kind != kind) {
            return false;
        }
        use(*value);
        return true;
    }
    // A value type (date, span, money) from its "status value" text, the value read as Raw.
    template <class Raw, class Value> bool Parsed(const char* name, Value& out) {
        std::string text;
        ValueStatus status{};
        Raw value{};
        if (!Text(name, text) || !ParseWithStatus(text, status, value)) {
            return false;
        }
        out = Value(value, status);
        return true;
    }

    const CIniDocument& m_doc;
    std::string m_section;
};

// What a connection added to a counter, when it is not the whole connection (the counter was reset
// while it ran): "status duration units connections status costs".
std::string AddedText(const CounterFigures& f) {
    return WithStatus(f.duration.GetStatus(), f.duration.GetDays()) + ' ' + std::to_string(f.units) + ' ' +
           std::to_string(f.connections) + ' ' + WithStatus(f.costs.GetStatus(), f.costs.GetValue());
}

std::optional<CounterFigures> ParseAdded(std::string_view text) {
    std::array<std::string_view, 6> parts;
    for (std::string_view& part : parts) {
        const size_t space = text.find(' ');
        part = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    CounterFigures f;
    ValueStatus durationStatus{}, costsStatus{};
    double days = 0;
    int64_t costs = 0;
    const auto number = [](std::string_view s, int32_t& out) {
        return !s.empty() && std::from_chars(s.data(), s.data() + s.size(), out).ptr == s.data() + s.size();
    };
    const std::string duration = std::string(parts[0]) + ' ' + std::string(parts[1]);
    const std::string money = std::string(parts[4]) + ' ' + std::string(parts[5]);
    if (!text.empty() || !ParseWithStatus(duration, durationStatus, days) || !number(parts[2], f.units) ||
        !number(parts[3], f.connections) || !ParseWithStatus(money, costsStatus, costs)) {
        return std::nullopt;
    }
    f.duration = CTimeSpan(days, durationStatus);
    f.costs = CMoney(costs, costsStatus);
    return f;
}

// No time in a checkpoint is longer than the meter can time a connection: a counter holding more
// would be more than a lifetime of connections, and past it a time in days is no longer exact to
// the second, which the checks below rely on.
bool IsTimeable(const CTimeSpan& span) {
    return std::abs(span.GetDays()) <= static_cast<double>(kLongestMeteredSeconds) / 86400.0;
}

// What no connection can have, read from a damaged or foreign file, would take from the counters
// once added: fewer than no units, no money or no time, more time than the meter can time, or more
// of a connection than the record.
bool IsPossible(const CounterFigures& f) {
    return f.units >= 0 && f.connections >= 0 && f.costs.GetValue() >= 0 && f.duration.GetDays() >= 0 &&
           IsTimeable(f.duration);
}

bool IsPossiblePart(const CounterFigures& added, const CounterFigures& whole) {
    return IsPossible(added) && added.connections <= whole.connections && added.units <= whole.units &&
           added.costs.GetValue() <= whole.costs.GetValue() &&
           added.duration.GetTotalSeconds() <= whole.duration.GetTotalSeconds() + 1; // a difference of sums of days
}

// A checkpoint without a link (an older one, or of a connection on no link) has no run; one whose
// run is there but not whole is damaged.
bool ParseRun(const CIniDocument& doc, CCheckpoint& c) {
    CReader r(doc, kRunSection);
    if (!r.Has("Link")) {
        return true;
    }
    CCheckpoint::Run run;
    int32_t unitEnd = 0;
    int32_t initialPeriod = 0;
    const bool whole = r.Text("Link", run.link) && r.Text("TariffFile", run.tariffFile) && r.Text("Name", run.name) &&
                       r.Tick("StartTick", run.startTick) && r.Number("UnitEnd", unitEnd) &&
                       r.Number("LastUnit", run.lastUnit) && r.Money("Credit", run.credit) &&
                       r.Number("InitialPeriod", initialPeriod);
    run.unitEnd = static_cast<uint32_t>(unitEnd);
    run.initialPeriod = static_cast<uint32_t>(initialPeriod);
    const int64_t seconds = c.record.duration.GetTotalSeconds();
    // A unit begins within the connection's time, and the next one is due after it.
    if (!whole || run.link.empty() || run.lastUnit < -1 || run.lastUnit > seconds ||
        static_cast<int64_t>(run.unitEnd) <= run.lastUnit) {
        return false;
    }
    c.run = std::move(run);
    return true;
}

} // namespace

std::string CCheckpoint::ToText() const {
    CIniDocument doc;
    const auto set = [&doc](const char* section, const char* name, SettingValue value) {
        doc.Set(section, name, std::move(value));
    };
    const auto text = [](std::string s) { return SettingValue::String(std::move(s)); };
    const auto number = [](int32_t n) { return SettingValue::Number(static_cast<uint32_t>(n)); };
    set(kSection, "Version", SettingValue::Number(kVersion));
    set(kSection, "Start", text(WithStatus(record.start.GetStatus(), record.start.GetOleDate())));
    set(kSection, "Duration", text(WithStatus(record.duration.GetStatus(), record.duration.GetDays())));
    set(kSection, "Costs", text(WithStatus(record.costs.GetStatus(), record.costs.GetValue())));
    set(kSection, "Units", number(record.units));
    set(kSection, "Connection", text(record.connectionName));
    set(kSection, "Device", text(record.deviceName));
    set(kSection, "User", text(record.userName));
    set(kSection, "Tariff", text(record.tariffName));
    if (run) {
        set(kRunSection, "Link", text(run->link));
        set(kRunSection, "TariffFile", text(run->tariffFile));
        set(kRunSection, "Name", text(run->name));
        set(kRunSection, "StartTick", text(std::to_string(run->startTick)));
        set(kRunSection, "UnitEnd", SettingValue::Number(run->unitEnd));
        set(kRunSection, "LastUnit", number(run->lastUnit));
        set(kRunSection, "Credit", text(WithStatus(run->credit.GetStatus(), run->credit.GetValue())));
        set(kRunSection, "InitialPeriod", SettingValue::Number(run->initialPeriod));
    }
    for (size_t i = 0; i < counters.size(); ++i) {
        const CounterState& c = counters[i];
        const char* section = kCounterSections[i];
        set(section, "Duration", text(WithStatus(c.duration.GetStatus(), c.duration.GetDays())));
        set(section, "Units", number(c.units));
        set(section, "Connections", number(c.connections));
        set(section, "Costs", text(WithStatus(c.costs.GetStatus(), c.costs.GetValue())));
        set(section, "Reset", text(WithStatus(c.resetDate.GetStatus(), c.resetDate.GetOleDate())));
        // Most often the whole connection: then left out, which keeps the file small.
        if (const CounterFigures added = c.Since(saved[i]); !added.Matches(CounterFigures::Of(record))) {
            set(section, "Added", text(AddedText(added)));
        }
    }
    return doc.ToText();
}

std::optional<CCheckpoint> CCheckpoint::Parse(std::string_view text) {
    const CIniDocument doc = CIniDocument::Parse(text);
    const SettingValue* version = doc.Find(kSection, "Version");
    if (doc.GetDamagedLine() != 0 || version == nullptr || *version != SettingValue::Number(kVersion)) {
        return std::nullopt;
    }
    CCheckpoint c;
    CReader r(doc, kSection);
    bool whole = r.Date("Start", c.record.start) && r.Span("Duration", c.record.duration) &&
                 r.Money("Costs", c.record.costs) && r.Number("Units", c.record.units) &&
                 r.Text("Connection", c.record.connectionName) && r.Text("Device", c.record.deviceName) &&
                 r.Text("User", c.record.userName) && r.Text("Tariff", c.record.tariffName) &&
                 IsPossible(CounterFigures::Of(c.record));
    for (size_t i = 0; i < c.counters.size() && whole; ++i) {
        CounterState& s = c.counters[i];
        CReader counter(doc, kCounterSections[i]);
        whole = counter.Span("Duration", s.duration) && counter.Number("Units", s.units) &&
                counter.Number("Connections", s.connections) && counter.Money("Costs", s.costs) &&
                counter.Date("Reset", s.resetDate) && IsTimeable(s.duration);
        std::string addedText;
        const std::optional<CounterFigures> added =
            counter.Text("Added", addedText) ? ParseAdded(addedText) : CounterFigures::Of(c.record);
        whole = whole && added && IsPossiblePart(*added, CounterFigures::Of(c.record));
        c.saved[i] = s.Less(added.value_or(CounterFigures{}));
    }
    return whole && ParseRun(doc, c) ? std::optional(c) : std::nullopt;
}

bool CCheckpoint::EndsBy(const CDateTime& now) const {
    // A clock set back an hour (summer time ends) or a little more must not cost a connection.
    constexpr int64_t kClockSetBackSeconds = 86400;
    return record.start.IsValid() &&
           record.start + record.duration <= now + CTimeSpan::FromSeconds(kClockSetBackSeconds);
}
