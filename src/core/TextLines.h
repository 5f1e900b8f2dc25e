#pragma once

#include <string_view>
#include <vector>

// The lines of a text, without their line breaks (LF or CR LF). The views point into the text.
std::vector<std::string_view> SplitLines(std::string_view text);
// The lines that carry content: trailing blanks cut, empty lines and "#" comments left out.
std::vector<std::string_view> ContentLines(std::string_view text);
// The text without the blanks around it.
std::string_view TrimBlanks(std::string_view text);
