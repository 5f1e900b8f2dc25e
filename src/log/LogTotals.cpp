#include "log/LogTotals.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"

std::string LogTotals::Format(const CStringTable& strings, const LocaleFacts& facts) const {
    return strings.FormatCount(Str::kLogTotals, count,
                               {std::to_string(count), FormatDuration(duration.GetDays(), facts), std::to_string(units),
                                FormatAmount(costs, facts)});
}
