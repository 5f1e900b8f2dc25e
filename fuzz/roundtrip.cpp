// Random values written in the program's text forms and read back: the settings file gives back
// every name and value, whatever bytes they hold, and the checkpoint every text and number.
#include "metering/Checkpoint.h"
#include "settings/IniDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

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

CounterState AnyCounter(FuzzedDataProvider& in) {
    return {CTimeSpan(in.ConsumeFloatingPoint<double>(), AnyStatus(in)), in.ConsumeIntegral<int32_t>(),
            in.ConsumeIntegral<int32_t>(), CMoney(in.ConsumeIntegral<int64_t>(), AnyStatus(in)),
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

void CheckpointComesBack(FuzzedDataProvider& in) {
    CCheckpoint written;
    LogEntry& r = written.record;
    r.start = CDateTime(in.ConsumeFloatingPoint<double>(), AnyStatus(in));
    r.duration = CTimeSpan(in.ConsumeFloatingPoint<double>(), AnyStatus(in));
    r.costs = CMoney(in.ConsumeIntegral<int64_t>(), AnyStatus(in));
    r.units = in.ConsumeIntegral<int32_t>();
    for (std::string* text : {&r.connectionName, &r.deviceName, &r.userName, &r.tariffName}) {
        *text = in.ConsumeRandomLengthString(200);
    }
    for (CounterState& counter : written.counters) {
        counter = AnyCounter(in);
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
