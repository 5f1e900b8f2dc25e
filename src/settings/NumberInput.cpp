#include "settings/NumberInput.h"

#include "core/NumberText.h"
#include "core/StringTable.h"
#include "core/TextLines.h"

namespace {
bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}
} // namespace

CNumberInput CNumberInput::Check(std::string_view text, uint32_t minValue, uint32_t maxValue) {
    CNumberInput result;
    result.m_min = minValue;
    result.m_max = maxValue;
    text = TrimBlanks(text);
    if (!IsDigits(text)) {
        result.m_messageId = kNotUnsigned;
        return result;
    }
    // Digits too many for 32 bits are a number out of range, not a typing error.
    const std::optional<uint32_t> value = ParseUint32(text);
    if (!value || *value < minValue || *value > maxValue) {
        result.m_messageId = kOutOfRange;
        return result;
    }
    result.m_value = value;
    return result;
}

std::string CNumberInput::Message(const CStringTable& strings) const {
    if (IsValid()) {
        return {};
    }
    if (m_messageId == kNotUnsigned) {
        return strings.Get(kNotUnsigned);
    }
    return strings.Format(kOutOfRange, {std::to_string(m_min), std::to_string(m_max)});
}
