#include "settings/DateTimeText.h"

const std::string& CDateTimeText::Format(const CDateTime& moment) {
    const LocalTime t = moment.ToLocalTime();
    const int64_t day = static_cast<int64_t>(t.year) * 10000 + t.month * 100 + t.day;
    if (day != m_day) {
        m_day = day;
        m_date = moment.Format("%x");
    }
    m_text = m_date;
    if (t.hour != 0 || t.minute != 0 || t.second != 0) {
        m_text += ' ';
        m_text += moment.Format("%X");
    }
    return m_text;
}
