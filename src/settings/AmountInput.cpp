#include "settings/AmountInput.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"

CAmountInput CAmountInput::Check(std::string_view text, const LocaleFacts& facts) {
    // The locale's separator becomes the point; a "," in a locale that writes "." stays a stranger,
    // so "1,500" in English is refused rather than read as one and a half.
    std::string plain(text);
    if (const size_t at = text.find(facts.decimalSeparator);
        !facts.decimalSeparator.empty() && at != std::string_view::npos) {
        plain = std::string(text.substr(0, at)) + "." + std::string(text.substr(at + facts.decimalSeparator.size()));
    }
    CAmountInput result;
    if (plain.find_first_of(",-+") == std::string::npos) {
        result.m_value = CMoney::Parse(plain);
    }
    return result;
}

CAmountInput CAmountInput::Check(std::string_view text, const LocaleFacts& facts, CMoney minValue, CMoney maxValue) {
    CAmountInput result = Check(text, facts);
    if (result.IsValid() && (result.Value() < minValue || result.Value() > maxValue)) {
        result.m_value.reset();
        result.m_range = {FormatAmount(minValue, facts), FormatAmount(maxValue, facts)};
    }
    return result;
}

std::string CAmountInput::Message(const CStringTable& strings) const {
    if (IsValid()) {
        return {};
    }
    return m_range ? strings.Format(Str::kAmountOutOfRange, {m_range->first, m_range->second})
                   : strings.Get(kNotAnAmount);
}
