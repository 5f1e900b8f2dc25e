#include "GuiFixture.h"

#include "app/FernzahlDlg.h"
#include "core/FileLayer.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"
#include "support/TariffBuilder.h"
#include "tariff_editor/FeiertageDlg.h"
#include "tariff_editor/TarifAuswahlDlg.h"
#include "tariff_editor/TarifOptionenDlg.h"
#include "tariff_editor/TarifZoneDlg.h"
#include "tariff_editor/TarifeSheet.h"
#include "tariffs/RabattZaehler.h"
#include "tariffs/TariffLimits.h"
#include "ui/FormPage.h"
#include "ui/ListView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The tariff commands and the tariff editor as a user drives them: the real forms, each window
// handled from inside its own event loop when it opens.
struct TariffEditorTest : ::testing::Test {
    GuiWorld world;

    void SetUp() override {
        ASSERT_FALSE(world.library.GetPath().empty()) << "the resource library was not built";
        world.settings.Write(Setting::kToleranzzeit, 0);
        world.settings.Write(Setting::kVorlaufzeit, 0);
    }
    std::string Text(unsigned id) { return world.library.Strings().Get(id); }
    template <class T> static T* Find(QWidget* window, int id) {
        return window->findChild<T*>(QStringLiteral("id%1").arg(id));
    }
    // Acts on the next modal window of that kind when it opens. The returned watch may be deleted
    // when no such window came.
    template <class T> static QTimer* WhenOpens(std::function<void(T*)> action) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, action] {
            if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                action(window);
            }
        });
        poll->start(20);
        return poll;
    }
    // Runs the action and answers the message box it shows; the message, or "" for none.
    static std::string Answering(const std::function<void()>& action) {
        auto message = std::make_shared<std::string>();
        const QPointer<QTimer> watch = WhenOpens<QMessageBox>([message](QMessageBox* box) {
            *message = box->text().toStdString();
            box->defaultButton()->click();
        });
        action();
        delete watch.data();
        return *message;
    }
    static QStringList Row(CListView* list, int row) {
        QStringList cells;
        for (int column = 0; column < list->model()->columnCount(); ++column) {
            cells << list->model()->index(row, column).data().toString();
        }
        return cells;
    }
    static void Choose(const char* title) {
        WhenOpens<CTarifAuswahlDlg>([title](CTarifAuswahlDlg* choice) {
            auto* list = Find<CListView>(choice, 1110);
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                if (list->model()->index(row, 0).data().toString() == QLatin1String(title)) {
                    list->setCurrentIndex(list->model()->index(row, 0));
                }
            }
            Find<QPushButton>(choice, 1)->click();
        });
    }
};

TEST_F(TariffEditorTest, ChoiceOptionsAndZonesOfAFridayTable) {
    CTariffBuilder(world.dir.File("Fernzahl.tff")).WithOptions({});
    WriteFile(world.dir.File("Mobil.tff"), "");
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    for (QAction* action : window.findChildren<QAction*>()) {
        const unsigned command = action->data().toUInt();
        if (command == CFernzahlDlg::kTariffEditor || command == CFernzahlDlg::kTariffOptions) {
            EXPECT_TRUE(action->isEnabled()) << command;
        }
    }

    QStringList offered;
    WhenOpens<CTarifAuswahlDlg>([&](CTarifAuswahlDlg* choice) {
        auto* list = Find<CListView>(choice, 1110);
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            offered << list->model()->index(row, 0).data().toString();
        }
        list->setCurrentIndex(list->model()->index(1, 0));
        Find<QPushButton>(choice, 1)->click();
    });
    WhenOpens<CTarifOptionenDlg>([](CTarifOptionenDlg* options) {
        EXPECT_FALSE(Find<QCheckBox>(options, 1105)->isChecked());
        Find<QCheckBox>(options, 1105)->setChecked(true);
        Find<QPushButton>(options, 1)->click();
    });
    window.OnCommand(CFernzahlDlg::kTariffOptions);
    EXPECT_EQ(offered, (QStringList{QString::fromStdString(Text(571)), QStringLiteral("Mobil")}));
    EXPECT_TRUE(CTariffRecords(world.dir.File("Mobil.tff")).ReadOptions().fridayOwnTable);

    Choose("Mobil");
    std::string refusal;
    WhenOpens<CTarifeSheet>([&](CTarifeSheet* sheet) {
        EXPECT_EQ(sheet->windowTitle().toStdString(), world.library.Strings().Format(500, {"Mobil"}));
        QStringList tabs;
        for (int tab = 0; tab < sheet->Tabs()->count(); ++tab) {
            tabs << sheet->Tabs()->tabText(tab);
        }
        EXPECT_EQ(tabs, (QStringList{QString::fromStdString(Text(503)), QString::fromStdString(Text(505)),
                                     QString::fromStdString(Text(507)), QString::fromStdString(Text(513)),
                                     QStringLiteral("Holiday dates")}));
        sheet->Tabs()->setCurrentIndex(1);
        QWidget* friday = sheet->Page(1);
        EXPECT_EQ(Find<QLabel>(friday, 1106)->text().toStdString(), Text(506));
        auto* list = Find<CListView>(friday, 1110);
        EXPECT_EQ(list->model()->rowCount(), 0);
        WhenOpens<CTarifZoneDlg>([&](CTarifZoneDlg* zone) {
            Find<QComboBox>(zone, 1113)->setCurrentIndex(80); // 20:00
            Find<QComboBox>(zone, 1114)->setCurrentIndex(31); // to 07:59
            refusal = Answering([&] { Find<QPushButton>(zone, 1)->click(); });
            EXPECT_TRUE(zone->isVisible());
            EXPECT_EQ(zone->focusWidget(), Find<QComboBox>(zone, 1114));
            Find<QComboBox>(zone, 1113)->setCurrentIndex(32);
            Find<QComboBox>(zone, 1114)->setCurrentIndex(79);
            Find<QPushButton>(zone, 1)->click();
        });
        Find<QPushButton>(friday, 1107)->click();
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(Row(list, 0).mid(0, 4),
                  (QStringList{"08:00", "19:59", "90", QString::fromStdString(FormatAmount(CMoney(1200)))}));
        list->setCurrentIndex(list->model()->index(0, 0));
        Find<QPushButton>(friday, 1109)->click();
        EXPECT_EQ(list->model()->rowCount(), 0);
        Find<QPushButton>(sheet, 2)->click();
    });
    window.OnCommand(CFernzahlDlg::kTariffEditor);
    EXPECT_EQ(refusal, Text(550));
    EXPECT_TRUE(CTariffRecords(world.dir.File("Mobil.tff")).ReadZones(CTarifFile::kFriday).empty())
        << "Cancel leaves the zone deleted";
}

// The zone list by keyboard: Enter and F2 edit, Del deletes, the buttons follow the choice, a zone
// moves up; a zone that overlaps an earlier one is warned of.
TEST_F(TariffEditorTest, ZonesByKeyboardMovedAndTheirOverlapWarnedOf) {
    const std::string path = world.dir.File("Mobil.tff");
    CTariffBuilder(path).WithOptions({}).WithZone({.first = 32, .last = 71}).WithZone({.first = 80, .last = 95});
    CTarifeSheet sheet(world.settings, world.library.Strings(), path, QStringLiteral("Mobil"), nullptr);
    sheet.show();
    QWidget* page = sheet.Page(0);
    auto* list = Find<CListView>(page, 1110);
    EXPECT_FALSE(Find<QPushButton>(page, 1108)->isEnabled()) << "Edit with nothing chosen";
    EXPECT_FALSE(Find<QPushButton>(page, 1109)->isEnabled()) << "Delete with nothing chosen";

    list->setFocus();
    list->setCurrentIndex(list->model()->index(1, 0));
    EXPECT_TRUE(Find<QPushButton>(page, 1108)->isEnabled());
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
        int edited = -1;
        WhenOpens<CTarifZoneDlg>([&](CTarifZoneDlg* zone) {
            edited = Find<QComboBox>(zone, 1113)->currentIndex();
            zone->reject();
        });
        QTest::keyClick(list, key);
        EXPECT_EQ(edited, 80) << "key " << key;
        EXPECT_TRUE(sheet.isVisible()) << "Enter edits, it does not close the editor";
    }

    WhenOpens<CTarifZoneDlg>([](CTarifZoneDlg* zone) {
        Find<QComboBox>(zone, 1113)->setCurrentIndex(48); // 12:00 to 13:59, inside the day's zone
        Find<QComboBox>(zone, 1114)->setCurrentIndex(55);
        Find<QPushButton>(zone, 1)->click();
    });
    const std::string warning = Answering([&] { Find<QPushButton>(page, 1107)->click(); });
    EXPECT_NE(warning.find(world.library.Strings().Format(552, {"12:00", "13:59", "08:00", "17:59"})),
              std::string::npos)
        << warning;
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->SelectedRow(), 2) << "the new zone is chosen";
    Find<QPushButton>(page, 1181)->click();
    Find<QPushButton>(page, 1181)->click();
    EXPECT_EQ(Row(list, 0).front(), QStringLiteral("12:00")) << "moved to the top, it applies from 12:00";
    EXPECT_FALSE(Find<QPushButton>(page, 1181)->isEnabled()) << "the first zone moves no higher";
    EXPECT_EQ(CTariffRecords(path).ReadZones(CTarifFile::kWorkingDays).front().zone.firstQuarter, 48);

    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(Row(list, 0).front(), QStringLiteral("08:00"));
    EXPECT_EQ(list->SelectedRow(), 0) << "the next zone is chosen";
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->model()->rowCount(), 1);
}

TEST_F(TariffEditorTest, HolidaysTypedAndGeneratedAndTheDiscountCounterSavedOnlyOnOk) {
    const std::string path = world.dir.File("Fernzahl.tff");
    CTariffBuilder(path).WithOptions({.discount = true}).WithDiscount(50, 500);
    const CStringTable& strings = world.library.Strings();
    CTarifeSheet sheet(world.settings, strings, path, QStringLiteral("Test"), nullptr);
    ASSERT_EQ(sheet.Tabs()->count(), 5);
    sheet.show();
    sheet.Tabs()->setCurrentIndex(3);
    QWidget* holidays = sheet.Page(3);
    auto* date = Find<QLineEdit>(holidays, 1126);
    auto* list = Find<CListView>(holidays, 1110);
    date->setText(QStringLiteral("Heiligabend"));
    const std::string said = Answering([&] { Find<QPushButton>(holidays, 1107)->click(); });
    EXPECT_NE(said.find(CDateTime::FromDate(2026, 12, 24).Format("%x")), std::string::npos) << said;
    EXPECT_EQ(said.find("time"), std::string::npos) << "a date alone is asked for: " << said;
    EXPECT_EQ(sheet.focusWidget(), date);
    date->setText(QStringLiteral("2026-12-24"));
    Find<QPushButton>(holidays, 1107)->click();
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(Row(list, 0).front().toStdString(), CDateTime::FromDate(2026, 12, 24).Format("%x"));
    EXPECT_TRUE(date->text().isEmpty());
    for (int time = 0; time < 2; ++time) {
        WhenOpens<CFeiertageDlg>([](CFeiertageDlg* prompt) {
            Find<QSpinBox>(prompt, 1130)->setValue(2026);
            Find<QComboBox>(prompt, 1131)->setCurrentIndex(0);
            Find<QPushButton>(prompt, 1)->click();
        });
        const std::string message = Answering([&] { Find<QPushButton>(holidays, 1129)->click(); });
        EXPECT_EQ(message, time == 0 ? "" : Text(583));
        EXPECT_EQ(list->model()->rowCount(), 10);
    }

    sheet.Tabs()->setCurrentIndex(4);
    QWidget* discount = sheet.Page(4);
    auto* slider = Find<QSlider>(discount, 1127);
    EXPECT_EQ(Find<QLineEdit>(discount, 1060)->text(), QStringLiteral("50"));
    EXPECT_EQ(slider->maximum(), 50);
    slider->setValue(10);
    EXPECT_EQ(Find<QLabel>(discount, 1128)->text().toStdString(), strings.FormatCount(560, 10, {"10"}));
    Find<QPushButton>(&sheet, 2)->click();
    EXPECT_EQ(CRabattZaehler(world.dir.Path()).GetCount(), 0u);
    EXPECT_EQ(CTariffRecords(path).ReadHolidays().size(), 10u) << "holidays are written at once";

    CTarifeSheet second(world.settings, strings, path, QStringLiteral("Test"), nullptr);
    second.show();
    second.Tabs()->setCurrentIndex(4);
    Find<QSlider>(second.Page(4), 1127)->setValue(10);
    Find<QLineEdit>(second.Page(4), 1060)->setText(QStringLiteral("8"));
    EXPECT_EQ(Find<QSlider>(second.Page(4), 1127)->value(), 8) << "the limit moves the slider's end";
    Find<QLineEdit>(second.Page(4), 1060)->setText(QStringLiteral("70"));
    Find<QLineEdit>(second.Page(4), 1117)->setText(QStringLiteral("0.04"));
    // The tariff cannot be written: the page stays with what was typed, and the counter waits.
    CFileLayer::FailOperation(1, EIO);
    EXPECT_EQ(Answering([&] { Find<QPushButton>(&second, 1)->click(); }), strings.Format(458, {path}));
    CFileLayer::FailOperation(0);
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(Find<QLineEdit>(second.Page(4), 1060)->text(), QStringLiteral("70"));
    EXPECT_EQ(CRabattZaehler(world.dir.Path()).GetCount(), 0u);
    EXPECT_EQ(CTariffRecords(path).ReadDiscount().unitLimit, 50u);
    Find<QPushButton>(&second, 1)->click();
    EXPECT_EQ(CRabattZaehler(world.dir.Path()).GetCount(), 10u);
    const DiscountTerms terms = CTariffRecords(path).ReadDiscount();
    EXPECT_EQ(terms.unitLimit, 70u);
    EXPECT_EQ(terms.price, CMoney(400));
}

// Adds past a limit of the tariff are refused with the limit named, and write nothing: a zone
// before its dialog opens, a year of public holidays as a whole, a typed date.
TEST_F(TariffEditorTest, AddsPastTheTariffsLimitsAreRefusedNamingTheLimit) {
    const std::string path = world.dir.File("Mobil.tff");
    {
        CTariffBuilder builder(path);
        builder.WithOptions({});
        for (size_t i = 0; i < CTariffLimits::kZonesPerDayKind; ++i) {
            builder.WithZone({.first = 0, .last = 95});
        }
        builder.WithHolidaysFrom(CDateTime::FromDate(2000, 1, 1).GetDayNumber(), CTariffLimits::kHolidays - 1);
    }
    const CStringTable& strings = world.library.Strings();
    CTarifeSheet sheet(world.settings, strings, path, QStringLiteral("Mobil"), nullptr);
    sheet.show();
    QWidget* zones = sheet.Page(0);
    bool zoneDialogOpened = false;
    const QPointer<QTimer> watch = WhenOpens<CTarifZoneDlg>([&](CTarifZoneDlg* zone) {
        zoneDialogOpened = true;
        zone->reject();
    });
    EXPECT_EQ(Answering([&] { Find<QPushButton>(zones, 1107)->click(); }), strings.Format(584, {"256", "256"}));
    delete watch.data();
    EXPECT_FALSE(zoneDialogOpened);
    EXPECT_EQ(Find<CListView>(zones, 1110)->model()->rowCount(), 256);

    sheet.Tabs()->setCurrentIndex(3);
    QWidget* holidays = sheet.Page(3);
    auto* list = Find<CListView>(holidays, 1110);
    WhenOpens<CFeiertageDlg>([](CFeiertageDlg* prompt) {
        Find<QSpinBox>(prompt, 1130)->setValue(2026);
        Find<QComboBox>(prompt, 1131)->setCurrentIndex(0);
        Find<QPushButton>(prompt, 1)->click();
    });
    EXPECT_EQ(Answering([&] { Find<QPushButton>(holidays, 1129)->click(); }),
              strings.Format(585, {"4999", "5000", "9"}));
    EXPECT_EQ(list->model()->rowCount(), 4999);
    auto* date = Find<QLineEdit>(holidays, 1126);
    date->setText(QStringLiteral("2026-12-24"));
    EXPECT_EQ(Answering([&] { Find<QPushButton>(holidays, 1107)->click(); }), "");
    date->setText(QStringLiteral("2026-12-31"));
    EXPECT_EQ(Answering([&] { Find<QPushButton>(holidays, 1107)->click(); }),
              strings.Format(585, {"5000", "5000", "1"}));
    EXPECT_EQ(list->model()->rowCount(), 5000);
    EXPECT_EQ(date->text(), QStringLiteral("2026-12-31")) << "the date typed stays for another try";
    EXPECT_EQ(CTariffRecords(path).ReadHolidays().size(), 5000u);
}

TEST_F(TariffEditorTest, UnitsAfterAnEditAreChargedFromTheEditedZone) {
    CTariffBuilder(world.dir.File("Fernzahl.tff")).WithOptions({}).WithZoneEveryDay({.seconds = 1, .price = 1000});
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    const CGebuehrenZaehler& connection = window.Station().Meter().GetConnection();
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    ASSERT_TRUE(WaitUntil([&] { return connection.GetUnits() >= 2; }));
    const int page = QDate::currentDate().dayOfWeek() >= Qt::Saturday ? 1 : 0;
    WhenOpens<CTarifeSheet>([page](CTarifeSheet* sheet) {
        sheet->Tabs()->setCurrentIndex(page);
        auto* list = Find<CListView>(sheet->Page(page), 1110);
        list->setCurrentIndex(list->model()->index(0, 0));
        WhenOpens<CTarifZoneDlg>([](CTarifZoneDlg* zone) {
            Find<QLineEdit>(zone, 1117)->setText(QStringLiteral("0.5"));
            Find<QPushButton>(zone, 1)->click();
        });
        Find<QPushButton>(sheet->Page(page), 1108)->click();
        Find<QPushButton>(sheet, 1)->click();
    });
    window.OnCommand(CFernzahlDlg::kTariffEditor);
    const int32_t units = connection.GetUnits();
    const CMoney costs = connection.GetCosts();
    ASSERT_TRUE(WaitUntil([&] { return connection.GetUnits() >= units + 2; }));
    EXPECT_EQ((connection.GetCosts() - costs).GetValue(), (connection.GetUnits() - units) * 5000);
    window.Shutdown();
}

} // namespace
