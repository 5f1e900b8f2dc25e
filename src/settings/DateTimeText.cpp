#include "settings/DateTimeText.h"

const std::string& CDateTimeText::Format(const CDateTime& moment) {
    m_text.clear();
    Append(m_text, moment);
    return m_text;
}

void CDateTimeText::Append(std::string& out, const CDateTime& moment) {
    const auto [day, second] = moment.SplitDayAndSecond();
    if (day != m_day) {
        m_day = day;
        m_date = moment.Format("%x");
    }
    out += m_date;
    if (second == 0) {
        return;
    }
    out += ' ';
    // Short lists format each time directly; long ones fill a table of the seconds of the day.
    if (++m_formatted < kTableAfter) {
        out += moment.Format("%X");
        return;
    }
    if (m_times.empty()) {
        m_times.resize(86400);
    }
    std::string& time = m_times[second];
    if (time.empty()) {
        time = moment.Format("%X");
    }
    out += time;
}
