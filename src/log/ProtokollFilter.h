#pragma once

#include "core/DateTime.h"
#include "core/Money.h"
#include "log/LogEntry.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class CStringTable;

// The criteria of the log filter: a period of starts, ranges of duration, units and costs, and one
// chosen value for each of the four texts. A scan of the log offers the texts that occur there and
// bounds that enclose the whole log. All bounds are inclusive.
class CProtokollFilter {
public:
    enum TextField { kConnection, kUser, kDevice, kTariff };
    // A period from its first to its last second.
    struct Period {
        CDateTime from;
        CDateTime to;
    };

    bool IsActive() const { return m_active; }
    void SetActive(bool active) { m_active = active; }
    // The bounds alone (start, duration, costs, units) of an active filter.
    bool MatchesValues(const CDateTime& start, const CTimeSpan& duration, const CMoney& costs, int32_t units) const;
    // The text chosen for a field, or nothing when all pass.
    std::optional<std::string> ChosenText(TextField field) const;

    // Rebuilds the lists (the catch-all text first, then each text in order of first appearance,
    // names as the strings show them) and the bounds from the log in the directory; "now" is where
    // the period starts from.
    void Scan(const std::string& directory, const CDateTime& now, const CStringTable& strings);
    // Today, the week (Monday to Sunday) and the month around the moment, as the quick filters
    // show them.
    static Period Today(const CDateTime& now);
    static Period ThisWeek(const CDateTime& now);
    static Period ThisMonth(const CDateTime& now);

    // The texts offered for a field; entry 0 is the catch-all.
    const std::vector<std::string>& Choices(TextField field) const { return m_choices[field]; }
    // The position chosen in a field's list; 0 for all.
    int Selection(TextField field) const { return m_selection[field]; }
    void Select(TextField field, int position) { m_selection[field] = position; }

    CDateTime from;
    CDateTime to;
    CDateTime shortest; // a time of day: the shortest duration
    CDateTime longest;
    int32_t fewestUnits = 0;
    int32_t mostUnits = 0;
    CMoney cheapest;
    CMoney dearest;

private:
    static const std::string& TextOf(const LogEntry& entry, TextField field);

    bool m_active = false;
    std::array<std::vector<std::string>, 4> m_choices;
    std::array<int, 4> m_selection = {};
};
