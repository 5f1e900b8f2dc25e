#pragma once

#include <string>
#include <string_view>

// Text in double quotes with backslash escapes for '"', '\' and line breaks and tabs. JSON style
// also escapes the other control characters as \u00XX. INI style escapes every other control byte,
// and each byte that is no part of a UTF-8 character, as \xHH, so that any bytes a name or path can
// hold come back the same from a file that stays UTF-8 throughout.
enum class QuoteStyle { Ini, Json };
std::string QuoteText(std::string_view text, QuoteStyle style);
// A name for output of a line per record or field (terminal lines, tab-separated fields, aligned
// tables), without quotes: a backslash doubled, line breaks and tabs as \n, \r, \t, every other
// control byte as \xHH; so a name can neither end a line nor forge a field. Other bytes stay.
std::string EscapeForLine(std::string_view text);
