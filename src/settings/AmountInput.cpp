#include "settings/AmountInput.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t kMostDecimals = 4;

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The whole part as digits: the locale's groups of three after a first of one to three, or none.
// A first group starting with "0" is no group of thousands: "0.125" in German is a point's decimals.
std::optional<std::string> WholeDigits(std::string_view text, const std::string& grouping) {
    if (grouping.empty() || text.find(grouping) == std::string_view::npos) {
        return AllDigits(text) ? std::optional(std::string(text)) : std::nullopt;
    }
    std::string digits;
    size_t begin = 0;
    for (size_t group = 0;; ++group) {
        const size_t end = std::min(text.find(grouping, begin), text.size());
        const std::string_view part = text.substr(begin, end - begin);
        const bool fits = group == 0 ? !part.empty() && part.size() <= 3 && part.front() != '0' : part.size() == 3;
        if (!fits || !AllDigits(part)) {
            return std::nullopt;
        }
        digits += part;
        if (end == text.size()) {
            return digits;
        }
        begin = end + grouping.size();
    }
}

// The amount as "digits.decimals" when the text has it in this form: a whole part read by the
// grouping given, then this decimal separator and one to four decimals.
std::optional<std::string> Plain(std::string_view text, const std::string& decimal, const std::string& grouping) {
    const size_t separator = decimal.empty() ? std::string_view::npos : text.find(decimal);
    const std::string_view decimals =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + decimal.size());
    const std::optional<std::string> whole = WholeDigits(text.substr(0, separator), grouping);
    if (!whole || (separator != std::string_view::npos &&
                   (decimals.empty() || decimals.size() > kMostDecimals || !AllDigits(decimals)))) {
        return std::nullopt;
    }
    if (whole->empty() && decimals.empty()) {
        return std::nullopt;
    }
    return decimals.empty() ? *whole : *whole + '.' + std::string(decimals);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

CAmountInput CAmountInput::Check(std::string_view text, const LocaleFacts& facts, Sign sign) {
    CAmountInput result;
    text = Trimmed(text);
    const bool negative = sign == Sign::kEither && !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    // The locale's own form first, so that "1.000" in German is a thousand; then a point without
    // grouping, so that "25.50" is what it says everywhere.
    std::optional<std::string> plain = Plain(text, facts.decimalSeparator, facts.groupingSeparator);
    if (!plain) {
        plain = Plain(text, ".", {});
    }
    if (plain) {
        result.m_value = CMoney::Parse((negative ? "-" : "") + *plain);
    }
    if (!result.m_value) {
        result.m_example = FormatGroupedAmount(CMoney(12345600), facts);
    }
    return result;
}

CAmountInput CAmountInput::Check(std::string_view text, const LocaleFacts& facts, CMoney minValue, CMoney maxValue) {
    CAmountInput result = Check(text, facts);
    if (result.IsValid() && (result.Value() < minValue || result.Value() > maxValue)) {
        result.m_value.reset();
        result.m_range = {FormatGroupedAmount(minValue, facts), FormatGroupedAmount(maxValue, facts)};
    }
    return result;
}

std::string CAmountInput::Message(const CStringTable& strings) const {
    if (IsValid()) {
        return {};
    }
    return m_range ? strings.Format(Str::kAmountOutOfRange, {m_range->first, m_range->second})
                   : strings.Format(kNotAnAmount, {m_example});
}
