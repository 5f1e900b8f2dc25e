#include "core/Money.h"

#include <cctype>

namespace {

CMoney Combine(const CMoney& a, const CMoney& b, bool subtract) {
    const ValueStatus status = CombineStatus(a.GetStatus(), b.GetStatus());
    if (status != ValueStatus::Valid) {
        return CMoney(0, status);
    }
    int64_t result = 0;
    const bool overflow = subtract ? __builtin_sub_overflow(a.GetValue(), b.GetValue(), &result)
                                   : __builtin_add_overflow(a.GetValue(), b.GetValue(), &result);
    return overflow ? CMoney::Invalid() : CMoney(result);
}

} // namespace

CMoney CMoney::FromFileParts(int32_t status, int32_t high, uint32_t low) {
    const uint64_t bits = (static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) | low;
    return CMoney(static_cast<int64_t>(bits), StatusFromFile(status));
}

std::optional<CMoney> CMoney::Parse(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int64_t whole = 0;
    int64_t fraction = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    for (char c : text) {
        if ((c == '.' || c == ',') && !inFraction) {
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            if (inFraction) {
                if (++fractionDigits > 4) {
                    return std::nullopt;
                }
                fraction = fraction * 10 + (c - '0');
            } else {
                if (__builtin_mul_overflow(whole, int64_t{10}, &whole) ||
                    __builtin_add_overflow(whole, int64_t{c - '0'}, &whole)) {
                    return std::nullopt;
                }
                ++wholeDigits;
            }
        } else {
            return std::nullopt;
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0) {
        return std::nullopt;
    }
    for (int i = fractionDigits; i < 4; ++i) {
        fraction *= 10;
    }
    int64_t value = 0;
    if (__builtin_mul_overflow(whole, kScale, &value) || __builtin_add_overflow(value, fraction, &value)) {
        return std::nullopt;
    }
    return CMoney(negative ? -value : value);
}

CMoney CMoney::operator+(const CMoney& other) const {
    return Combine(*this, other, false);
}

CMoney CMoney::operator-(const CMoney& other) const {
    return Combine(*this, other, true);
}
