#pragma once

#include "summary/ZusammenfassungGruppe.h"

#include <cstdint>
#include <string>
#include <vector>

class CProtokollRows;
struct ProtokollZeile;

// The log view's rows totalled by one criterion, a group per key in the order the groups were
// made: hours, days of the month, weekdays (Monday first) and months exist in advance, days, users
// and names as the rows bring them.
class CZusammenfassung {
public:
    enum Mode { kDay, kUser, kName, kHour, kMonthDay, kWeekday, kMonth, kModes };
    enum Column { kLabel, kCount, kDuration, kUnits, kCosts, kColumns };
    // The string number of a column's heading, 0 for the label's, which has none.
    static unsigned Heading(int column);
    // What the groups of a mode are, over the label column in the window ("Hour").
    static unsigned LabelHeading(Mode mode);

    // Labels of days, weekdays and months come from the C library's present locale.
    void Build(Mode mode, const CProtokollRows& rows);

    Mode GetMode() const { return m_mode; }
    size_t Size() const { return m_groups.size(); }
    const ZusammenfassungGruppe& operator[](size_t group) const { return m_groups[group]; }
    // A group's label for machines, the same under every locale: days in ISO 8601, weekdays and
    // months by their English names, hours and names as shown.
    std::string PlainLabel(size_t group) const;

    // Whether group a comes before group b. Groups whose duration is not valid come first in either
    // direction; groups that compare equal keep the order they were made in.
    bool Before(uint32_t a, uint32_t b, Column column, bool descending) const;
    // The groups' positions in the order of a column.
    std::vector<uint32_t> Order(Column column, bool descending) const;

private:
    void MakeFixedGroups();
    void AddByText(const CProtokollRows& rows);
    void AddByCalendar(const CProtokollRows& rows);
    static void Add(ZusammenfassungGruppe& group, const ProtokollZeile& row);
    // -1, 0 or 1 by the column alone.
    int Compare(const ZusammenfassungGruppe& a, const ZusammenfassungGruppe& b, Column column) const;
    int CompareLabels(const ZusammenfassungGruppe& a, const ZusammenfassungGruppe& b) const;

    Mode m_mode = kDay;
    std::vector<ZusammenfassungGruppe> m_groups;
};
