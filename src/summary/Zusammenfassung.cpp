#include "summary/Zusammenfassung.h"

#include "core/ResourceIds.h"
#include "log/ProtokollRows.h"

#include <algorithm>
#include <cstdio>
#include <langinfo.h>
#include <unordered_map>

namespace {
constexpr int kHours = 24;
constexpr int kMonthDays = 31;
constexpr int kWeekdays = 7;
constexpr int kMonths = 12;

template <class T> int ThreeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::string TwoDigits(int number) {
    char text[4];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

// The locale's long name of a weekday, 1 = Monday.
std::string WeekdayName(int weekday) {
    static constexpr nl_item kDays[] = {DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7, DAY_1};
    return nl_langinfo(kDays[weekday - 1]);
}

std::string MonthName(int month) {
    static constexpr nl_item kMonthNames[] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                              MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    return nl_langinfo(kMonthNames[month - 1]);
}

// The calendar facts of a row's start that the modes group by; rows come mostly in order of time,
// so the facts of the day before are kept.
class CDayFacts {
public:
    struct Facts {
        int64_t day;
        int hour;
        int monthDay;
        int weekday;
        int month;
    };
    Facts Of(const CDateTime& start) {
        const CDateTime::DayAndSecond split = start.SplitDayAndSecond();
        if (split.day != m_day) {
            const LocalTime time = start.ToLocalTime();
            m_day = split.day;
            m_monthDay = time.day;
            m_month = time.month;
            m_weekday = start.GetWeekdayFromMonday();
        }
        return {split.day, split.second / 3600, m_monthDay, m_weekday, m_month};
    }

private:
    int64_t m_day = INT64_MIN;
    int m_monthDay = 0;
    int m_weekday = 0;
    int m_month = 0;
};
} // namespace

unsigned CZusammenfassung::Heading(int column) {
    static constexpr unsigned kHeadings[kColumns] = {0, Str::kSummaryCount, Str::kFirstLogColumn + 1,
                                                     Str::kFirstLogColumn + 2, Str::kFirstLogColumn + 3};
    return kHeadings[column];
}

unsigned CZusammenfassung::LabelHeading(Mode mode) {
    return Str::kFirstGroupHeading + static_cast<unsigned>(mode);
}

std::string CZusammenfassung::PlainLabel(size_t group) const {
    static constexpr const char* kWeekdayNames[kWeekdays] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                             "Friday", "Saturday", "Sunday"};
    static constexpr const char* kMonthNames[kMonths] = {"January",   "February", "March",    "April",
                                                         "May",       "June",     "July",     "August",
                                                         "September", "October",  "November", "December"};
    const ZusammenfassungGruppe& g = m_groups[group];
    switch (m_mode) {
    case kDay:
        return CDateTime(static_cast<double>(g.key)).Format("%Y-%m-%d");
    case kWeekday:
        return kWeekdayNames[g.key - 1];
    case kMonth:
        return kMonthNames[g.key - 1];
    default:
        return g.label;
    }
}

void CZusammenfassung::MakeFixedGroups() {
    auto make = [&](int count, const auto& label) {
        for (int key = 1; key <= count; ++key) {
            m_groups.push_back({label(key), 0, CTimeSpan(), 0, CMoney(), key});
        }
    };
    switch (m_mode) {
    case kHour:
        for (int hour = 0; hour < kHours; ++hour) {
            m_groups.push_back({TwoDigits(hour), 0, CTimeSpan(), 0, CMoney(), hour});
        }
        break;
    case kMonthDay:
        make(kMonthDays, TwoDigits);
        break;
    case kWeekday:
        make(kWeekdays, WeekdayName);
        break;
    case kMonth:
        make(kMonths, MonthName);
        break;
    default:
        break;
    }
}

void CZusammenfassung::Build(Mode mode, const CProtokollRows& rows) {
    m_mode = mode;
    m_groups.clear();
    MakeFixedGroups();
    if (mode == kUser || mode == kName) {
        AddByText(rows);
    } else {
        AddByCalendar(rows);
    }
}

// Texts are interned, so equal ids are byte-wise equal texts.
void CZusammenfassung::AddByText(const CProtokollRows& rows) {
    std::vector<int32_t> groupOfText;
    for (size_t i = 0; i < rows.Size(); ++i) {
        const ProtokollZeile& row = rows[i];
        const uint32_t text = m_mode == kUser ? row.userName : row.connectionName;
        if (text >= groupOfText.size()) {
            groupOfText.resize(text + 1, -1);
        }
        if (groupOfText[text] < 0) {
            groupOfText[text] = static_cast<int32_t>(m_groups.size());
            m_groups.push_back({rows.Text(text), 0, CTimeSpan(), 0, CMoney(), text});
        }
        Add(m_groups[static_cast<size_t>(groupOfText[text])], row);
    }
}

void CZusammenfassung::AddByCalendar(const CProtokollRows& rows) {
    CDayFacts calendar;
    std::unordered_map<int64_t, size_t> groupOfDay;
    int64_t lastDay = INT64_MIN;
    size_t lastDayGroup = 0;
    for (size_t i = 0; i < rows.Size(); ++i) {
        const ProtokollZeile& row = rows[i];
        const CDayFacts::Facts facts = calendar.Of(row.start);
        size_t group = 0;
        switch (m_mode) {
        case kDay:
            if (facts.day != lastDay) {
                lastDay = facts.day;
                const auto [found, made] = groupOfDay.try_emplace(facts.day, m_groups.size());
                if (made) {
                    m_groups.push_back({row.start.Format("%x"), 0, CTimeSpan(), 0, CMoney(), facts.day});
                }
                lastDayGroup = found->second;
            }
            group = lastDayGroup;
            break;
        case kHour:
            group = static_cast<size_t>(facts.hour);
            break;
        case kMonthDay:
            group = static_cast<size_t>(facts.monthDay - 1);
            break;
        case kWeekday:
            group = static_cast<size_t>(facts.weekday - 1);
            break;
        default:
            group = static_cast<size_t>(facts.month - 1);
            break;
        }
        Add(m_groups[group], row);
    }
}

void CZusammenfassung::Add(ZusammenfassungGruppe& group, const ProtokollZeile& row) {
    ++group.count;
    group.duration += row.duration;
    group.units += row.units;
    group.costs += row.costs;
}

int CZusammenfassung::CompareLabels(const ZusammenfassungGruppe& a, const ZusammenfassungGruppe& b) const {
    // Users and names by their bytes (capitals first); the other modes by their keys, which count
    // days, hours, days of the month, weekdays from Monday and months.
    if (m_mode == kUser || m_mode == kName) {
        return ThreeWay(a.label, b.label);
    }
    return ThreeWay(a.key, b.key);
}

int CZusammenfassung::Compare(const ZusammenfassungGruppe& a, const ZusammenfassungGruppe& b, Column column) const {
    switch (column) {
    case kLabel:
        return CompareLabels(a, b);
    case kCount:
        return ThreeWay(a.count, b.count);
    case kDuration:
        return ThreeWay(a.duration.GetDays(), b.duration.GetDays());
    case kUnits:
        return ThreeWay(a.units, b.units);
    default:
        return ThreeWay(a.costs.GetValue(), b.costs.GetValue());
    }
}

bool CZusammenfassung::Before(uint32_t a, uint32_t b, Column column, bool descending) const {
    const ZusammenfassungGruppe& ga = m_groups[a];
    const ZusammenfassungGruppe& gb = m_groups[b];
    if (!ga.duration.IsValid() || !gb.duration.IsValid()) {
        return !ga.duration.IsValid() && gb.duration.IsValid();
    }
    const int order = Compare(ga, gb, column);
    return descending ? order > 0 : order < 0;
}

std::vector<uint32_t> CZusammenfassung::Order(Column column, bool descending) const {
    std::vector<uint32_t> order(m_groups.size());
    for (uint32_t group = 0; group < order.size(); ++group) {
        order[group] = group;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return Before(a, b, column, descending); });
    return order;
}
