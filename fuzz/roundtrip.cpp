// Random values written in the program's text forms and read back: the settings file gives back
// every name and value, whatever bytes they hold, and a checkpoint of any connection every text and number.
#include "core/TimeRules.h"
#include "metering/Checkpoint.h"
#include "settings/IniDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char* kSections[] = {"Allgemein", "Timer", "Zähler", "Überwachung", "Zuordnung", "Protokoll"};

SettingValue AnyValue(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? SettingValue::Number(in.ConsumeIntegral<uint32_t>())
                            : SettingValue::String(in.ConsumeRandomLengthString(300));
}

ValueStatus AnyStatus(FuzzedDataProvider& in) {
    return static_cast<ValueStatus>(in.ConsumeIntegralInRange(0, 2));
}

// The longest time a checkpoint holds, in days: half for a counter before the connection, half for
// the connection, so that the counter with it stays within what the meter can time.
constexpr double kHalfLongestDays = static_cast<double>(kLongestMeteredSeconds) / 86400.0 / 2;

// A counter before the connection: any state, with room for one connection more.
CounterState AnyCounter(FuzzedDataProvider& in) {
    return {CTimeSpan(in.ConsumeFloatingPointInRange<double>(-kHalfLongestDays, kHalfLongestDays), AnyStatus(in)),
            in.ConsumeIntegralInRange<int32_t>(INT32_MIN, INT32_MAX / 2),
            in.ConsumeIntegralInRange<int32_t>(INT32_MIN, INT32_MAX / 2),
            CMoney(in.ConsumeIntegralInRange<int64_t>(INT64_MIN, INT64_MAX / 2), AnyStatus(in)),
            CDateTime(in.ConsumeFloatingPoint<double>(), AnyStatus(in))};
}

void SettingsComeBack(FuzzedDataProvider& in) {
    CIniDocument doc;
    for (int i = in.ConsumeIntegralInRange(0, 12); i > 0; --i) {
        const std::string section =
            in.ConsumeBool() ? in.PickValueInArray(kSections) : in.ConsumeRandomLengthString(32);
        doc.Set(section, in.ConsumeRandomLengthString(64), AnyValue(in));
    }
    const CIniDocument back = CIniDocument::Parse(doc.ToText());
    if (back.GetDamagedLine() != 0 || back.Sections() != doc.Sections()) {
        std::abort();
    }
}

// Figures a connection can have: none below nothing, and room left for the counters to hold them.
CounterFigures AnyConnection(FuzzedDataProvider& in) {
    CounterFigures f;
    f.duration = CTimeSpan(in.ConsumeFloatingPointInRange<double>(0, kHalfLongestDays), AnyStatus(in));
    f.units = in.ConsumeIntegralInRange<int32_t>(0, INT32_MAX / 4);
    f.connections = 1;
    f.costs = CMoney(in.ConsumeIntegralInRange<int64_t>(0, INT64_MAX / 4), AnyStatus(in));
    return f;
}

// What a counter got of the connection: all of it, or, where it was reset meanwhile, a part.
CounterFigures AnyPartOf(const CounterFigures& whole, FuzzedDataProvider& in) {
    if (in.ConsumeBool()) {
        return whole;
    }
    return {CTimeSpan(in.ConsumeFloatingPointInRange<double>(0, std::max(0.0, whole.duration.GetDays()))),
            in.ConsumeIntegralInRange<int32_t>(0, whole.units), in.ConsumeIntegralInRange<int32_t>(0, 1),
            CMoney(in.ConsumeIntegralInRange<int64_t>(0, std::max<int64_t>(0, whole.costs.GetValue())))};
}

void CheckpointComesBack(FuzzedDataProvider& in) {
    CCheckpoint written;
    LogEntry& r = written.record;
    const CounterFigures connection = AnyConnection(in);
    r.start = CDateTime(in.ConsumeFloatingPoint<double>(), AnyStatus(in));
    r.duration = connection.duration;
    r.costs = connection.costs;
    r.units = connection.units;
    for (std::string* text : {&r.connectionName, &r.deviceName, &r.userName, &r.tariffName}) {
        *text = in.ConsumeRandomLengthString(200);
    }
    for (size_t i = 0; i < written.counters.size(); ++i) {
        const CounterFigures added = AnyPartOf(connection, in);
        written.saved[i] = AnyCounter(in);
        written.counters[i] = written.saved[i].Plus(added);
    }
    const std::optional<CCheckpoint> read = CCheckpoint::Parse(written.ToText());
    const auto same = [&](const LogEntry& e) {
        return e.start == r.start && e.duration == r.duration && e.costs == r.costs && e.units == r.units &&
               e.connectionName == r.connectionName && e.deviceName == r.deviceName && e.userName == r.userName &&
               e.tariffName == r.tariffName;
    };
    if (!read || !same(read->record) || read->counters != written.counters) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    SettingsComeBack(in);
    CheckpointComesBack(in);
    return 0;
}
