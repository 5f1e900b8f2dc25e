#include "GuiFixture.h"

#include "log/ProtokollDlg.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "ui/KostenDiagramm.h"
#include "ui/ListView.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The labels of the summary's list and the bars of its chart, each in the order shown.
struct Shown {
    std::vector<std::string> labels;
    std::vector<double> bars;
    bool chartVisible = false;
};

Shown Read(QWidget* summary) {
    Shown shown;
    const QAbstractItemModel* model = Find<CListView>(summary, 1110)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        shown.labels.push_back(model->index(row, 0).data().toString().toStdString());
    }
    auto* chart = summary->findChild<CKostenDiagramm*>();
    shown.chartVisible = chart->isVisible();
    const auto* bars = static_cast<QBarSeries*>(chart->chart()->series().front())->barSets().front();
    for (int i = 0; i < bars->count(); ++i) {
        shown.bars.push_back(bars->at(i));
    }
    return shown;
}

TEST(SummaryTest, ByWeekdaySortedByCostsWithItsChartAndReopenedAsLeft) {
    CLocaleGuard locale{"en_US.UTF-8"};
    GuiWorld world;
    const CDateTime monday = CDateTime::FromDate(2026, 12, 7, 10, 0, 0);
    AppendToLog(world.dir.Path(), SampleEntry(monday, 60, 1200, "a"));
    AppendToLog(world.dir.Path(), SampleEntry(monday + CTimeSpan::FromSeconds(2 * 86400), 60, 50000, "b"));
    AppendToLog(world.dir.Path(), SampleEntry(monday + CTimeSpan::FromSeconds(6 * 86400), 60, 3000, "c"));
    CProtokollDlg view(world.services, nullptr);
    view.show();
    ASSERT_TRUE(WaitUntil([&] { return !view.IsFilling(); }));

    Shown first;
    WhenModalOpens([&](QWidget* summary) {
        EXPECT_TRUE(Find<QLabel>(summary, 1157)->isVisible()) << "no filter is active";
        EXPECT_FALSE(Find<QLabel>(summary, 1156)->isVisible());
        EXPECT_EQ(Read(summary).labels.front(), "Monday");
        auto* header = Find<CListView>(summary, 1110)->horizontalHeader();
        emit header->sectionClicked(4);
        emit header->sectionClicked(4);
        first = Read(summary);
        Find<QPushButton>(summary, 1)->click();
    });
    view.OnCommand(CProtokollDlg::kSummaryByWeekday);
    ASSERT_EQ(first.labels.size(), 7u);
    EXPECT_EQ(first.labels[0], "Wednesday") << "dearest first";
    EXPECT_EQ(first.labels[1], "Sunday");
    EXPECT_EQ(first.bars[0], 5.0) << "the chart follows the list's order";
    EXPECT_EQ(first.bars[2], 0.12);
    EXPECT_TRUE(first.chartVisible);

    Shown again;
    WhenModalOpens([&](QWidget* summary) {
        again = Read(summary);
        Find<QCheckBox>(summary, 1162)->setChecked(false);
        Find<QPushButton>(summary, 2)->click();
    });
    view.OnCommand(CProtokollDlg::kSummaryByWeekday);
    EXPECT_EQ(again.labels, first.labels);
    EXPECT_EQ(world.settings.Read(Setting::kSummaryChartHidden), 0u) << "Cancel keeps nothing";
}

} // namespace
