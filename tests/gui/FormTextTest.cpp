#include "GuiFixture.h"

#include "TextFit.h"
#include "app/AboutDlg.h"
#include "app/FernzahlDlg.h"
#include "core/ResourceIds.h"
#include "log/BeschreibungDlg.h"
#include "log/FilterDlg.h"
#include "log/ProtokollDlg.h"
#include "print/Printouts.h"
#include "settings/OptionenSheet.h"
#include "summary/ZusammenfassungDlg.h"
#include "support/LogBuilder.h"
#include "support/TariffBuilder.h"
#include "tariff_editor/FeiertageDlg.h"
#include "tariff_editor/TarifAuswahlDlg.h"
#include "tariff_editor/TarifOptionenDlg.h"
#include "tariff_editor/TarifZoneDlg.h"
#include "tariff_editor/TarifeSheet.h"
#include "tariffs/ZuordnungDlg.h"
#include "ui/FormLoader.h"

#include <QDialog>
#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// In each language, at the default font: every form of the library, the two property sheets with
// each page in front, and every window as it shows itself.
class FormTextTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_FALSE(world.library.GetPath().empty()) << "the resource library was not built";
        ASSERT_TRUE(world.library.UseLanguage(GetParam())) << "the library lacks the language";
    }
    // The program's language is one for the whole run; the other tests expect English.
    void TearDown() override { world.library.UseLanguage({}); }

    GuiWorld world;
};

// The forms of the English library, or of a translation.
QStringList FormsOf(const std::string& language) {
    const QString root =
        QStringLiteral(":/fernzahl/") + (language.empty() ? QString() : QString::fromStdString(language) + '/');
    return QDir(root + QStringLiteral("forms")).entryList({QStringLiteral("*.ui")}, QDir::Files, QDir::Name);
}

TEST_P(FormTextTest, NoTextOfAnyFormOrSheetIsCut) {
    const QStringList forms = FormsOf({});
    ASSERT_GT(forms.size(), 20);
    EXPECT_EQ(FormsOf(GetParam()), forms) << "a translated library has every form";
    for (const QString& form : forms) {
        QDialog host;
        CFormLoader::LoadInto(&host, form.section(QLatin1Char('.'), 0, 0).toInt());
        host.show();
        WaitUntil([] { return false; }, 20);
        EXPECT_EQ(CutTexts(host), std::vector<std::string>{}) << "form " << form.toStdString();
    }
    const std::string tariff = world.dir.File("Mobil.tff");
    CTariffBuilder(tariff)
        .WithOptions({.minimumCharge = true, .discount = true, .fridayOwnTable = true, .sundayOwnTable = true})
        .WithZoneEveryDay({.seconds = 60, .price = 900});
    COptionenSheet options(world.services, true, {}, nullptr);
    CTarifeSheet editor(world.settings, world.library.Strings(), tariff, QStringLiteral("Mobil"), nullptr);
    for (CPropertySheet* sheet : std::initializer_list<CPropertySheet*>{&options, &editor}) {
        sheet->show();
        for (int page = 0; page < sheet->Tabs()->count(); ++page) {
            sheet->Tabs()->setCurrentIndex(page);
            WaitUntil([] { return false; }, 50);
            EXPECT_EQ(CutTexts(*sheet), std::vector<std::string>{})
                << sheet->windowTitle().toStdString() << ", page " << sheet->Tabs()->tabText(page).toStdString();
        }
    }
}

// On the narrower of the usual papers, in the headings' bold font.
TEST_P(FormTextTest, NoPrintoutHeadingRunsIntoTheNextColumn) {
    const CStringTable& strings = world.library.Strings();
    std::vector<PrintoutColumns> printouts = {LogPrintoutColumns(strings)};
    for (int mode = 0; mode < CZusammenfassung::kModes; ++mode) {
        printouts.push_back(SummaryPrintoutColumns(strings, CZusammenfassung::Mode(mode)));
    }
    for (const PrintoutColumns& columns : printouts) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(QString::fromStdString(world.dir.File("headings.pdf")));
        CDruckLayout page(printer, columns.table);
        ASSERT_TRUE(page.IsActive());
        for (size_t column = 0; column < columns.headings.size(); ++column) {
            EXPECT_TRUE(page.HeadingFits(column, columns.headings[column]))
                << columns.table.title << ": " << columns.headings[column];
        }
    }
}

// The windows themselves, filled as a user meets them: their lists' column headings as well.
TEST_P(FormTextTest, NoTextOfAnyWindowIsCut) {
    const std::string tariff = world.dir.File("Fernzahl.tff");
    CTariffBuilder(tariff)
        .WithOptions({.minimumCharge = true, .discount = true})
        .WithZoneEveryDay({.seconds = 60, .price = 900});
    const CStringTable& strings = world.library.Strings();
    AppendToLog(world.dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "T-Online", 1));
    // The widest values a log has of its own: the names a record without them is given.
    LogEntry unnamed = SampleEntry(CDateTime::FromDate(2026, 12, 17, 22, 0, 0), 36000, 123456, "", 1234);
    unnamed.connectionName = strings.Get(Str::kNoName);
    unnamed.userName = strings.Get(Str::kUnknownUser);
    unnamed.tariffName = strings.Get(Str::kDefaultTariff);
    unnamed.deviceName = "ttyUSB0";
    AppendToLog(world.dir.Path(), unnamed);
    world.dialUp.entries = {"T-Online"};
    CFernzahlDlg main(world.services, world.dialUp, world.dialUp, world.modem);
    CProtokollDlg log(world.services, nullptr);
    log.show();
    ASSERT_TRUE(WaitUntil([&] { return !log.IsFilling(); }));
    CZusammenfassungDlg summary(world.services, nullptr);
    summary.SetRows(log.Rows(), false);
    CProtokollFilter filter;
    CFilterDlg filterDialog(filter, world.dir.Path(), world.clock.Now(), strings, nullptr);
    CAboutDlg about(strings);
    CBeschreibungDlg description(world.settings, strings);
    CZuordnungDlg assignment(world.settings, strings, world.dialUp, nullptr);
    CTarifZoneDlg zone(strings, tariff, CTarifFile::kWorkingDays, std::nullopt, {true, true}, nullptr);
    CTarifAuswahlDlg choice(world.settings, strings, nullptr);
    CTarifOptionenDlg tariffOptions(strings, tariff, nullptr);
    CFeiertageDlg holidays(2026, nullptr);
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &log, &summary, &filterDialog, &about, &description,
                                                           &assignment, &zone, &choice, &tariffOptions, &holidays}) {
        window->show();
        WaitUntil([] { return false; }, 50);
        EXPECT_EQ(CutTexts(*window), std::vector<std::string>{}) << window->windowTitle().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(InEachLanguage, FormTextTest, ::testing::Values("", "de"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(*info.param ? info.param : "en");
                         });

} // namespace
