#include "GuiFixture.h"

#include "app/AcceleratorRouter.h"
#include "app/FernzahlDlg.h"
#include "log/BeschreibungDlg.h"
#include "log/ProtokollFile.h"
#include "metering/ZaehlerFile.h"
#include "platform/PathText.h"
#include "settings/Formatting.h"
#include "settings/OptionenSheet.h"
#include "support/EnvironmentGuard.h"
#include "ui/HelpWindow.h"

#include <QTextBrowser>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSessionManager>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include <filesystem>

namespace {

struct MainWindowTest : ::testing::Test {
    GuiWorld world;

    void SetUp() override {
        ASSERT_FALSE(world.library.GetPath().empty()) << "the resource library was not built";
        world.settings.Write(Setting::kToleranzzeit, 0);
        world.settings.Write(Setting::kVorlaufzeit, 0);
    }
    LogEntry LastLogEntry() {
        CProtokollFile log(world.dir.Path());
        log.OpenRecordFile();
        log.GoToRecord(log.GetRecordCount() - 1);
        return log.Entry();
    }
    uint32_t LogRecords() {
        CProtokollFile log(world.dir.Path());
        log.OpenRecordFile();
        return log.GetRecordCount();
    }
};

TEST_F(MainWindowTest, NamelessModemConnectionIsDescribedByTheUser) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    window.show();
    world.modem.carrier = true;
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    EXPECT_EQ(window.findChild<QGroupBox*>(QStringLiteral("id1025"))->title().toStdString(),
              world.library.Strings().Get(176));
    WhenModalOpens([](QWidget* modal) {
        auto* prompt = qobject_cast<CBeschreibungDlg*>(modal);
        ASSERT_NE(prompt, nullptr);
        prompt->Combo()->lineEdit()->setText(QStringLiteral("Urlaub in Köln"));
        prompt->findChild<QPushButton*>(QStringLiteral("id1"))->click();
    });
    world.modem.carrier = false;
    ASSERT_TRUE(WaitUntil([&] { return LogRecords() == 1 && LastLogEntry().connectionName == "Urlaub in Köln"; }));
    EXPECT_EQ(world.settings.ReadSettingString("Protokoll", "MRU0", ""), "Urlaub in Köln");
    EXPECT_EQ(LastLogEntry().deviceName, "/dev/ttyS1");
    EXPECT_NE(window.findChild<QLabel*>(QStringLiteral("id1018"))->text().toStdString().find("Urlaub in Köln"),
              std::string::npos);
}

// A dial-up link comes up while the prompt for the last modem connection is open: the window stays
// with the new connection.
TEST_F(MainWindowTest, ConnectionStartedWhileThePromptIsOpenKeepsTheWindow) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    window.show();
    world.modem.carrier = true;
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    bool answered = false;
    WhenModalOpens([&](QWidget* modal) {
        world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
        WaitUntil([&] { return window.Station().Meter().IsRunning(); });
        modal->findChild<QPushButton*>(QStringLiteral("id1"))->click();
        answered = true;
    });
    world.modem.carrier = false;
    // The record is flushed to the disk before the prompt opens, which may take a while.
    ASSERT_TRUE(WaitUntil([&] { return answered && QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(LogRecords(), 1u);
    EXPECT_TRUE(window.Station().Meter().IsRunning());
    EXPECT_EQ(window.findChild<QGroupBox*>(QStringLiteral("id1025"))->title().toStdString(),
              world.library.Strings().Get(176));
    EXPECT_TRUE(window.IsShownByProgram());
}

// At the program's end (a termination signal, the session's end) with the carrier still there,
// nobody is asked anything and nothing is logged: the connection waits in its checkpoint for the
// next start.
TEST_F(MainWindowTest, ShutdownDuringANamelessConnectionAsksNothingAndLeavesItToTheNextStart) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    world.modem.carrier = true;
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    const QPointer<QTimer> watch = WhenModalOpens([](QWidget* modal) {
        qobject_cast<CBeschreibungDlg*>(modal)->Combo()->lineEdit()->setText(QStringLiteral("asked"));
        modal->findChild<QPushButton*>(QStringLiteral("id1"))->click();
    });
    window.Shutdown();
    EXPECT_FALSE(watch.isNull()) << "a description was asked for";
    delete watch.data();
    EXPECT_EQ(LogRecords(), 0u);
    EXPECT_NE(ReadFile(world.dir.File("Fernzahl.run")).find("Link=\"modem "), std::string::npos);
}

// The first start where no browser takes the user guide (no xdg-open on the path): the first steps
// open in a window of the program's own, and only then count as shown.
TEST_F(MainWindowTest, FirstStepsWithoutABrowserOpenInAWindowOfItsOwn) {
    CTempDir noPrograms;
    std::optional<CEnvironmentGuard> noBrowser(std::in_place, "PATH", noPrograms.Path());
    world.settings.Write(Setting::kFirstSteps, 0);
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    EXPECT_EQ(world.settings.Read(Setting::kFirstSteps), 0u) << "not shown yet";
    CHelpWindow* help = WaitForHelpWindow();
    noBrowser.reset();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->Browser()->documentTitle().isEmpty()) << "the bundled page, read";
    EXPECT_EQ(help->windowTitle(), help->Browser()->documentTitle()) << "named by its page";
    EXPECT_EQ(world.settings.Read(Setting::kFirstSteps), 1u);
    // Read by keyboard: the arrows move a caret through the text; Escape closes the window.
    const int before = help->Browser()->textCursor().position();
    QTest::keyClick(help->Browser(), Qt::Key_Down);
    EXPECT_GT(help->Browser()->textCursor().position(), before);
    const QPointer<CHelpWindow> open(help);
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    EXPECT_TRUE(WaitUntil([&] { return open.isNull(); }));
}

// A guide installed in a folder whose name is no text in the locale's encoding: the page and the
// page a link leads to are read by their bytes.
TEST_F(MainWindowTest, HelpWindowReadsAGuideInAFolderNamedByBytes) {
    CTempDir dir;
    const std::string folder = dir.File("B\xFCro");
    std::filesystem::create_directory(folder);
    WriteFile(folder + "/index.html",
              "<html><head><title>Inhalt</title></head><body><a href=\"log.html#filter\">Log</a>"
              "</body></html>");
    WriteFile(folder + "/log.html", "<html><head><title>Protokoll</title></head><body><p id=\"filter\">Filter"
                                    "</p></body></html>");
    CHelpWindow help(FileUrl(folder + "/index.html"));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Inhalt"));
    QTest::keyClick(help.Browser(), Qt::Key_Tab); // to the link
    QTest::keyClick(help.Browser(), Qt::Key_Return);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Protokoll"));
    EXPECT_EQ(FileOfUrl(help.Browser()->source()), folder + "/log.html");
}

// Exit chosen during a modem connection: the question says what becomes of it, and the next start
// that finds the carrier still there goes on with it, its name asked only at its real end.
TEST_F(MainWindowTest, ExitDuringAConnectionLeavesItToTheNextStart) {
    std::string question;
    {
        CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
        world.modem.carrier = true;
        ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
        WhenModalOpens([&](QWidget* modal) {
            question = qobject_cast<QMessageBox*>(modal)->text().toStdString();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        window.OnCommand(CFernzahlDlg::kExit);
    }
    EXPECT_NE(question.find("metered on by the next start"), std::string::npos) << question;
    EXPECT_EQ(LogRecords(), 0u);
    CFernzahlDlg again(world.services, world.dialUp, world.dialUp, world.modem);
    EXPECT_TRUE(again.Station().Meter().IsRunning());
    bool asked = false;
    WhenModalOpens([&asked](QWidget* prompt) {
        asked = true;
        qobject_cast<CBeschreibungDlg*>(prompt)->Combo()->lineEdit()->setText(QStringLiteral("Abschied"));
        prompt->findChild<QPushButton*>(QStringLiteral("id1"))->click();
    });
    world.modem.carrier = false;
    ASSERT_TRUE(WaitUntil([&] { return asked && QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(LogRecords(), 1u);
    EXPECT_EQ(LastLogEntry().connectionName, "Abschied");
}

// The program is told to end while the prompt of an ended modem connection is open: the prompt
// closes, and the record keeps the default name.
TEST_F(MainWindowTest, ShutdownClosesAnOpenPrompt) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    world.modem.carrier = true;
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    WhenModalOpens([&](QWidget* modal) {
        QTimer::singleShot(3000, modal, [modal] {
            ADD_FAILURE() << "the prompt outlived the program's end";
            static_cast<QDialog*>(modal)->done(QDialog::Rejected);
        });
        window.Shutdown();
    });
    world.modem.carrier = false;
    ASSERT_TRUE(WaitUntil([&] { return LogRecords() == 1 && QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(LastLogEntry().connectionName, world.library.Strings().Get(455));
}

// The session manager asks whether the session may end: the user may still cancel the logout, so
// the connection goes on. Only when the session really ends is it logged.
TEST_F(MainWindowTest, SessionQuestionLeavesTheConnectionRunningAndTheEndLogsIt) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    window.FollowSession(*qApp);
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    auto* session = qApp->findChild<QSessionManager*>();
    ASSERT_NE(session, nullptr);
    emit qApp->commitDataRequest(*session);
    EXPECT_TRUE(window.Station().Meter().IsRunning());
    EXPECT_EQ(LogRecords(), 0u);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec(); // the session ends: the application is about to quit
    EXPECT_FALSE(window.Station().Meter().IsRunning());
    ASSERT_EQ(LogRecords(), 1u);
    EXPECT_EQ(LastLogEntry().connectionName, "T-Online");
}

// A folder stands where the checkpoint should be written: the user learns that a crash now would
// lose the connection.
TEST_F(MainWindowTest, CheckpointThatCannotBeWrittenIsTold) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    std::filesystem::create_directory(world.dir.File("Fernzahl.run"));
    QString told;
    WhenModalOpens([&](QWidget* modal) {
        told = qobject_cast<QMessageBox*>(modal)->text();
        qobject_cast<QMessageBox*>(modal)->accept();
    });
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    ASSERT_TRUE(WaitUntil([&] { return !told.isEmpty(); }));
    EXPECT_TRUE(told.contains(QString::fromStdString(world.dir.File("Fernzahl.run")))) << told.toStdString();
    EXPECT_TRUE(window.Station().Meter().IsRunning());
}

// Where no notification service tells it, a report of the start (here a checkpoint that cannot be
// read) waits in its box while the meter goes on: a connection coming up meanwhile is metered.
TEST_F(MainWindowTest, ReportOfTheStartHoldsUpNoMetering) {
    WriteFile(world.dir.File("Fernzahl.run"), "not a checkpoint");
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    const CFernzahlDlg* started = nullptr;
    bool meteredWhileOpen = false;
    WhenModalOpens([&](QWidget* modal) {
        meteredWhileOpen = WaitUntil([&] { return started != nullptr && started->Station().Meter().IsRunning(); });
        qobject_cast<QMessageBox*>(modal)->accept();
    });
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    started = &window;
    EXPECT_TRUE(WaitUntil([&] { return meteredWhileOpen; }));
}

TEST_F(MainWindowTest, ExitWhileMeteringAsksAndLogsOnlyOnYes) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    WhenModalOpens([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click(); });
    window.OnCommand(CFernzahlDlg::kExit);
    EXPECT_TRUE(window.Station().Meter().IsRunning());
    EXPECT_EQ(LogRecords(), 0u);
    WhenModalOpens([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
    window.OnCommand(CFernzahlDlg::kExit);
    EXPECT_FALSE(window.Station().Meter().IsRunning());
    ASSERT_EQ(LogRecords(), 1u);
    EXPECT_EQ(LastLogEntry().connectionName, "T-Online");
    EXPECT_EQ(window.Station().GetCounter(CMeterStation::kTotal).GetConnections(), 1);
}

TEST_F(MainWindowTest, TooltipShowsAtMostItsFirst63Characters) {
    const std::string eighty(80, 'x');
    EXPECT_EQ(CFernzahlDlg::TooltipText(eighty).toStdString(), std::string(63, 'x'));
    const QString umlauts = CFernzahlDlg::TooltipText(std::string(30, 'a') + std::string(25, 'b') + "ÄÖÜäöüßÄÖÜäöü");
    EXPECT_EQ(umlauts.size(), 63);
    EXPECT_TRUE(umlauts.endsWith(QStringLiteral("ÄÖÜäöüßÄ")));
}

TEST_F(MainWindowTest, TooltipFollowsTheRunAndKeepsTheLastCounter) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    EXPECT_EQ(window.Tooltip().toStdString(), world.library.Strings().Get(174));
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    const std::string running = window.Tooltip().toStdString();
    EXPECT_NE(running.find("00:00:0"), std::string::npos) << running;
    world.dialUp.links.clear();
    ASSERT_TRUE(WaitUntil([&] { return !window.Station().Meter().IsRunning(); }));
    EXPECT_NE(window.Tooltip().toStdString(), world.library.Strings().Get(174));
}

TEST_F(MainWindowTest, WithoutATrayTheWindowIsNeverHidden) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    window.show();
    WaitUntil([] { return false; }, 100);
    EXPECT_TRUE(window.isVisible());
    window.OnCommand(CFernzahlDlg::kHide);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());
    window.OnCommand(CFernzahlDlg::kShow);
    EXPECT_FALSE(window.isMinimized());
}

TEST_F(MainWindowTest, CounterChoiceIsShownAndRemembered) {
    world.settings.Write(Setting::kZaehlerAnzeige, 2);
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    auto* caption = window.findChild<QGroupBox*>(QStringLiteral("id1020"));
    EXPECT_EQ(caption->title().toStdString(), world.library.Strings().Get(182));
    EXPECT_TRUE(window.findChild<QRadioButton*>(QStringLiteral("id1023"))->isChecked());
    window.findChild<QRadioButton*>(QStringLiteral("id1024"))->click();
    EXPECT_EQ(caption->title().toStdString(), world.library.Strings().Get(183));
    EXPECT_EQ(world.settings.Read(Setting::kZaehlerAnzeige), 3u);
}

TEST_F(MainWindowTest, BudgetPassedIsWarnedOfOnceAndTheMonthlyCounterShowsWhatIsLeft) {
    world.settings.Write(Setting::kBudgetLimit, 1'0000);
    world.settings.Write(Setting::kZaehlerAnzeige, CMeterStation::kMonthly);
    CounterState monthly;
    monthly.costs = CMoney(1'2000);
    monthly.resetDate = world.clock.Now();
    ASSERT_TRUE(CZaehlerFile(world.dir.Path()).WriteCounter(CZaehlerFile::kMonthly, monthly));
    const CStringTable& strings = world.library.Strings();
    const auto start = [&] {
        auto window = std::make_unique<CFernzahlDlg>(world.services, world.dialUp, world.dialUp, world.modem);
        WaitUntil([] { return false; }, 300);
        return window;
    };
    std::unique_ptr<CFernzahlDlg> window;
    EXPECT_EQ(Answering([&] { window = start(); }),
              strings.Format(604, {FormatAmount(CMoney(1'2000)), FormatAmount(CMoney(1'0000))}));
    const std::string shown = window->findChild<QLabel*>(QStringLiteral("id1019"))->text().toStdString();
    EXPECT_NE(shown.find(strings.Format(602, {FormatAmount(CMoney(2000)), FormatAmount(CMoney(1'0000))})),
              std::string::npos)
        << shown;
    window.reset();
    EXPECT_EQ(Answering([&] { window = start(); }), "") << "warned again after a restart";
}

TEST_F(MainWindowTest, ResettingACounterAsksFirst) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    world.dialUp.links.clear();
    ASSERT_TRUE(WaitUntil([&] { return !window.Station().Meter().IsRunning(); }));
    ASSERT_EQ(window.Station().GetCounter(CMeterStation::kDaily).GetConnections(), 1);
    WhenModalOpens([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click(); });
    window.OnCommand(CFernzahlDlg::kResetDaily);
    EXPECT_EQ(window.Station().GetCounter(CMeterStation::kDaily).GetConnections(), 1);
    WhenModalOpens([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
    window.OnCommand(CFernzahlDlg::kResetDaily);
    EXPECT_EQ(window.Station().GetCounter(CMeterStation::kDaily).GetConnections(), 0);
    EXPECT_EQ(window.Station().GetCounter(CMeterStation::kTotal).GetConnections(), 1);
}

// Stands in for the tray icon, which on an X11 desktop is a window of its own: a left click shows
// the program, a right click chooses Exit from its menu.
class CTrayStandIn : public QWidget {
public:
    explicit CTrayStandIn(CFernzahlDlg& window) : m_window(window) { resize(24, 24); }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_window.OnCommand(event->button() == Qt::LeftButton ? CFernzahlDlg::kShow : CFernzahlDlg::kExit);
    }

private:
    CFernzahlDlg& m_window;
};

// While the options are open, Ctrl+O and the menu bring them to the front instead of a second
// sheet or the log; the tray still answers: Show brings the window up, Exit asks.
TEST_F(MainWindowTest, OneWindowPerTaskAndTheTrayAnswersWhileItIsOpen) {
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    CAcceleratorRouter keys;
    keys.SetMainWindow([&window](unsigned command) { window.OnCommand(command); });
    qApp->installEventFilter(&keys);
    CTrayStandIn tray(window);
    tray.show();
    window.OnCommand(CFernzahlDlg::kHide);
    bool asked = false;
    WhenModalOpens([&](QWidget* sheet) {
        // A second window over the sheet is a failure, and is closed so that the test goes on.
        QTimer intruders;
        QObject::connect(&intruders, &QTimer::timeout, [sheet] {
            auto* second = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (second != nullptr && second != sheet && qobject_cast<QMessageBox*>(second) == nullptr) {
                ADD_FAILURE() << "a second window opened: " << second->metaObject()->className();
                second->done(QDialog::Rejected);
            }
        });
        intruders.start(100);
        QTest::keyClick(sheet, Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(window.findChildren<COptionenSheet*>().size(), 1);
        QTest::mouseClick(tray.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(window.IsShownByProgram());
        EXPECT_FALSE(window.isMinimized());
        window.OnCommand(CFernzahlDlg::kLog);
        EXPECT_EQ(window.LogView(), nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), sheet);
        WhenModalOpens([&](QWidget* question) {
            asked = question != sheet;
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::No)->click();
        });
        QTest::mouseClick(tray.windowHandle(), Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_EQ(QApplication::activeModalWidget(), sheet);
        Find<QPushButton>(sheet, 2)->click();
    });
    window.OnCommand(CFernzahlDlg::kOptions);
    qApp->removeEventFilter(&keys);
    EXPECT_TRUE(asked) << "Exit from the tray did not ask";
}

TEST(Accelerators, KeysOfTheMainWindowAndTheLogView) {
    CResourceLibrary library;
    ASSERT_TRUE(library.Load());
    EXPECT_EQ(CAcceleratorRouter::CommandOf(209, QKeySequence(QStringLiteral("Ctrl+L"))), 32798u);
    EXPECT_EQ(CAcceleratorRouter::CommandOf(209, QKeySequence(QStringLiteral("F1"))), 57670u);
    EXPECT_EQ(CAcceleratorRouter::CommandOf(210, QKeySequence(QStringLiteral("F5"))), 32822u);
    EXPECT_EQ(CAcceleratorRouter::CommandOf(209, QKeySequence(QStringLiteral("F5"))), 0u);
}

} // namespace
