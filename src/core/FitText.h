#pragma once

#include <functional>
#include <string>
#include <string_view>

// Measures a text in pixels (or any unit the caller draws in).
using TextWidth = std::function<int(std::string_view)>;

// A cell text that fits into width with the margin, else its longest beginning (whole UTF-8
// characters, at least one) followed by "..." that does.
std::string FitTextToWidth(std::string_view text, int width, int margin, const TextWidth& measure);
