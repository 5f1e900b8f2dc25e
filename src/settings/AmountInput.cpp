#include "settings/AmountInput.h"

#include "core/StringTable.h"

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

std::string CAmountInput::Message(const CStringTable& strings) const {
    return IsValid() ? std::string() : strings.Get(kNotAnAmount);
}
