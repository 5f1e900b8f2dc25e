#pragma once

#include "core/Money.h"
#include "settings/LocaleFacts.h"

#include <string>

// Texts of times, durations, quarter-hour marks and amounts in the user's locale. The overloads
// without facts read them from the C library's present locale.

// Hours (0-23), minutes and seconds of the time-of-day part of a value in days.
std::string FormatTimeOfDay(double days, const LocaleFacts& facts);
std::string FormatTimeOfDay(double days);
// The same, appended to a text (for long exports).
void AppendTimeOfDay(std::string& out, double days, const LocaleFacts& facts);
// A duration in hours, minutes and seconds; the hours go on past 24 ("25:00:00").
void AppendDuration(std::string& out, double days, const LocaleFacts& facts);
// Like FormatTimeOfDay, but the hours are the total number of hours.
std::string FormatDuration(double days, const LocaleFacts& facts);
std::string FormatDuration(double days);
// The first minute of a quarter-hour (08:15), or its last one with end set (08:29).
std::string FormatQuarterHour(int index, bool end, const LocaleFacts& facts);
std::string FormatQuarterHour(int index, bool end);
// The amount with the locale's decimal separator and at least the locale's currency decimals.
std::string FormatAmount(const CMoney& amount, const LocaleFacts& facts);
std::string FormatAmount(const CMoney& amount);
// The same with the thousands grouped as the locale groups them ("100.000,00"), for a person to
// read; files and lists keep the plain form.
std::string FormatGroupedAmount(const CMoney& amount, const LocaleFacts& facts);
