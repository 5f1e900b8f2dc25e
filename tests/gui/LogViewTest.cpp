#include "GuiFixture.h"

#include "log/ProtokollDlg.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "ui/ListView.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The log view as a user meets it: a small log, the real forms, message boxes answered.
struct LogViewTest : ::testing::Test {
    CLocaleGuard locale{"de_DE.UTF-8"};
    GuiWorld world;
    CProtokollDlg view{world.services, nullptr};
    CListView* list = nullptr;

    void SetUp() override {
        const CDateTime start = CDateTime::FromDate(2026, 12, 7, 10, 0, 0);
        AppendToLog(world.dir.Path(), SampleEntry(start, 60, 1200, "mid", 1));
        AppendToLog(world.dir.Path(), SampleEntry(start + CTimeSpan::FromSeconds(3600), 120, 2400, "apple", 2));
        AppendToLog(world.dir.Path(), SampleEntry(start + CTimeSpan::FromSeconds(7200), 180, 3600, "Zebra", 3));
        list = Find<CListView>(&view, 1027);
        view.show();
        Settle();
    }
    void Settle() {
        ASSERT_TRUE(WaitUntil([&] { return !view.IsFilling(); }));
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            names.push_back(list->model()->index(row, 4).data().toString().toStdString());
        }
        return names;
    }
    std::string Totals() { return Find<QLabel>(&view, 1155)->text().toStdString(); }
    void ClickColumn(int column) {
        emit list->horizontalHeader()->sectionClicked(column);
        Settle();
    }
};

TEST_F(LogViewTest, SortFilterAndDeleteAsAUserWould) {
    EXPECT_EQ(Names(), (std::vector<std::string>{"mid", "apple", "Zebra"}));
    EXPECT_EQ(Totals(), world.library.Strings().Format(418, {"3", "00:06:00", "6", "0,72"}));
    ClickColumn(4);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Zebra", "apple", "mid"}));
    ClickColumn(4);
    EXPECT_EQ(Names(), (std::vector<std::string>{"mid", "apple", "Zebra"})) << "a second click reverses";
    EXPECT_FALSE(view.IsCommandEnabled(CProtokollDlg::kRemoveFilter));

    // A bad date is refused with its message and the field focused; then "apple" alone is chosen.
    WhenModalOpens([this](QWidget* filter) {
        auto* from = Find<QLineEdit>(filter, 1028);
        from->setText(QStringLiteral("yesterday"));
        EXPECT_EQ(Answering([&] { Find<QPushButton>(filter, 1)->click(); }), world.library.Strings().Get(61720));
        EXPECT_EQ(filter->focusWidget(), from);
        from->setText(QStringLiteral("01.01.2026 00:00:00"));
        Find<QComboBox>(filter, 1002)->setCurrentText(QStringLiteral("apple"));
        Find<QPushButton>(filter, 1)->click();
    });
    view.OnCommand(CProtokollDlg::kFilter);
    Settle();
    EXPECT_EQ(Names(), (std::vector<std::string>{"apple"}));
    EXPECT_TRUE(Find<QLabel>(&view, 1154)->isVisible());
    EXPECT_TRUE(view.IsCommandEnabled(CProtokollDlg::kRemoveFilter));
    EXPECT_EQ(Totals(), world.library.Strings().Format(418, {"1", "00:02:00", "2", "0,24"}));

    list->setCurrentIndex(list->model()->index(0, 0));
    EXPECT_EQ(Answering([&] { view.OnCommand(CProtokollDlg::kDeleteSelected); }), world.library.Strings().Get(432));
    Settle();
    EXPECT_TRUE(Names().empty());
    view.OnCommand(CProtokollDlg::kRemoveFilter);
    Settle();
    EXPECT_EQ(Names(), (std::vector<std::string>{"mid", "Zebra"})) << "the order chosen stays";
    EXPECT_FALSE(Find<QLabel>(&view, 1154)->isVisible());
    view.reject();
    EXPECT_EQ(world.settings.Read(Setting::kLogSortColumn), 4u);
    EXPECT_EQ(world.settings.Read(Setting::kLogSortDescending), 1u);
}

} // namespace
