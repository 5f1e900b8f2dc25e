#include "cli/CurrentCounters.h"

#include "cli/LiveMeter.h"
#include "metering/RunningCounters.h"
#include "metering/ZaehlerFile.h"
#include "platform/CheckpointFile.h"

#include <QCoreApplication>

#include <clocale>
#include <memory>

namespace {

// What the connection added since its checkpoint, as its meter says it now.
CounterFigures SinceCheckpoint(const LogEntry& checkpointed, const MeterStatus& meter) {
    return {CTimeSpan::FromSeconds(static_cast<int64_t>(meter.seconds)) - checkpointed.duration,
            static_cast<int32_t>(meter.units) - checkpointed.units, 0, meter.costs - checkpointed.costs};
}

} // namespace

std::optional<CCurrentCounters> CCurrentCounters::Read(const std::string& dataDirectory,
                                                       const std::optional<MeterStatus>& meter) {
    CZaehlerFile file(dataDirectory);
    if (!file.IsWhole() || !file.OpenForReading()) {
        return std::nullopt;
    }
    CCurrentCounters current;
    for (uint8_t number = CZaehlerFile::kDaily; number <= CZaehlerFile::kTotal; ++number) {
        if (file.FindFirst(0, number)) {
            current.counters[number] = file.State();
        }
    }
    file.Close();
    const std::optional<std::string> text = CCheckpointFile(dataDirectory).Read();
    const std::optional<CCheckpoint> checkpoint = text ? CCheckpoint::Parse(*text) : std::nullopt;
    if (!checkpoint) {
        return current;
    }
    std::array<CounterState, 4> stored;
    for (size_t i = 0; i < stored.size(); ++i) {
        stored[i] = current.counters[i].value_or(checkpoint->saved[i]);
    }
    std::array<CounterState, 4> counted = WithRunningConnection(stored, *checkpoint);
    const bool meterRunsIt = meter && meter->state == MeterStatus::State::Connected;
    for (size_t i = 0; i < counted.size(); ++i) {
        current.counters[i] = meterRunsIt ? counted[i].Plus(SinceCheckpoint(checkpoint->record, *meter)) : counted[i];
    }
    current.running = true;
    return current;
}

std::optional<CCurrentCounters> CCurrentCounters::Read(const std::string& dataDirectory) {
    // The bus needs an application object (a command run in a test program may have one already),
    // which sets the locale from the environment: the command keeps the one it runs under.
    int argc = 1;
    char name[] = "fernzahl-cli";
    char* argv[] = {name, nullptr};
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    const std::unique_ptr<QCoreApplication> application(
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv));
    std::setlocale(LC_ALL, locale.c_str());
    const CLiveMeter live = CLiveMeter::Ask(dataDirectory);
    return Read(dataDirectory, live.meter ? std::optional(CLiveMeter::StatusOf(*live.meter)) : std::nullopt);
}
