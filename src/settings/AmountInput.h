#pragma once

#include "core/Money.h"
#include "settings/LocaleFacts.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

class CStringTable;

// An amount of money typed into a field, as the locale writes it: its grouping separator between
// groups of three digits, its decimal separator and at most four decimals ("1.000,50" in German,
// "1,000.50" in English); also with a "." point and no grouping ("25.50"). A text read neither
// way, such as "1,000.50" in German, is refused with an example rather than taken as another
// amount (message 61721); an amount outside a given range gives message 606 with the bounds.
// Never negative unless asked for; nothing is written.
class CAmountInput {
public:
    static constexpr unsigned kNotAnAmount = 61721;
    enum class Sign { kPositive, kEither };

    static CAmountInput Check(std::string_view text, const LocaleFacts& facts, Sign sign = Sign::kPositive);
    static CAmountInput Check(std::string_view text, const LocaleFacts& facts, CMoney minValue, CMoney maxValue);

    bool IsValid() const { return m_value.has_value(); }
    CMoney Value() const { return *m_value; }
    // The message the user gets; empty for a valid amount.
    std::string Message(const CStringTable& strings) const;

private:
    std::optional<CMoney> m_value;
    std::string m_example; // an amount as the locale writes it, for a text that is none
    // The bounds in the locale's form, for an amount refused as out of range.
    std::optional<std::pair<std::string, std::string>> m_range;
};
