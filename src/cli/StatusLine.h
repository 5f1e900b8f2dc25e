#pragma once

#include "cli/MeterStatus.h"
#include "settings/LocaleFacts.h"

#include <string>

// The status in one line, for a status bar: the text the bar shows, with amounts and times as the
// locale writes them, and names that cannot end the line.
std::string StatusBarText(const MeterStatus& status, const LocaleFacts& facts);
// The tooltip: what the text leaves out, in lines of its own.
std::string StatusBarTooltip(const MeterStatus& status, const LocaleFacts& facts);
// "connected", "idle" or "stopped".
const char* StatusBarClass(const MeterStatus& status);
// One JSON object for waybar's custom module: text, tooltip, class and alt (the same as class, for
// format-icons).
std::string WaybarLine(const MeterStatus& status, const LocaleFacts& facts);
