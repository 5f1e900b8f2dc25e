#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The whole text as an unsigned 32-bit decimal number; nothing for an empty text, a sign, any
// other character or a number too large.
std::optional<uint32_t> ParseUint32(std::string_view text);
// The same for a signed 32-bit number ("-12"), blanks around it allowed.
std::optional<int32_t> ParseInt32(std::string_view text);
