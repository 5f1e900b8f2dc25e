#include "app/CrashPoint.h"

#include "metering/MeterStation.h"

#include <array>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <utility>

void ArmCrashPoint(CMeterStation& station) {
    using Step = CMeterStation::EndStep;
    static constexpr std::array<std::pair<const char*, Step>, 4> kSteps = {{
        {"checkpoint-written", Step::CheckpointWritten},
        {"daily-counter-saved", Step::DailyCounterSaved},
        {"counters-saved", Step::CountersSaved},
        {"logged", Step::Logged},
    }};
    const char* wanted = std::getenv("FERNZAHL_CRASH_AT");
    for (const auto& [name, step] : kSteps) {
        if (wanted != nullptr && std::string(wanted) == name) {
            station.SetEndStepHook([step = step](Step reached) {
                if (reached == step) {
                    _exit(99);
                }
            });
        }
    }
}
