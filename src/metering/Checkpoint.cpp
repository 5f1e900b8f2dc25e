#include "metering/Checkpoint.h"

#include "settings/IniDocument.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace {

constexpr const char* kSection = "Checkpoint";
constexpr uint32_t kVersion = 2;
// Without the saved counters: they were the counters less the connection.
constexpr uint32_t kVersionWithoutSaved = 1;
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

void SetCounter(CIniDocument& doc, const char* section, const std::string& prefix, const CounterState& c) {
    const auto text = [&](const char* name, std::string value) {
        doc.Set(section, prefix + name, SettingValue::String(std::move(value)));
    };
    const auto number = [&](const char* name, int32_t n) {
        doc.Set(section, prefix + name, SettingValue::Number(static_cast<uint32_t>(n)));
    };
    text("Duration", WithStatus(c.duration.GetStatus(), c.duration.GetDays()));
    number("Units", c.units);
    number("Connections", c.connections);
    text("Costs", WithStatus(c.costs.GetStatus(), c.costs.GetValue()));
    text("Reset", WithStatus(c.resetDate.GetStatus(), c.resetDate.GetOleDate()));
}

bool ReadCounter(CReader& r, const std::string& prefix, CounterState& s) {
    return r.Span((prefix + "Duration").c_str(), s.duration) && r.Number((prefix + "Units").c_str(), s.units) &&
           r.Number((prefix + "Connections").c_str(), s.connections) && r.Money((prefix + "Costs").c_str(), s.costs) &&
           r.Date((prefix + "Reset").c_str(), s.resetDate);
}

CounterState WithoutConnection(const CounterState& c, const LogEntry& record) {
    return {c.duration - record.duration, c.units - record.units, c.connections - 1, c.costs - record.costs,
            c.resetDate};
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
    for (size_t i = 0; i < counters.size(); ++i) {
        SetCounter(doc, kCounterSections[i], "", counters[i]);
        SetCounter(doc, kCounterSections[i], "Saved", saved[i]);
    }
    return doc.ToText();
}

std::optional<CCheckpoint> CCheckpoint::Parse(std::string_view text) {
    const CIniDocument doc = CIniDocument::Parse(text);
    const SettingValue* version = doc.Find(kSection, "Version");
    const bool withSaved = version != nullptr && *version == SettingValue::Number(kVersion);
    if (doc.GetDamagedLine() != 0 || version == nullptr ||
        (!withSaved && *version != SettingValue::Number(kVersionWithoutSaved))) {
        return std::nullopt;
    }
    CCheckpoint c;
    CReader r(doc, kSection);
    bool whole = r.Date("Start", c.record.start) && r.Span("Duration", c.record.duration) &&
                 r.Money("Costs", c.record.costs) && r.Number("Units", c.record.units) &&
                 r.Text("Connection", c.record.connectionName) && r.Text("Device", c.record.deviceName) &&
                 r.Text("User", c.record.userName) && r.Text("Tariff", c.record.tariffName);
    for (size_t i = 0; i < c.counters.size() && whole; ++i) {
        CReader counter(doc, kCounterSections[i]);
        whole = ReadCounter(counter, "", c.counters[i]);
        c.saved[i] = WithoutConnection(c.counters[i], c.record);
        whole = whole && (!withSaved || ReadCounter(counter, "Saved", c.saved[i]));
    }
    return whole ? std::optional(c) : std::nullopt;
}
