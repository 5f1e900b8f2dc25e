#include "core/NumberText.h"

#include "core/TextLines.h"

#include <charconv>

std::optional<uint32_t> ParseUint32(std::string_view text) {
    uint32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && ptr == text.data() + text.size() ? std::optional(value) : std::nullopt;
}

std::optional<int32_t> ParseInt32(std::string_view text) {
    text = TrimBlanks(text);
    int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && ptr == text.data() + text.size() ? std::optional(value) : std::nullopt;
}
