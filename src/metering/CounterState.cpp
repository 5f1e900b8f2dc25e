#include "metering/CounterState.h"

#include "log/LogEntry.h"

CounterFigures CounterFigures::Of(const LogEntry& record) {
    return {record.duration, record.units, 1, record.costs};
}

bool CounterFigures::Matches(const CounterFigures& o) const {
    return duration.GetTotalSeconds() == o.duration.GetTotalSeconds() &&
           duration.GetStatus() == o.duration.GetStatus() && units == o.units && connections == o.connections &&
           costs == o.costs;
}

CounterState CounterState::Less(const CounterFigures& figures) const {
    return {duration - figures.duration, units - figures.units, connections - figures.connections,
            costs - figures.costs, resetDate};
}

bool CounterState::Matches(const CounterState& o) const {
    return Since(o).Matches(CounterFigures{}) && resetDate == o.resetDate &&
           duration.GetStatus() == o.duration.GetStatus();
}

CounterState CounterState::Plus(const CounterFigures& figures) const {
    return {duration + figures.duration, units + figures.units, connections + figures.connections,
            costs + figures.costs, resetDate};
}

CounterFigures CounterState::Since(const CounterState& earlier) const {
    return {duration - earlier.duration, units - earlier.units, connections - earlier.connections,
            costs - earlier.costs};
}
