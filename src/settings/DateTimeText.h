#pragma once

#include "core/DateTime.h"

#include <cstdint>
#include <string>
#include <vector>

// The text of a moment as lists and exports show it: the locale's short date, a blank and the time
// with seconds; at exactly midnight the date alone. Long lists format many moments: the date text
// is kept for the last day seen, and each second of the day is formatted only once.
class CDateTimeText {
public:
    const std::string& Format(const CDateTime& moment);
    void Append(std::string& out, const CDateTime& moment);

private:
    static constexpr unsigned kTableAfter = 4096;

    unsigned m_formatted = 0;
    int64_t m_day = INT64_MIN;
    std::string m_date;
    std::vector<std::string> m_times; // by second of the day, filled on first use
    std::string m_text;
};
