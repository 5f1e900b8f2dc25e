#include "GuiFixture.h"

#include "app/FernzahlDlg.h"
#include "core/FileLayer.h"
#include "core/ResourceIds.h"
#include "log/ProtokollDlg.h"
#include "settings/DateTimeInput.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "ui/HelpWindow.h"

#include "ui/ListView.h"
#include <QTextBrowser>

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

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

// A dialog's Help opens the guide at that dialog's own section, here in the program's own help
// window, as where no browser takes the page (no xdg-open on the path).
TEST_F(LogViewTest, FilterHelpOpensTheGuideAtTheFiltersOwnSection) {
    CTempDir noPrograms;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(noPrograms.Path()));
    WhenModalOpens([](QWidget* filter) {
        Find<QPushButton>(filter, Control::kHelp)->click();
        Find<QPushButton>(filter, Control::kCancel)->click();
    });
    view.OnCommand(CProtokollDlg::kFilter);
    CHelpWindow* help = WaitForHelpWindow();
    qputenv("PATH", path);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source().fileName(), QStringLiteral("index.html"));
    EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("log-filter"));
    EXPECT_TRUE(WaitUntil([&] { return help->Browser()->verticalScrollBar()->value() > 0; }))
        << "scrolled to the section";
    help->close();
}

// Sorting by keyboard: the Sort menu's choices and their shortcuts, the present order checked.
TEST_F(LogViewTest, SortedFromTheMenuAndByShortcutWithThePresentOrderChecked) {
    auto sortAction = [this](unsigned command) {
        for (QAction* action : view.findChildren<QAction*>()) {
            if (action->data().toUInt() == command) {
                return action;
            }
        }
        return static_cast<QAction*>(nullptr);
    };
    QAction* byName = sortAction(CProtokollDlg::kSortByFirstColumn + 4);
    QAction* descending = sortAction(CProtokollDlg::kSortDescending);
    ASSERT_NE(byName, nullptr);
    ASSERT_NE(descending, nullptr);
    EXPECT_TRUE(sortAction(CProtokollDlg::kSortByFirstColumn)->isChecked()) << "the log starts sorted by its start";
    byName->trigger();
    Settle();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Zebra", "apple", "mid"}));
    EXPECT_TRUE(byName->isChecked());
    EXPECT_FALSE(sortAction(CProtokollDlg::kSortByFirstColumn)->isChecked());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_5, Qt::ControlModifier | Qt::ShiftModifier); // the same column again
    Settle();
    EXPECT_EQ(Names(), (std::vector<std::string>{"mid", "apple", "Zebra"})) << "Ctrl+Shift+5 turns the order round";
    EXPECT_TRUE(descending->isChecked());
    QTest::keyClick(list, Qt::Key_4, Qt::ControlModifier | Qt::ShiftModifier);
    Settle();
    EXPECT_EQ(Names(), (std::vector<std::string>{"mid", "apple", "Zebra"})) << "by costs, the cheapest first";
    EXPECT_FALSE(descending->isChecked());
}

TEST_F(LogViewTest, SortFilterAndDeleteAsAUserWould) {
    EXPECT_EQ(Names(), (std::vector<std::string>{"mid", "apple", "Zebra"}));
    EXPECT_EQ(Totals(), world.library.Strings().FormatCount(418, 3, {"3", "00:06:00", "6", "0,72"}));
    ClickColumn(4);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Zebra", "apple", "mid"}));
    ClickColumn(4);
    EXPECT_EQ(Names(), (std::vector<std::string>{"mid", "apple", "Zebra"})) << "a second click reverses";
    EXPECT_FALSE(view.IsCommandEnabled(CProtokollDlg::kRemoveFilter));

    // A bad date is refused with its message and the field focused; then "apple" alone is chosen.
    WhenModalOpens([this](QWidget* filter) {
        auto* from = Find<QLineEdit>(filter, 1028);
        from->setText(QStringLiteral("yesterday"));
        // The message shows the form expected by an example, one the field takes.
        const std::string refusal = Answering([&] { Find<QPushButton>(filter, 1)->click(); });
        const std::string pattern = world.library.Strings().Get(61722);
        const std::string before = pattern.substr(0, pattern.find("%1"));
        const std::string after = pattern.substr(pattern.find("%1") + 2);
        ASSERT_EQ(refusal.rfind(before, 0), 0u) << refusal;
        ASSERT_GT(refusal.size(), before.size() + after.size()) << refusal;
        const std::string example = refusal.substr(before.size(), refusal.size() - before.size() - after.size());
        EXPECT_TRUE(ParseDateTimeInput(example)) << example;
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
    EXPECT_EQ(Totals(), "1 connection   Time: 00:02:00   Units: 2   Costs: 0,24") << "one in its form for one";

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

// The log open from the main window; connections end while its questions are open.
struct LogViewWhileMeteringTest : LogViewTest {
    CFernzahlDlg window{world.services, world.dialUp, world.dialUp, world.modem};

    std::vector<std::string> Logged() {
        std::vector<std::string> names;
        for (const LogEntry& entry : ReadLog(world.dir.Path())) {
            names.push_back(entry.connectionName);
        }
        return names;
    }
    // Runs the command of the log view; while its question is open a connection ends and is
    // logged (the main window refills the view), then the question, whose default is No, is answered Yes.
    void AnswerYesAfterAConnection(CProtokollDlg& log, unsigned command, const std::string& name) {
        world.dialUp.links = {{name, "ttyS0", "ppp0", ""}};
        ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
        const size_t before = Logged().size();
        WhenModalOpens([&](QWidget* modal) {
            world.dialUp.links.clear();
            EXPECT_TRUE(
                WaitUntil([&] { return Logged().size() == before + 1 && !window.Station().Meter().IsRunning(); }));
            WaitUntil([] { return false; }, 200);
            EXPECT_EQ(log.Rows().Size(), before) << "the view kept its rows while asking";
            auto* question = qobject_cast<QMessageBox*>(modal);
            EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No)) << "a stray Return deletes nothing";
            question->button(QMessageBox::Yes)->click();
        });
        log.OnCommand(command);
        ASSERT_TRUE(WaitUntil([&] { return !log.IsFilling(); }));
    }
};

TEST_F(LogViewWhileMeteringTest, ConnectionLoggedWhileAskingStaysAndTheChosenOneGoes) {
    view.reject();
    WhenModalOpens([&](QWidget* modal) {
        auto* log = qobject_cast<CProtokollDlg*>(modal);
        ASSERT_NE(log, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return !log->IsFilling(); }));
        auto* rows = Find<CListView>(log, 1027);
        emit rows->horizontalHeader()->sectionClicked(0);
        ASSERT_TRUE(WaitUntil([&] { return !log->IsFilling(); })); // newest first
        rows->setCurrentIndex(rows->model()->index(0, 0));
        ASSERT_EQ(rows->model()->index(0, 4).data().toString(), QStringLiteral("Zebra"));
        AnswerYesAfterAConnection(*log, CProtokollDlg::kDeleteSelected, "T-Online");
        EXPECT_EQ(Logged(), (std::vector<std::string>{"mid", "apple", "T-Online"}));
        EXPECT_EQ(log->Rows().Size(), 3u) << "the view took in the new connection after the question";

        // Under a filter that lets every connection through, the new one included.
        WhenModalOpens([](QWidget* filter) {
            for (const auto& [field, text] : {std::pair{Control::kFilterFrom, "01.01.2000 00:00:00"},
                                              {Control::kFilterTo, "31.12.2099 00:00:00"},
                                              {Control::kFilterShortest, "00:00:00"},
                                              {Control::kFilterFewestUnits, "0"},
                                              {Control::kFilterCheapest, "0,00"}}) {
                Find<QLineEdit>(filter, field)->setText(QString::fromLatin1(text));
            }
            Find<QPushButton>(filter, 1)->click();
        });
        log->OnCommand(CProtokollDlg::kFilter);
        ASSERT_TRUE(WaitUntil([&] { return !log->IsFilling(); }));
        AnswerYesAfterAConnection(*log, CProtokollDlg::kDeleteShown, "Arcor");
        EXPECT_EQ(Logged(), (std::vector<std::string>{"Arcor"}));
        EXPECT_EQ(log->Rows().Size(), 1u) << "the filter goes with the entries it showed";

        AnswerYesAfterAConnection(*log, CProtokollDlg::kDeleteShown, "Eplus"); // without a filter: the whole log
        EXPECT_EQ(Logged(), (std::vector<std::string>{"Eplus"}));

        // A log that cannot be written: nothing goes, and the user is told.
        rows->setCurrentIndex(rows->model()->index(0, 0));
        std::string told;
        WhenModalOpens([&](QWidget* question) {
            WhenModalOpens([&](QWidget* box) {
                told = qobject_cast<QMessageBox*>(box)->text().toStdString();
                qobject_cast<QMessageBox*>(box)->accept();
            });
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
        CFileLayer::FailOperation(1, EIO);
        log->OnCommand(CProtokollDlg::kDeleteSelected);
        CFileLayer::FailOperation(0);
        EXPECT_EQ(told, world.library.Strings().Format(458, {world.dir.File("Fernzahl.log")}));
        EXPECT_EQ(Logged(), (std::vector<std::string>{"Eplus"}));

        // The whole log as it was asked about: the connection logged meanwhile stays.
        AnswerYesAfterAConnection(*log, CProtokollDlg::kDeleteWholeLog, "Fonic");
        EXPECT_EQ(Logged(), (std::vector<std::string>{"Fonic"}));
        log->reject();
    });
    window.OnCommand(CFernzahlDlg::kLog);
}

} // namespace
