#include "GuiFixture.h"

#include "app/AboutDlg.h"
#include "app/FernzahlDlg.h"
#include "core/FileLayer.h"
#include "core/LanguageChoice.h"
#include "core/ResourceIds.h"
#include "log/BeschreibungDlg.h"
#include "log/FilterDlg.h"
#include "log/ProtokollDlg.h"
#include "platform/IniSettingsStore.h"
#include "platform/SerialModemLine.h"
#include "settings/Formatting.h"
#include "settings/OptionenSheet.h"
#include "support/EnvironmentGuard.h"
#include "support/LocaleGuard.h"
#include "tariff_editor/FeiertageDlg.h"
#include "tariff_editor/TarifAuswahlDlg.h"
#include "tariff_editor/TarifOptionenDlg.h"
#include "tariff_editor/TarifZoneDlg.h"
#include "tariff_editor/TarifeSheet.h"
#include "tariffs/ZuordnungDlg.h"
#include "ui/FormPage.h"
#include "ui/HelpWindow.h"
#include "ui/ListView.h"
#include "ui/TextTableModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The options and the assignment as a user meets them: a store nobody has written yet, the real
// forms, message boxes answered with their default button.
struct OptionsTest : ::testing::Test {
    GuiWorld world;
    CTempDir config;
    CMemorySettingsStore fresh{world.dir.Path()};
    Services services{world.clock, fresh, world.library.Strings(), world.sound, "anna"};

    CEnvironmentGuard configHome{"XDG_CONFIG_HOME", config.Path()};

    std::string Text(unsigned id) { return world.library.Strings().Get(id); }
    std::string Stored(const char* section, const char* name) { return fresh.ReadSettingString(section, name, "-"); }
};

TEST_F(OptionsTest, EveryFormHoldsEveryControlItsWindowUses) {
    for (const QString& name : QDir(QStringLiteral(FERNZAHL_SOURCE_DIR "/resources/forms")).entryList({"*.ui"})) {
        QWidget host;
        EXPECT_NO_THROW(CFormLoader::LoadInto(&host, name.section(QLatin1Char('.'), 0, 0).toInt()))
            << name.toStdString();
    }
    // A field with its unit beside it is named with both: a screen reader reads one label only.
    QWidget budget;
    CFormLoader::LoadInto(&budget, 201);
    EXPECT_EQ(budget.findChild<QWidget*>(QStringLiteral("id1201"))->accessibleName().toStdString(),
              "Warn at: percent of the limit (1 to 100)");
    // A drop-down list's choice is said with the label that points at it, the only name a screen
    // reader says for it; a label's own spoken name stands for its text.
    QWidget summary;
    CFormLoader::LoadInto(&summary, 197);
    summary.findChild<QComboBox*>(QStringLiteral("id1161"))->setCurrentIndex(2);
    EXPECT_EQ(summary.findChild<QLabel*>(QStringLiteral("chartOfLabel"))->accessibleName().toStdString(),
              "Show a chart of units");
    QWidget zone;
    CFormLoader::LoadInto(&zone, 185);
    auto* from = zone.findChild<QComboBox*>(QStringLiteral("id1113"));
    from->addItems({QStringLiteral("00:00"), QStringLiteral("00:15")}); // filled by its window
    from->setCurrentIndex(1);
    EXPECT_EQ(zone.findChild<QLabel*>(QStringLiteral("fromLabel"))->accessibleName().toStdString(), "From 00:15");
    COptionenSheet sheet(services, true, {}, nullptr);
    for (int page = 0; page < sheet.Tabs()->count(); ++page) {
        EXPECT_NO_THROW(sheet.Page(page)->EnsureLoaded()) << "page " << page;
    }
    EXPECT_NO_THROW(CZuordnungDlg(fresh, world.library.Strings(), world.dialUp, nullptr).show());
    EXPECT_NO_THROW(CAboutDlg(world.library.Strings()));
    EXPECT_NO_THROW(CBeschreibungDlg(fresh, world.library.Strings()));
    EXPECT_NO_THROW(CFernzahlDlg(world.services, world.dialUp, world.dialUp, world.modem));
    EXPECT_NO_THROW(CProtokollDlg(services, nullptr).show());
    CProtokollFilter filter;
    EXPECT_NO_THROW(CFilterDlg(filter, world.dir.Path(), CDateTime(), world.library.Strings(), nullptr).show());
    const std::string tariff = world.dir.File("Fernzahl.tff");
    CTariffRecords(tariff).WriteOptions({true, true, true, true, false});
    CTarifeSheet editor(fresh, world.library.Strings(), tariff, QStringLiteral("Fernzahl"), nullptr);
    for (int page = 0; page < editor.Tabs()->count(); ++page) {
        EXPECT_NO_THROW(editor.Page(page)->EnsureLoaded()) << "tariff editor page " << page;
    }
    EXPECT_EQ(editor.Tabs()->count(), 7);
    EXPECT_NO_THROW(CTarifZoneDlg(world.library.Strings(), tariff, 64, std::nullopt, {true, true}, nullptr).show());
    EXPECT_NO_THROW(CTarifAuswahlDlg(fresh, world.library.Strings(), nullptr).show());
    EXPECT_NO_THROW(CTarifOptionenDlg(world.library.Strings(), tariff, nullptr).show());
    EXPECT_NO_THROW(CFeiertageDlg(2026, nullptr).show());
}

// The About box's "Licence and help" opens the guide where it gives the licence.
TEST_F(OptionsTest, AboutBoxOpensTheLicenceInTheGuide) {
    CTempDir noPrograms;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(noPrograms.Path())); // no browser: the program's own window
    CAboutDlg about(world.library.Strings());
    Find<QPushButton>(&about, Control::kAboutLink)->click();
    CHelpWindow* help = WaitForHelpWindow();
    qputenv("PATH", path);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("licence"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("GNU General Public License")));
    help->close();
}

TEST_F(OptionsTest, SheetRefusesWhatItMustAndWritesOnlyThePagesShown) {
    COptionenSheet sheet(services, true, {}, nullptr);
    sheet.show();
    QWidget* monitoring = sheet.Page(0);
    EXPECT_EQ(Answering([&] { sheet.accept(); }), Text(302));
    EXPECT_EQ(Stored("Überwachung", "Modem"), "-");
    Find<QCheckBox>(monitoring, 1091)->setChecked(true);
    auto* leadTime = Find<QLineEdit>(monitoring, 1014);
    leadTime->setText(QStringLiteral("601"));
    EXPECT_EQ(Answering([&] { sheet.accept(); }), world.library.Strings().Format(61714, {"0", "600"}));
    EXPECT_EQ(sheet.focusWidget(), leadTime);
    leadTime->setText(QStringLiteral("ten"));
    EXPECT_EQ(Answering([&] { sheet.accept(); }), Text(61719));
    leadTime->setText(QStringLiteral("20"));
    EXPECT_EQ(Answering([&] { sheet.accept(); }), "");
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(fresh.Read(Setting::kVorlaufzeit), 20u);
    EXPECT_EQ(fresh.Read(Setting::kModem), 1u);
    EXPECT_FALSE(fresh.OpenSettingsKey(false, "Zähler")) << "a page never shown was written";
    EXPECT_FALSE(fresh.OpenSettingsKey(false, "Timer"));

    // The counters' day must be a day of the month before another page may come to the front.
    COptionenSheet second(services, true, {}, nullptr);
    second.show();
    second.Tabs()->setCurrentIndex(1);
    auto* resetDay = Find<QLineEdit>(second.Page(1), 1049);
    for (const char* day : {"0", "32"}) {
        resetDay->setText(QString::fromLatin1(day));
        EXPECT_EQ(Answering([&] { second.Tabs()->setCurrentIndex(5); }),
                  world.library.Strings().Format(61714, {"1", "31"}));
        EXPECT_EQ(second.Tabs()->currentIndex(), 1);
    }
    resetDay->setText(QStringLiteral("15"));
    second.Tabs()->setCurrentIndex(5);
    Find<QCheckBox>(second.Page(5), 1105)->setChecked(true);
    Answering([&] { second.accept(); });
    EXPECT_EQ(fresh.Read(Setting::kResetTag), 15u);
    const std::string autostart = config.File("autostart/fernzahl.desktop");
    EXPECT_TRUE(FileExists(autostart));

    COptionenSheet third(services, true, {}, nullptr);
    third.Tabs()->setCurrentIndex(5);
    EXPECT_TRUE(Find<QCheckBox>(third.Page(5), 1105)->isChecked());
    Find<QCheckBox>(third.Page(5), 1105)->setChecked(false);
    third.Tabs()->setCurrentIndex(4);
    Find<QComboBox>(third.Page(4), Control::kLanguage)->setCurrentIndex(static_cast<int>(Language::kGerman));
    Answering([&] { third.accept(); });
    EXPECT_FALSE(FileExists(autostart));
    EXPECT_EQ(fresh.Read(Setting::kSprache), Language::kGerman);

    // A language number the list lacks (the settings file edited by hand) shows the default
    // rather than an empty choice.
    ASSERT_TRUE(fresh.Write(Setting::kSprache, 7));
    COptionenSheet edited(services, true, {}, nullptr);
    edited.Tabs()->setCurrentIndex(4);
    const auto* language = Find<QComboBox>(edited.Page(4), Control::kLanguage);
    EXPECT_EQ(language->currentIndex(), static_cast<int>(Language::kAutomatic));
    EXPECT_FALSE(language->currentText().isEmpty());

    // A sound file the settings could not give back (a longer path reads as none) is refused.
    COptionenSheet fourth(services, true, {}, nullptr);
    fourth.Tabs()->setCurrentIndex(3);
    auto* soundFile = Find<QLineEdit>(fourth.Page(3), 1072);
    soundFile->setText(QString(250, QLatin1Char('a')));
    EXPECT_EQ(Answering([&] { fourth.accept(); }), world.library.Strings().Format(61716, {"249"}));
    EXPECT_EQ(fourth.focusWidget(), soundFile);
    soundFile->setText(QString(249, QLatin1Char('a')));
    Answering([&] { fourth.accept(); });
    EXPECT_EQ(fresh.Read(Setting::kDatei1), std::string(249, 'a'));
}

// The modem devices of a serial folder are offered by their stable names first; the chosen one is
// stored by its path, one of the four ports by its number as before, and a typed name must be a path.
TEST_F(OptionsTest, MonitoringPageOffersTheSerialDevicesPresent) {
    CTempDir dev;
    std::filesystem::create_directories(dev.File("serial/by-id"));
    WriteFile(dev.File("ttyACM0"), "");
    WriteFile(dev.File("ttyUSB0"), "");
    std::filesystem::create_symlink("../../ttyUSB0", dev.File("serial/by-id/usb-Stick_42-if00-port0"));
    const auto sheetOfDevices = [&] {
        return std::make_unique<COptionenSheet>(services, true, CSerialModemLine(dev.Path()).ListDevices(), nullptr);
    };
    auto sheet = sheetOfDevices();
    auto* devices = Find<QComboBox>(sheet->Page(0), 1089);
    ASSERT_EQ(devices->count(), 7);
    EXPECT_EQ(devices->itemText(0), QStringLiteral("usb-Stick_42-if00-port0 (ttyUSB0)"));
    EXPECT_EQ(devices->itemText(1), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(devices->itemText(2), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(devices->currentText(), QStringLiteral("/dev/ttyS1 (COM2)"));
    Find<QCheckBox>(sheet->Page(0), 1091)->setChecked(true);
    devices->setCurrentIndex(0);
    EXPECT_EQ(Answering([&] { sheet->accept(); }), "");
    EXPECT_EQ(fresh.Read(Setting::kModemDevice), "/dev/serial/by-id/usb-Stick_42-if00-port0");

    sheet = sheetOfDevices();
    devices = Find<QComboBox>(sheet->Page(0), 1089);
    EXPECT_EQ(devices->currentIndex(), 0);
    devices->setEditText(QStringLiteral("ttyACM1"));
    EXPECT_EQ(Answering([&] { sheet->accept(); }), Text(462));
    devices->setEditText(QStringLiteral("/dev/ttyACM1")); // not plugged in yet
    EXPECT_EQ(Answering([&] { sheet->accept(); }), "");
    EXPECT_EQ(fresh.Read(Setting::kModemDevice), "/dev/ttyACM1");

    sheet = sheetOfDevices();
    devices = Find<QComboBox>(sheet->Page(0), 1089);
    EXPECT_EQ(devices->currentText(), QStringLiteral("/dev/ttyACM1"));
    devices->setCurrentIndex(devices->findText(QStringLiteral("/dev/ttyS2 (COM3)")));
    EXPECT_EQ(Answering([&] { sheet->accept(); }), "");
    EXPECT_EQ(fresh.Read(Setting::kPort), 2u);
    EXPECT_EQ(fresh.Read(Setting::kModemDevice), "");

    // A stable name that is not UTF-8 is stored with its own bytes.
    const std::string latin1 = "usb-B\xFCro_Modem-if00";
    std::filesystem::create_symlink("../../ttyACM0", dev.File("serial/by-id/" + latin1));
    sheet = sheetOfDevices();
    devices = Find<QComboBox>(sheet->Page(0), 1089);
    devices->setCurrentIndex(0);
    EXPECT_EQ(Answering([&] { sheet->accept(); }), "");
    EXPECT_EQ(fresh.Read(Setting::kModemDevice), "/dev/serial/by-id/" + latin1);
}

// A sound file in a folder whose name is no UTF-8 keeps its bytes through the page, also when
// another file of that folder is chosen; a name typed anew is taken as typed.
TEST_F(OptionsTest, SoundFileNamedInAnotherEncodingKeepsItsBytes) {
    const std::string folder = "/home/anna/B\xFCro";
    ASSERT_TRUE(world.settings.Write(Setting::kDatei1, folder + "/ding.wav"));
    ASSERT_TRUE(world.settings.Write(Setting::kDatei2, folder + "/dong.wav"));
    COptionenSheet sheet(world.services, true, {}, nullptr);
    sheet.show();
    sheet.Tabs()->setCurrentIndex(3);
    auto* second = Find<QLineEdit>(sheet.Page(3), Control::kSoundFile2);
    second->setText(second->text().replace(QStringLiteral("dong"), QStringLiteral("gong")));
    EXPECT_EQ(Answering([&] { sheet.accept(); }), "");
    EXPECT_EQ(world.settings.Read(Setting::kDatei1), folder + "/ding.wav");
    EXPECT_EQ(world.settings.Read(Setting::kDatei2), "/home/anna/B\xEF\xBF\xBDro/gong.wav")
        << "typed: as the field shows it";
}

TEST_F(OptionsTest, BudgetPageTakesAnAmountInItsRangeAndAShareInPercent) {
    COptionenSheet sheet(world.services, true, {}, nullptr);
    sheet.show();
    sheet.Tabs()->setCurrentIndex(7);
    auto* limit = Find<QLineEdit>(sheet.Page(7), 1200);
    auto* share = Find<QLineEdit>(sheet.Page(7), 1201);
    EXPECT_EQ(limit->text().toStdString(), FormatAmount(CMoney(0)));
    EXPECT_EQ(share->text(), QStringLiteral("80"));
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    limit->setText(QStringLiteral("ten"));
    EXPECT_EQ(Answering([&] { sheet.accept(); }),
              world.library.Strings().Format(61721, {FormatGroupedAmount(CMoney(1234'5600), facts)}));
    limit->setText(QStringLiteral("100000.01"));
    EXPECT_EQ(Answering([&] { sheet.accept(); }),
              world.library.Strings().Format(
                  606, {FormatGroupedAmount(CMoney(0), facts), FormatGroupedAmount(CMoney(100000'0000), facts)}));
    EXPECT_EQ(sheet.focusWidget(), limit);
    limit->setText(QStringLiteral("25.5"));
    share->setText(QStringLiteral("101"));
    EXPECT_EQ(Answering([&] { sheet.accept(); }), world.library.Strings().Format(61714, {"1", "100"}));
    share->setText(QStringLiteral("90"));
    EXPECT_EQ(Answering([&] { sheet.accept(); }), "");
    EXPECT_EQ(world.settings.Read(Setting::kBudgetLimit), 25'5000u);
    EXPECT_EQ(world.settings.Read(Setting::kBudgetWarnShare), 90u);

    // A thousand as a German writes it is a thousand, not one.
    const CLocaleGuard german("de_DE.UTF-8");
    COptionenSheet again(world.services, true, {}, nullptr);
    again.show();
    again.Tabs()->setCurrentIndex(7);
    Find<QLineEdit>(again.Page(7), 1200)->setText(QStringLiteral("1.000"));
    EXPECT_EQ(Answering([&] { again.accept(); }), "");
    EXPECT_EQ(world.settings.Read(Setting::kBudgetLimit), 1000'0000u);
}

TEST_F(OptionsTest, DeletingATariffFileResetsItsAssignmentsAndCancelOnlyCloses) {
    for (const char* name : {"Abc.tff", "Fernzahl.TFF"}) {
        WriteFile(world.dir.File(name), "");
    }
    fresh.WriteSettingString("Zuordnung", "Office", "abc");
    fresh.WriteSettingString("Zuordnung", "Home", "Other");
    COptionenSheet sheet(services, true, {}, nullptr);
    sheet.show();
    sheet.Tabs()->setCurrentIndex(6);
    auto* list = Find<CListView>(sheet.Page(6), 1110);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(0, 0).data().toString().toStdString(), Text(571));
    list->setCurrentIndex(list->model()->index(0, 0)); // the default tariff cannot go
    Find<QPushButton>(sheet.Page(6), 1109)->click();
    EXPECT_EQ(list->model()->rowCount(), 2);
    list->setCurrentIndex(list->model()->index(1, 0));
    EXPECT_EQ(Answering([&] { Find<QPushButton>(sheet.Page(6), 1109)->click(); }), Text(573));
    EXPECT_EQ(list->model()->rowCount(), 1);
    EXPECT_FALSE(FileExists(world.dir.File("Abc.tff")));
    EXPECT_EQ(Stored("Zuordnung", "Office"), "*");
    EXPECT_EQ(Stored("Zuordnung", "Home"), "Other");
    EXPECT_NE(Find<QPushButton>(&sheet, 2)->text(), QStringLiteral("Cancel"));
}

// A settings file that cannot be replaced, and a tariff file that cannot be removed: each window
// says so and stays open with what the user chose, which the next OK saves.
TEST_F(OptionsTest, WritesThatFailKeepTheWindowOpenAndAreTold) {
    CIniSettingsStore ini(config.File("fernzahl.ini"), world.dir.Path());
    Services onDisk{world.clock, ini, world.library.Strings(), world.sound, "anna"};
    const std::string notWritten = world.library.Strings().Format(458, {ini.GetFilePath()});
    for (const char* name : {"Abc.tff", "Fernzahl.tff"}) {
        WriteFile(world.dir.File(name), "");
    }
    world.dialUp.entries = {"Office"};
    ASSERT_TRUE(ini.WriteSettingString("Zuordnung", "Office", "Abc"));
    ASSERT_TRUE(ini.Write(Setting::kModem, 1));

    COptionenSheet sheet(onDisk, true, {}, nullptr);
    sheet.show();
    sheet.Tabs()->setCurrentIndex(1);
    Find<QLineEdit>(sheet.Page(1), 1049)->setText(QStringLiteral("15"));
    for (unsigned step = 1; step <= 4; ++step) { // write, flush, rename, the folder's flush
        CFileLayer::FailOperation(step, EIO);
        EXPECT_EQ(Answering([&] { sheet.accept(); }), notWritten) << "step " << step;
        CFileLayer::FailOperation(0);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(Find<QLineEdit>(sheet.Page(1), 1049)->text(), QStringLiteral("15"));
    }
    EXPECT_EQ(Answering([&] { sheet.accept(); }), "");
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(ini.Read(Setting::kResetTag), 15u);

    CZuordnungDlg dialog(ini, world.library.Strings(), world.dialUp, nullptr);
    dialog.show();
    auto* list = Find<CListView>(&dialog, 1110);
    list->setCurrentIndex(list->model()->index(0, 0));
    Find<QComboBox>(&dialog, 1144)->setCurrentIndex(0);
    Find<QPushButton>(&dialog, 1143)->click();
    CFileLayer::FailOperation(1, EIO);
    EXPECT_EQ(Answering([&] { Find<QPushButton>(&dialog, 1)->click(); }), notWritten);
    CFileLayer::FailOperation(0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ini.ReadSettingString("Zuordnung", "Office", "-"), "Abc");
    Find<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ini.ReadSettingString("Zuordnung", "Office", "-"), "*");

    ASSERT_TRUE(ini.WriteSettingString("Zuordnung", "Office", "Abc"));
    COptionenSheet tariffs(onDisk, true, {}, nullptr);
    tariffs.show();
    tariffs.Tabs()->setCurrentIndex(6);
    auto* files = Find<CListView>(tariffs.Page(6), 1110);
    files->setCurrentIndex(files->model()->index(1, 0));
    std::string told;
    WhenModalOpens([&](QWidget* question) {
        WhenModalOpens([&](QWidget* box) {
            told = qobject_cast<QMessageBox*>(box)->text().toStdString();
            qobject_cast<QMessageBox*>(box)->accept();
        });
        CFileLayer::FailOperation(1, EIO);
        qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
    });
    Find<QPushButton>(tariffs.Page(6), 1109)->click();
    CFileLayer::FailOperation(0);
    EXPECT_EQ(told, world.library.Strings().Format(481, {world.dir.File("Abc.tff")}));
    EXPECT_TRUE(FileExists(world.dir.File("Abc.tff")));
    EXPECT_EQ(ini.ReadSettingString("Zuordnung", "Office", "-"), "Abc");
    EXPECT_EQ(files->model()->rowCount(), 2);
}

TEST_F(OptionsTest, AssigningTheDefaultTariffWritesAStar) {
    for (const char* name : {"Mobil.tff", "Fernzahl.tff"}) {
        WriteFile(world.dir.File(name), "");
    }
    world.dialUp.entries = {"Office", "Home"};
    fresh.WriteSettingString("Zuordnung", "Office", "Mobil");
    CZuordnungDlg dialog(fresh, world.library.Strings(), world.dialUp, nullptr);
    dialog.show();
    auto* list = Find<CListView>(&dialog, 1110);
    ASSERT_EQ(list->model()->rowCount(), 3); // two entries and the modem line
    EXPECT_EQ(list->model()->index(0, 1).data().toString().toStdString(), "Mobil");
    EXPECT_EQ(list->model()->index(2, 0).data().toString().toStdString(), Text(576));
    auto* choice = Find<QComboBox>(&dialog, 1144);
    ASSERT_EQ(choice->itemText(0).toStdString(), Text(571));
    list->setCurrentIndex(list->model()->index(0, 0));
    choice->setCurrentIndex(0);
    Find<QPushButton>(&dialog, 1143)->click();
    list->setCurrentIndex(list->model()->index(1, 0));
    choice->setCurrentIndex(1);
    Find<QPushButton>(&dialog, 1143)->click();
    EXPECT_EQ(list->model()->index(1, 1).data().toString().toStdString(), "Mobil");
    Find<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(Stored("Zuordnung", "Office"), "*");
    EXPECT_EQ(Stored("Zuordnung", "Home"), "Mobil");
    EXPECT_EQ(Stored("Zuordnung", "*"), "*");
}

TEST_F(OptionsTest, LeadTimeChangedInTheOptionsAppliesToTheRunningWatcher) {
    WriteFile(world.dir.File("Fernzahl.tff"), "");
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    QAction* assignment = nullptr;
    for (QAction* action : window.findChildren<QAction*>()) {
        assignment = action->data().toUInt() == CFernzahlDlg::kAssignment ? action : assignment;
    }
    ASSERT_NE(assignment, nullptr);
    EXPECT_FALSE(assignment->isEnabled()) << "nothing to assign with the default tariff alone";
    WriteFile(world.dir.File("Mobil.tff"), "");
    EXPECT_EQ(window.Watcher().GetStartOffset(), 10);
    WhenModalOpens([](QWidget* modal) {
        Find<QLineEdit>(modal, 1014)->setText(QStringLiteral("42"));
        Find<QPushButton>(modal, 1)->click();
    });
    window.OnCommand(CFernzahlDlg::kOptions);
    EXPECT_EQ(window.Watcher().GetStartOffset(), 42);
    EXPECT_TRUE(assignment->isEnabled());
}

TEST(ListView, SelectedRowIsHighlightedToTheWindowEdgeOnlyWhileShown) {
    CListView view;
    CTextTableModel model({QStringLiteral("Entry")}, &view);
    model.SetRows({{QStringLiteral("a dial-up entry with a long name")}, {QStringLiteral("short")}});
    view.setModel(&model);
    view.setColumnWidth(0, 60);
    view.resize(300, 120);
    view.SetShowSelectionAlways(true);
    view.setCurrentIndex(model.index(0, 0));
    view.show();
    const QImage picture = view.viewport()->grab().toImage();
    const QRect row = view.visualRect(model.index(0, 0));
    const QColor highlight = view.palette().color(QPalette::Highlight);
    EXPECT_EQ(picture.pixelColor(view.viewport()->width() - 3, row.center().y()), highlight);
    EXPECT_NE(picture.pixelColor(view.viewport()->width() - 3, view.visualRect(model.index(1, 0)).center().y()),
              highlight);
    view.SetShowSelectionAlways(false); // without the focus the selection is not shown
    EXPECT_NE(view.viewport()->grab().toImage().pixelColor(view.viewport()->width() - 3, row.center().y()), highlight);
}

} // namespace
