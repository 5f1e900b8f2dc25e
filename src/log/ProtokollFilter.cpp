#include "log/ProtokollFilter.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"

#include <algorithm>

namespace {
const CTimeSpan kOneSecond = CTimeSpan::FromSeconds(1);

void AddOnce(std::vector<std::string>& list, const std::string& text) {
    if (std::find(list.begin(), list.end(), text) == list.end()) {
        list.push_back(text);
    }
}

CDateTime StartOfDay(const LocalTime& day) {
    return CDateTime::FromDate(day.year, day.month, day.day);
}

CDateTime EndOfDay(const LocalTime& day) {
    return CDateTime::FromDate(day.year, day.month, day.day, 23, 59, 59);
}
} // namespace

const std::string& CProtokollFilter::TextOf(const LogEntry& entry, TextField field) {
    switch (field) {
    case kConnection:
        return entry.connectionName;
    case kUser:
        return entry.userName;
    case kDevice:
        return entry.deviceName;
    case kTariff:
        break;
    }
    return entry.tariffName;
}

bool CProtokollFilter::MatchesValues(const CDateTime& start, const CTimeSpan& duration, const CMoney& costs,
                                     int32_t units) const {
    return !(from > start || to < start || shortest.GetOleDate() > duration.GetDays() ||
             longest.GetOleDate() < duration.GetDays() || cheapest > costs || dearest < costs || fewestUnits > units ||
             mostUnits < units);
}

std::optional<std::string> CProtokollFilter::ChosenText(TextField field) const {
    const int chosen = m_selection[field];
    if (chosen <= 0 || static_cast<size_t>(chosen) >= m_choices[field].size()) {
        return std::nullopt;
    }
    return m_choices[field][chosen];
}

void CProtokollFilter::Scan(const std::string& directory, const CDateTime& now, const CStringTable& strings) {
    for (std::vector<std::string>& list : m_choices) {
        list.assign(1, strings.Get(Str::kAllEntries));
    }
    from = now;
    shortest = longest = CDateTime();
    fewestUnits = mostUnits = 0;
    cheapest = dearest = CMoney();
    CProtokollFile log(directory);
    if (log.OpenForReading()) {
        for (bool more = log.FirstValid(); more; more = log.NextValid()) {
            const LogEntry& e = log.Entry();
            for (const TextField field : {kConnection, kUser, kDevice, kTariff}) {
                AddOnce(m_choices[field], strings.ShownName(TextOf(e, field)));
            }
            // The bounds enclose every start by a second; "to" is never lowered.
            if (e.start > to) {
                to = e.start + kOneSecond;
            }
            if (e.start < from) {
                from = e.start - kOneSecond;
            }
            if (e.duration.IsValid()) {
                const CDateTime length(e.duration.GetDays());
                longest = std::max(longest, length);
                shortest = std::min(shortest, length);
                dearest = std::max(dearest, e.costs);
                cheapest = std::min(cheapest, e.costs);
                mostUnits = std::max(mostUnits, e.units);
                fewestUnits = std::min(fewestUnits, e.units);
            }
        }
        log.Close();
    }
    m_selection.fill(0);
}

CProtokollFilter::Period CProtokollFilter::Today(const CDateTime& now) {
    const LocalTime today = now.ToLocalTime();
    return {StartOfDay(today), EndOfDay(today)};
}

CProtokollFilter::Period CProtokollFilter::ThisWeek(const CDateTime& now) {
    const CDateTime monday = now - CTimeSpan::FromSeconds(int64_t{86400} * (now.GetWeekdayFromMonday() - 1));
    const CDateTime sunday = monday + CTimeSpan::FromSeconds(int64_t{86400} * 6);
    return {StartOfDay(monday.ToLocalTime()), EndOfDay(sunday.ToLocalTime())};
}

CProtokollFilter::Period CProtokollFilter::ThisMonth(const CDateTime& now) {
    const LocalTime today = now.ToLocalTime();
    LocalTime first = today;
    first.day = 1;
    LocalTime last = today;
    last.day = CDateTime::DaysInMonth(today.year, today.month);
    return {StartOfDay(first), EndOfDay(last)};
}
