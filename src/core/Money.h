#pragma once

#include "core/ValueStatus.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A money amount: a signed count of ten-thousandths of the currency unit with a status.
// Arithmetic on a null or invalid operand gives zero with that status; a sum or difference
// of valid values that overflows gives zero with status invalid.
class CMoney {
public:
    static constexpr int64_t kScale = 10000;

    constexpr CMoney() = default;
    constexpr explicit CMoney(int64_t tenThousandths, ValueStatus status = ValueStatus::Valid)
        : m_value(tenThousandths), m_status(status) {}

    static constexpr CMoney Null() { return CMoney(0, ValueStatus::Null); }
    static constexpr CMoney Invalid() { return CMoney(0, ValueStatus::Invalid); }
    // The file form: status, then the high and the low 32 bits of the count.
    static CMoney FromFileParts(int32_t status, int32_t high, uint32_t low);
    // Parses "12.5", "-0,1234" (either separator), at most four decimals.
    static std::optional<CMoney> Parse(std::string_view text);

    constexpr int64_t GetValue() const { return m_value; }
    constexpr ValueStatus GetStatus() const { return m_status; }
    constexpr bool IsValid() const { return m_status == ValueStatus::Valid; }
    int32_t High() const { return static_cast<int32_t>(static_cast<uint64_t>(m_value) >> 32); }
    uint32_t Low() const { return static_cast<uint32_t>(static_cast<uint64_t>(m_value)); }

    CMoney operator+(const CMoney& other) const;
    CMoney operator-(const CMoney& other) const;
    CMoney& operator+=(const CMoney& other) { return *this = *this + other; }
    CMoney& operator-=(const CMoney& other) { return *this = *this - other; }

    // Comparisons look at the amount only, as the charging rules compare amounts.
    constexpr bool operator<(const CMoney& o) const { return m_value < o.m_value; }
    constexpr bool operator>(const CMoney& o) const { return m_value > o.m_value; }
    constexpr bool operator<=(const CMoney& o) const { return m_value <= o.m_value; }
    constexpr bool operator>=(const CMoney& o) const { return m_value >= o.m_value; }
    // Equality compares amount and status.
    constexpr bool operator==(const CMoney& o) const = default;

private:
    int64_t m_value = 0;
    ValueStatus m_status = ValueStatus::Valid;
};
