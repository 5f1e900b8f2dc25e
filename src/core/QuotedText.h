#pragma once

#include <string>
#include <string_view>

// Text in double quotes with backslash escapes for '"', '\' and line breaks and tabs; JSON style
// also escapes the other control characters as \u00XX.
enum class QuoteStyle { Ini, Json };
std::string QuoteText(std::string_view text, QuoteStyle style);
