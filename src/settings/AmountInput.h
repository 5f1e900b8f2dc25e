#pragma once

#include "core/Money.h"
#include "settings/LocaleFacts.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

class CStringTable;

// An amount of money typed into a field: digits with at most four decimals after the locale's
// decimal separator or a "." point, never negative. Anything else gives message 61721, an amount
// outside a given range message 606 with the bounds; nothing is written.
class CAmountInput {
public:
    static constexpr unsigned kNotAnAmount = 61721;

    static CAmountInput Check(std::string_view text, const LocaleFacts& facts);
    static CAmountInput Check(std::string_view text, const LocaleFacts& facts, CMoney minValue, CMoney maxValue);

    bool IsValid() const { return m_value.has_value(); }
    CMoney Value() const { return *m_value; }
    // The message the user gets; empty for a valid amount.
    std::string Message(const CStringTable& strings) const;

private:
    std::optional<CMoney> m_value;
    // The bounds in the locale's form, for an amount refused as out of range.
    std::optional<std::pair<std::string, std::string>> m_range;
};
