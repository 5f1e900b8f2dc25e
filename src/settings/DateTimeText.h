#pragma once

#include "core/DateTime.h"

#include <cstdint>
#include <string>

// The text of a moment as lists and exports show it: the locale's short date, a blank and the time
// with seconds; at exactly midnight the date alone. The date text is kept for the last day seen,
// since a log holds many connections of one day in a row.
class CDateTimeText {
public:
    const std::string& Format(const CDateTime& moment);

private:
    int64_t m_day = INT64_MIN;
    std::string m_date;
    std::string m_text;
};
