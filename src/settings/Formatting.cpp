#include "settings/Formatting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Day fractions of whole seconds are not exact in binary; this much (a microsecond) is added
// before cutting, so that 01:02:05 does not come out as 01:02:04.
constexpr double kCutTolerance = 1e-6 / 86400.0;

double Fraction(double x) {
    return x - std::trunc(x);
}

// Beyond this a double holds no whole number exactly: no duration, only a damaged file, comes near.
constexpr double kLargestWhole = 9007199254740992.0; // 2^53

// The whole part, all of it: a connection of 70,000 hours is written so. A value from a damaged
// file (negative, not a number, or too large to be a duration) gives 0.
uint64_t Whole(double x) {
    return x >= 0.0 && x < kLargestWhole ? static_cast<uint64_t>(x) : 0;
}

double WithTolerance(double days) {
    return days + std::copysign(kCutTolerance, days);
}

void AppendTwoDigits(std::string& out, uint64_t value) {
    if (value >= 100) {
        out += std::to_string(value);
        return;
    }
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

// v already carries the tolerance.
void AppendHms(std::string& out, uint64_t hours, double v, const LocaleFacts& facts) {
    AppendTwoDigits(out, hours);
    out += facts.timeSeparator;
    AppendTwoDigits(out, Whole(Fraction(v * 24.0) * 60.0));
    out += facts.timeSeparator;
    AppendTwoDigits(out, Whole(Fraction(v * 1440.0) * 60.0));
}

} // namespace

void AppendTimeOfDay(std::string& out, double days, const LocaleFacts& facts) {
    const double v = WithTolerance(days);
    AppendHms(out, Whole(Fraction(v) * 24.0), v, facts);
}

std::string FormatTimeOfDay(double days, const LocaleFacts& facts) {
    std::string text;
    AppendTimeOfDay(text, days, facts);
    return text;
}

void AppendDuration(std::string& out, double days, const LocaleFacts& facts) {
    const double v = WithTolerance(days);
    AppendHms(out, Whole(v * 24.0), v, facts);
}

std::string FormatDuration(double days, const LocaleFacts& facts) {
    std::string text;
    AppendDuration(text, days, facts);
    return text;
}

std::string FormatQuarterHour(int index, bool end, const LocaleFacts& facts) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d%s%02d", index / 4, facts.timeSeparator.c_str(),
                  (index % 4) * 15 + (end ? 14 : 0));
    return buffer;
}

std::string FormatAmount(const CMoney& amount, const LocaleFacts& facts) {
    const int64_t value = amount.GetValue();
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / CMoney::kScale);
    std::string decimals = std::to_string(magnitude % CMoney::kScale + CMoney::kScale).substr(1);
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    while (decimals.size() < static_cast<size_t>(std::max(facts.currencyDecimals, 0))) {
        decimals += '0';
    }
    if (!decimals.empty()) {
        text += facts.decimalSeparator + decimals;
    }
    return text;
}

std::string FormatGroupedAmount(const CMoney& amount, const LocaleFacts& facts) {
    std::string text = FormatAmount(amount, facts);
    const size_t first = amount.GetValue() < 0 ? 1 : 0;
    const size_t end =
        facts.decimalSeparator.empty() ? text.size() : std::min(text.find(facts.decimalSeparator), text.size());
    for (size_t at = end; at > first + 3; at -= 3) {
        text.insert(at - 3, facts.groupingSeparator);
    }
    return text;
}

std::string FormatTimeOfDay(double days) {
    return FormatTimeOfDay(days, LocaleFacts::FromCLibrary());
}
std::string FormatDuration(double days) {
    return FormatDuration(days, LocaleFacts::FromCLibrary());
}
std::string FormatQuarterHour(int index, bool end) {
    return FormatQuarterHour(index, end, LocaleFacts::FromCLibrary());
}
std::string FormatAmount(const CMoney& amount) {
    return FormatAmount(amount, LocaleFacts::FromCLibrary());
}
