#include "metering/Budget.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "metering/CounterState.h"
#include "settings/Formatting.h"
#include "settings/SettingsStore.h"

#include <cmath>

CBudget::CBudget(CMoney limit, uint32_t sharePercent, CMoney spent, const CCountingMonth& month, const CDateTime& now)
    : m_limit(limit), m_sharePercent(sharePercent), m_spent(spent), m_month(month), m_now(now) {}

CBudget CBudget::Read(SettingsStore& settings, const CounterState& monthly, const CDateTime& now) {
    const CMoney spent = CCountingMonth::IsOver(monthly.resetDate, now, settings) ? CMoney(0) : monthly.costs;
    return CBudget(CMoney(settings.Read(Setting::kBudgetLimit)), settings.Read(Setting::kBudgetWarnShare), spent,
                   CCountingMonth::Holding(now, settings), now);
}

CMoney CBudget::Projection() const {
    const double share = m_month.ElapsedShare(m_now);
    if (share <= 0.0) {
        return m_spent;
    }
    // An estimate: to the hundredth, as bills are.
    constexpr int64_t kHundredth = CMoney::kScale / 100;
    const double hundredths = static_cast<double>(m_spent.GetValue()) / share / kHundredth;
    return CMoney(std::llround(hundredths) * kHundredth);
}

uint32_t CBudget::Passed() const {
    if (!IsSet()) {
        return 0;
    }
    uint32_t passed = 0;
    if (m_spent.GetValue() * 100 > m_limit.GetValue() * m_sharePercent) {
        passed |= kShare;
    }
    if (m_spent > m_limit) {
        passed |= kLimit;
    }
    const bool longEnough = (m_now - m_month.Begin()).GetTotalSeconds() >= int64_t{kProjectionDays} * 86400;
    if (longEnough && Projection() > m_limit) {
        passed |= kProjection;
    }
    return passed;
}

// The counting month's first day as YYYYMMDD.
uint32_t CBudget::MonthKey() const {
    const LocalTime begin = m_month.Begin().ToLocalTime();
    return static_cast<uint32_t>(begin.year * 10000 + begin.month * 100 + begin.day);
}

uint32_t CBudget::TakeWarnings(SettingsStore& settings) const {
    const uint32_t month = MonthKey();
    const uint32_t warned =
        settings.Read(Setting::kBudgetWarnedMonth) == month ? settings.Read(Setting::kBudgetWarned) : 0;
    const uint32_t due = Passed() & ~warned;
    if (due != 0) {
        settings.Write(Setting::kBudgetWarnedMonth, month);
        settings.Write(Setting::kBudgetWarned, warned | due);
    }
    return due;
}

std::string CBudget::FormatRemaining(const CStringTable& strings) const {
    const CMoney remaining = Remaining();
    return remaining >= CMoney(0)
               ? strings.Format(Str::kBudgetLeft, {FormatAmount(remaining), FormatAmount(m_limit)})
               : strings.Format(Str::kBudgetOver, {FormatAmount(CMoney(0) - remaining), FormatAmount(m_limit)});
}

std::string CBudget::FormatWarning(uint32_t thresholds, const CStringTable& strings) const {
    const std::string spent = FormatAmount(m_spent);
    const std::string limit = FormatAmount(m_limit);
    if ((thresholds & kLimit) != 0) {
        return strings.Format(Str::kBudgetLimitPassed, {spent, limit});
    }
    if ((thresholds & kProjection) != 0) {
        return strings.Format(Str::kBudgetProjectionPassed,
                              {FormatAmount(Projection()), m_month.LastDay().Format("%x"), limit});
    }
    return strings.Format(Str::kBudgetSharePassed,
                          {spent, std::to_string(m_sharePercent), limit, FormatAmount(Remaining())});
}
