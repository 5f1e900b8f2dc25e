#pragma once

// Tells whether the connection being metered is still in the initial period of a minimum-charge
// tariff (also true while nothing is metered). The meter run answers; the tariff and the charge
// counters ask.
class InitialPeriodSource {
public:
    virtual ~InitialPeriodSource() = default;
    virtual bool IsInInitialPeriod() const = 0;
};
