#include "metering/RunningCounters.h"

std::array<CounterState, 4> WithRunningConnection(const std::array<CounterState, 4>& stored,
                                                  const CCheckpoint& checkpoint, bool recordLogged) {
    std::array<CounterState, 4> counted = stored;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i].Matches(checkpoint.saved[i])) {
            counted[i] = checkpoint.counters[i];
        } else if (!stored[i].Matches(checkpoint.counters[i]) && !recordLogged) {
            counted[i] = stored[i].Plus(checkpoint.counters[i].Since(checkpoint.saved[i]));
        }
    }
    return counted;
}
