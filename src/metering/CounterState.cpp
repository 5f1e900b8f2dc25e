#include "metering/CounterState.h"

#include "log/LogEntry.h"

CounterFigures CounterFigures::Of(const LogEntry& record) {
    return {record.duration, record.units, 1, record.costs};
}

CounterState CounterState::Plus(const CounterFigures& figures) const {
    return {duration + figures.duration, units + figures.units, connections + figures.connections,
            costs + figures.costs, resetDate};
}

CounterFigures CounterState::Since(const CounterState& earlier) const {
    return {duration - earlier.duration, units - earlier.units, connections - earlier.connections,
            costs - earlier.costs};
}
