#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CStringTable;

// A number typed into a field (or given to `settings set`), checked against its range before
// anything is written: not a whole number that is not negative gives message 61719, a number
// outside the range message 61714 with the bounds.
class CNumberInput {
public:
    static constexpr unsigned kNotUnsigned = 61719;
    static constexpr unsigned kOutOfRange = 61714;

    static CNumberInput Check(std::string_view text, uint32_t minValue, uint32_t maxValue);

    bool IsValid() const { return m_value.has_value(); }
    uint32_t Value() const { return *m_value; }
    unsigned MessageId() const { return m_messageId; }
    // The message the user gets, bounds filled in; empty for a valid number.
    std::string Message(const CStringTable& strings) const;

private:
    std::optional<uint32_t> m_value;
    unsigned m_messageId = 0;
    uint32_t m_min = 0;
    uint32_t m_max = 0;
};
