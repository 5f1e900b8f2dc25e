#pragma once

#include <string>
#include <string_view>

// Text as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);
