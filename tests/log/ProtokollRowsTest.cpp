#include "log/ProtokollRows.h"
#include "core/StringTable.h"
#include "log/ProtokollFilter.h"

#include "support/LogBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const CStringTable kStrings = CStringTable::Parse("419\t(all)\n");

struct ProtokollRowsTest : ::testing::Test {
    CTempDir dir;
    CProtokollFilter filter;

    void Append(const CDateTime& start, const std::string& name, int64_t costs = 1200, int64_t seconds = 60) {
        AppendToLog(dir.Path(), SampleEntry(start, seconds, costs, name));
    }
    std::vector<std::string> Shown(CProtokollRows::Column column = CProtokollRows::kStart, bool descending = false) {
        CProtokollRows rows;
        rows.Read(dir.Path(), &filter, kStrings);
        std::vector<std::string> names;
        for (const uint32_t row : rows.Order(column, descending)) {
            names.push_back(rows.Text(rows[row].connectionName));
        }
        return names;
    }
};

const CDateTime kNoon = CDateTime::FromDate(2026, 12, 7, 12, 0, 0);
const CTimeSpan kSecond = CTimeSpan::FromSeconds(1);

TEST_F(ProtokollRowsTest, ScanEnclosesTheLogBySecondsAndListsTextsInOrderOfAppearance) {
    Append(kNoon, "b");
    Append(kNoon + CTimeSpan::FromSeconds(3600), "B");
    Append(kNoon - CTimeSpan::FromSeconds(3600), "b");
    filter.to = kNoon + CTimeSpan::FromSeconds(7200); // later than the log: not lowered
    filter.Scan(dir.Path(), CDateTime::FromDate(2027, 1, 1), kStrings);
    EXPECT_EQ(filter.Choices(CProtokollFilter::kConnection), (std::vector<std::string>{"(all)", "b", "B"}));
    EXPECT_EQ(filter.from, kNoon - CTimeSpan::FromSeconds(3600) - kSecond);
    EXPECT_EQ(filter.to, kNoon + CTimeSpan::FromSeconds(7200));
    filter.to = CDateTime::FromDate(2000, 1, 1);
    filter.Scan(dir.Path(), CDateTime::FromDate(2027, 1, 1), kStrings);
    EXPECT_EQ(filter.to, kNoon + CTimeSpan::FromSeconds(3600) + kSecond);
    EXPECT_EQ(filter.dearest, CMoney(1200));
    filter.SetActive(true);
    EXPECT_EQ(Shown().size(), 3u) << "a fresh scan lets the whole log through";
    filter.Select(CProtokollFilter::kConnection, 2);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"B"})) << "texts are chosen by case";
}

TEST_F(ProtokollRowsTest, BoundsAreInclusiveAndASecondOutsideFails) {
    Append(kNoon, "at");
    Append(kNoon + kSecond, "after");
    Append(kNoon - kSecond, "before");
    filter.Scan(dir.Path(), kNoon, kStrings);
    filter.from = filter.to = kNoon;
    filter.SetActive(true);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"at"}));
    filter.from = kNoon - kSecond;
    filter.to = kNoon + kSecond;
    filter.cheapest = filter.dearest = CMoney(1200);
    filter.fewestUnits = filter.mostUnits = 3;
    filter.shortest = filter.longest = CDateTime(CTimeSpan::FromSeconds(60).GetDays());
    EXPECT_EQ(Shown().size(), 3u);
    filter.cheapest = CMoney(1201);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ProtokollRowsTest, QuickFilterPeriodsRunFromMondayAndToTheMonthsLastDay) {
    using P = CProtokollFilter;
    const CDateTime sunday = CDateTime::FromDate(2026, 12, 13, 15, 0, 0);
    EXPECT_EQ(P::ThisWeek(sunday).from, CDateTime::FromDate(2026, 12, 7));
    EXPECT_EQ(P::ThisWeek(sunday).to, CDateTime::FromDate(2026, 12, 13, 23, 59, 59));
    const CDateTime monday = CDateTime::FromDate(2026, 12, 7, 0, 0, 1);
    EXPECT_EQ(P::ThisWeek(monday).from, CDateTime::FromDate(2026, 12, 7));
    EXPECT_EQ(P::ThisWeek(monday).to, CDateTime::FromDate(2026, 12, 13, 23, 59, 59));
    EXPECT_EQ(P::ThisMonth(CDateTime::FromDate(2028, 2, 10)).to, CDateTime::FromDate(2028, 2, 29, 23, 59, 59));
    EXPECT_EQ(P::ThisMonth(CDateTime::FromDate(2026, 4, 30, 23, 0, 0)).to,
              CDateTime::FromDate(2026, 4, 30, 23, 59, 59));
    EXPECT_EQ(P::ThisMonth(CDateTime::FromDate(2026, 4, 30)).from, CDateTime::FromDate(2026, 4, 1));
    EXPECT_EQ(P::Today(kNoon).from, CDateTime::FromDate(2026, 12, 7));
}

TEST_F(ProtokollRowsTest, OrderPutsCapitalsFirstAndInvalidDurationsFirstInBothDirections) {
    Append(kNoon, "apple");
    Append(kNoon, "Zebra");
    LogEntry broken = SampleEntry(kNoon, 60, 100, "broken");
    broken.duration = CTimeSpan(0.0, ValueStatus::Invalid);
    AppendToLog(dir.Path(), broken);
    Append(kNoon, "Zebra");
    EXPECT_EQ(Shown(CProtokollRows::kConnection), (std::vector<std::string>{"broken", "Zebra", "Zebra", "apple"}));
    EXPECT_EQ(Shown(CProtokollRows::kConnection, true),
              (std::vector<std::string>{"broken", "apple", "Zebra", "Zebra"}));
    EXPECT_EQ(Shown(CProtokollRows::kCosts, true), (std::vector<std::string>{"broken", "apple", "Zebra", "Zebra"}));
    EXPECT_EQ(Shown(CProtokollRows::kStart, true), (std::vector<std::string>{"broken", "apple", "Zebra", "Zebra"}));
    Append(kNoon - kSecond, "early");
    EXPECT_EQ(Shown(CProtokollRows::kStart, true),
              (std::vector<std::string>{"broken", "apple", "Zebra", "Zebra", "early"}))
        << "equal starts keep their log order, also when reversed";
}

TEST_F(ProtokollRowsTest, TotalsCountOnlyTheShownRows) {
    Append(kNoon, "a", 1200, 60);
    Append(kNoon + CTimeSpan::FromSeconds(86400), "b", 3400, 120);
    filter.Scan(dir.Path(), kNoon, kStrings);
    filter.from = kNoon + kSecond;
    filter.SetActive(true);
    CProtokollRows rows;
    rows.Read(dir.Path(), &filter, kStrings);
    EXPECT_EQ(rows.Totals().count, 1u);
    EXPECT_EQ(rows.Totals().costs, CMoney(3400));
    EXPECT_EQ(rows.Totals().units, 3);
    EXPECT_EQ(rows.Totals().duration, CTimeSpan::FromSeconds(120));
}

} // namespace
