#include "metering/RunningCounters.h"

#include <gtest/gtest.h>

namespace {

CounterState Counter(int32_t units, int64_t costs, int day) {
    return {CTimeSpan::FromSeconds(units * 60), units, units, CMoney(costs), CDateTime::FromDate(2026, 3, day)};
}

// A checkpoint of a connection of 2 units (0.24) that each counter saw at 3 units (0.30).
CCheckpoint Running() {
    CCheckpoint checkpoint;
    checkpoint.record.units = 2;
    checkpoint.record.costs = CMoney(2400);
    for (size_t i = 0; i < 4; ++i) {
        checkpoint.saved[i] = Counter(3, 3000, 1);
        checkpoint.counters[i] = checkpoint.saved[i].Plus({CTimeSpan::FromSeconds(120), 2, 1, CMoney(2400)});
    }
    return checkpoint;
}

} // namespace

// The running connection is counted once, whatever the counter file holds meanwhile: still the
// state the checkpoint saw, already the connection (its end being written), or a counter reset since.
TEST(RunningCounters, CountTheRunningConnectionOnceWhateverTheFileHolds) {
    const CCheckpoint checkpoint = Running();
    const std::array<CounterState, 4> stored = {checkpoint.saved[0], checkpoint.counters[1], Counter(0, 0, 9),
                                                Counter(7, 9000, 1)};
    const std::array<CounterState, 4> counted = WithRunningConnection(stored, checkpoint);
    EXPECT_EQ(counted[0], checkpoint.counters[0]);
    EXPECT_EQ(counted[1], checkpoint.counters[1]) << "the end's counters are saved: not counted twice";
    EXPECT_EQ(counted[2].costs, CMoney(2400)) << "reset since: the connection alone";
    EXPECT_EQ(counted[2].resetDate, CDateTime::FromDate(2026, 3, 9));
    EXPECT_EQ(counted[3].units, 9);
    EXPECT_EQ(counted[3].connections, 8);
}
