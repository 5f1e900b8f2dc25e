// Renders the main window idle and metering, the about box, the splash picture, every page of the
// options, the assignment of dial-up entries, the log view, its summary, printout and tariff comparison, and the
// tariff editor to PNG files:
//   fernzahl_screenshots DIRECTORY   (scripts/screenshots.sh writes them to docs/screenshots, and
//                                     under a German locale to docs/screenshots/de)

#include "GuiFixture.h"

#include "app/AboutDlg.h"
#include "app/FernzahlDlg.h"
#include "core/LanguageChoice.h"
#include "core/ResourceIds.h"
#include "log/FilterDlg.h"
#include "log/ProtokollDlg.h"
#include "metering/TarifVergleichDlg.h"
#include "print/PdfFile.h"
#include "print/Printouts.h"
#include "settings/OptionenSheet.h"
#include "splash/SplashDlg.h"
#include "summary/ZusammenfassungDlg.h"
#include "support/LogBuilder.h"
#include "support/TariffBuilder.h"
#include "tariff_editor/PublicHolidays.h"
#include "tariff_editor/TarifZoneDlg.h"
#include "tariff_editor/TarifeSheet.h"
#include "tariffs/RabattZaehler.h"
#include "tariffs/ZuordnungDlg.h"
#include "ui/UiLanguage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <clocale>
#include <cstdio>

namespace {

// A few hundred connections over three months, as a household's log looks; the default tariff is
// named as the program in that language names it.
void WriteRealisticLog(const std::string& directory, const std::string& defaultTariff) {
    const char* names[] = {"T-Online", "Arcor Internet-by-Call", "Mobile broadband", "Büro Einwahl"};
    const char* users[] = {"anna", "bernd"};
    const char* tariffs[] = {defaultTariff.c_str(), "Mobil", "Ferngespräche"};
    CDateTime start = CDateTime::FromDate(2026, 9, 1, 8, 12, 5);
    for (int i = 0; i < 320; ++i) {
        const int seconds = 40 + (i * 937) % 3400;
        LogEntry entry = SampleEntry(start, seconds, 1200 * (1 + seconds / 240), names[i % 4], 1 + seconds / 240);
        entry.userName = users[(i / 3) % 2];
        entry.tariffName = tariffs[i % 3];
        entry.deviceName = i % 4 == 2 ? "ttyUSB0" : "ppp0";
        AppendToLog(directory, entry);
        start = start + CTimeSpan::FromSeconds(6 * 3600 + (i * 4177) % 20000);
    }
}

bool Save(QWidget& widget, const QString& file) {
    widget.show();
    WaitUntil([] { return false; }, 200);
    const bool saved = widget.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

// The first page of the log's printout, as a PDF viewer shows it.
bool SavePrintedPage(const CProtokollRows& rows, const CStringTable& strings, const std::string& pdf,
                     const QString& file) {
    const std::vector<uint32_t> order = rows.Order(CProtokollRows::kStart, false);
    const bool printed = PrintToPdf(pdf, [&](QPrinter& printer) { return PrintLog(printer, rows, order, strings); }) &&
                         QProcess::execute(QStringLiteral("pdftoppm"),
                                           {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                            QStringLiteral("-singlefile"), QString::fromStdString(pdf), file}) == 0;
    std::printf("%s %s.png\n", printed ? "wrote" : "could not write", qPrintable(file));
    return printed;
}

// A tariff with both schemes: a working day of four zones with an hour left out, the weekend in
// one zone, this year's public holidays and a discount counter part used.
// The warning as a zone from 12:00 to 13:59 is added under the one that covers the working day:
// the Add button pressed, the zone dialog filled and accepted, the warning caught while it is up.
// The tariff is put back as it was.
bool SaveOverlapWarning(CTarifeSheet& editor, const QString& file, const std::string& tariff) {
    const std::string before = ReadFile(tariff);
    editor.Tabs()->setCurrentIndex(0);
    bool saved = false;
    QTimer::singleShot(300, [&] {
        auto* zone = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        zone->findChild<QComboBox*>(QStringLiteral("id%1").arg(Control::kFirstQuarter))->setCurrentIndex(48);
        zone->findChild<QComboBox*>(QStringLiteral("id%1").arg(Control::kLastQuarter))->setCurrentIndex(55);
        QTimer::singleShot(300, [&] {
            auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (warning != nullptr) {
                saved = Save(*warning, file);
                warning->accept();
            }
        });
        zone->accept();
    });
    editor.Tabs()->currentWidget()->findChild<QPushButton*>(QStringLiteral("id%1").arg(Control::kAddZone))->click();
    WriteFile(tariff, before);
    return saved;
}

std::string WriteEditedTariff(GuiWorld& world) {
    using Zone = CTariffBuilder::Zone;
    const std::string path = world.dir.File("Mobil.tff");
    CTariffBuilder tariff(path);
    tariff.WithOptions({.minimumCharge = true, .discount = true}).WithDiscount(400, 600);
    const Zone zones[] = {{.first = 0, .last = 19, .seconds = 240, .price = 1200},
                          {.first = 24, .last = 71, .seconds = 90, .price = 1200, .startCharge = 600},
                          {.first = 72, .last = 83, .seconds = 150, .price = 1200},
                          {.first = 84, .last = 95, .seconds = 240, .price = 1200, .noDiscount = true}};
    for (Zone zone : zones) {
        zone.minimumCharge = 13000;
        tariff.WithZone(zone);
    }
    tariff.WithZone({.kind = CTarifFile::kWeekend, .seconds = 240, .price = 1200});
    tariff.WithHoliday(2026, 12, 24).WithHoliday(2026, 12, 31);
    for (const CPublicHolidays::Holiday& holiday : CPublicHolidays::Of(CPublicHolidays::Country::kGermany, 2026)) {
        const LocalTime day = CDateTime(holiday.day).ToLocalTime();
        tariff.WithHoliday(day.year, day.month, day.day);
    }
    CRabattZaehler counter(world.dir.Path());
    counter.SetCount(137);
    counter.Save();
    return path;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "");
    if (argc != 2) {
        std::fprintf(stderr, "usage: fernzahl_screenshots DIRECTORY\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    GuiWorld world;
    // In the language the environment asks for, as the program chooses it at start.
    CUiLanguage::Apply(world.library, Language::kAutomatic);
    QApplication::setApplicationDisplayName(QStringLiteral("Fernzahl"));
    CTariffBuilder(world.dir.File("Fernzahl.tff")).WithZoneEveryDay({.seconds = 60, .price = 900});
    bool ok = true;
    {
        // The first start: nothing is watched yet.
        world.settings.Write(Setting::kDfueNetzwerk, 0);
        world.settings.Write(Setting::kModem, 0);
        CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
        ok = Save(window, dir + QStringLiteral("/main-window-first-start.png")) && ok;
        window.Shutdown();
        world.settings.Write(Setting::kDfueNetzwerk, 1);
        world.settings.Write(Setting::kModem, 1);
    }
    {
        CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
        ok = Save(window, dir + QStringLiteral("/main-window-idle.png")) && ok;
        world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
        WaitUntil([&] { return window.Station().Meter().IsRunning(); });
        WaitUntil([] { return false; }, 1500);
        window.showNormal();
        ok = Save(window, dir + QStringLiteral("/main-window-metering.png")) && ok;
        window.Shutdown();
    }
    CAboutDlg about(world.library.Strings());
    ok = Save(about, dir + QStringLiteral("/about.png")) && ok;
    CSplashDlg splash(world.library.Strings());
    ok = Save(splash, dir + QStringLiteral("/splash.png")) && ok;

    CTariffBuilder(world.dir.File("Mobil.tff")).WithZoneEveryDay({.seconds = 30, .price = 600});
    CTariffBuilder(world.dir.File("Ferngespräche.tff")).WithZoneEveryDay({.seconds = 45, .price = 1200});
    world.settings.WriteSettingString("Zuordnung", "T-Online", "Mobil");
    world.dialUp.entries = {"T-Online", "Arcor Internet-by-Call", "Mobile broadband"};
    world.settings.Write(Setting::kBudgetLimit, 25'0000);
    world.settings.Write(Setting::kModemDevice, "/dev/serial/by-id/usb-Example_USB_Modem_0042-if00");
    const std::vector<SerialDevice> devices = {
        {"/dev/serial/by-id/usb-Example_USB_Modem_0042-if00", "usb-Example_USB_Modem_0042-if00 (ttyACM0)"},
        {"/dev/ttyACM0", "/dev/ttyACM0"},
        {"/dev/ttyS0", "/dev/ttyS0 (COM1)"},
        {"/dev/ttyS1", "/dev/ttyS1 (COM2)"}};
    COptionenSheet sheet(world.services, true, devices, nullptr);
    const char* pages[] = {"monitoring", "counters", "export",       "signals",
                           "display",    "startup",  "tariff-files", "budget"};
    for (int page = 0; page < sheet.Tabs()->count(); ++page) {
        sheet.Tabs()->setCurrentIndex(page);
        ok = Save(sheet, dir + QStringLiteral("/options-%1.png").arg(QLatin1String(pages[page]))) && ok;
    }
    CZuordnungDlg assignment(world.settings, world.library.Strings(), world.dialUp, nullptr);
    ok = Save(assignment, dir + QStringLiteral("/assignment.png")) && ok;

    WriteRealisticLog(world.dir.Path(), world.library.Strings().Get(Str::kDefaultTariff));
    CProtokollDlg log(world.services, nullptr);
    log.show();
    WaitUntil([&] { return !log.IsFilling(); });
    ok = Save(log, dir + QStringLiteral("/log-view.png")) && ok;
    // Sort, By costs, as chosen from the menu by keyboard (Alt+O, C), then Descending.
    log.OnCommand(CProtokollDlg::kSortByFirstColumn + 3);
    log.OnCommand(CProtokollDlg::kSortDescending);
    WaitUntil([&] { return !log.IsFilling(); });
    ok = Save(log, dir + QStringLiteral("/log-view-sorted-by-costs.png")) && ok;
    CProtokollFilter filter;
    CFilterDlg filterDialog(filter, world.dir.Path(), world.clock.Now(), world.library.Strings(), nullptr);
    ok = Save(filterDialog, dir + QStringLiteral("/log-filter.png")) && ok;
    CZusammenfassungDlg summary(world.services, nullptr);
    summary.SetMode(CZusammenfassung::kHour);
    summary.SetRows(log.Rows(), false);
    ok = Save(summary, dir + QStringLiteral("/summary.png")) && ok;
    ok = SavePrintedPage(log.Rows(), world.library.Strings(), world.dir.File("printout.pdf"),
                         dir + QStringLiteral("/log-printout")) &&
         ok;
    const std::string tariff = WriteEditedTariff(world);
    CTarifeSheet editor(world.settings, world.library.Strings(), tariff, QStringLiteral("Mobil"), nullptr);
    const std::pair<int, const char*> editorPages[] = {{0, "zones"}, {3, "holidays"}, {4, "discount"}};
    for (const auto& [page, name] : editorPages) {
        editor.Tabs()->setCurrentIndex(page);
        ok = Save(editor, dir + QStringLiteral("/tariff-%1.png").arg(QLatin1String(name))) && ok;
    }
    ok = SaveOverlapWarning(editor, dir + QStringLiteral("/tariff-overlap-warning.png"), tariff) && ok;
    CTarifZoneDlg zone(world.library.Strings(), tariff, CTarifFile::kWorkingDays, 3, {true, true}, nullptr);
    ok = Save(zone, dir + QStringLiteral("/tariff-zone.png")) && ok;
    // The log was metered at 0.12 for four minutes: so is the default tariff now; one tariff saves.
    CTariffBuilder(world.dir.File("Fernzahl.tff")).WithZoneEveryDay({.seconds = 240, .price = 1200});
    CTariffBuilder(world.dir.File("Spartarif.tff")).WithZoneEveryDay({.seconds = 300, .price = 1000});
    CTarifVergleichDlg comparison(world.services, nullptr);
    comparison.SetRows(std::make_shared<const CProtokollRows>(log.Rows()),
                       log.Rows().Order(CProtokollRows::kStart, false));
    comparison.show();
    WaitUntil([&] { return !comparison.IsComparing(); });
    ok = Save(comparison, dir + QStringLiteral("/tariff-comparison.png")) && ok;
    return ok ? 0 : 1;
}
