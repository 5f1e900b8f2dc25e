// The windows on a German desktop (LANG=de_DE.UTF-8, nothing else asking for a language): the
// language chosen at start as the program chooses it, every text compared with the translator's file.
#include "GuiFixture.h"

#include "TextFit.h"
#include "TranslationCatalogue.h"
#include "app/FernzahlDlg.h"
#include "core/LanguageChoice.h"
#include "core/ResourceIds.h"
#include "log/ProtokollDlg.h"
#include "settings/OptionenSheet.h"
#include "ui/UiLanguage.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>

// Texts in a failure's message as text.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct GermanDesktopTest : ::testing::Test {
    GuiWorld world;
    const CTranslationCatalogue de{QStringLiteral(FERNZAHL_SOURCE_DIR "/resources/translations/fernzahl_de.ts")};

    void SetUp() override {
        ASSERT_EQ(CResourceLibrary::Language(), Language::kGermanCode) << "LANG=de_DE.UTF-8 did not choose German";
        ASSERT_FALSE(de.IsEmpty());
    }
    QString String(unsigned id) const { return de.Text(QStringLiteral("strings"), QString::number(id)); }
    QString Form(int form, const QString& place) const { return de.Text(QStringLiteral("form %1").arg(form), place); }
    QString MenuItem(unsigned menu, unsigned command) const {
        return de.Text(QStringLiteral("menu %1").arg(menu), QString::number(command));
    }
    QString MenuTitle(unsigned menu, const char* english) const {
        return de.Text(QStringLiteral("menu %1").arg(menu), QStringLiteral("popup"), QString::fromUtf8(english));
    }
};

QStringList Titles(const QMenuBar& bar) {
    QStringList titles;
    for (const QAction* action : bar.actions()) {
        titles.push_back(action->text());
    }
    return titles;
}

TEST_F(GermanDesktopTest, MainWindowTrayMenuAndAMessageSpeakGerman) {
    world.settings.Write(Setting::kAutoExport, 1);
    world.settings.Write(Setting::kToleranzzeit, 0);
    world.settings.Write(Setting::kVorlaufzeit, 0);
    CFernzahlDlg window(world.services, world.dialUp, world.dialUp, world.modem);
    window.show();
    EXPECT_EQ(Titles(*window.findChild<QMenuBar*>()),
              (QStringList{MenuTitle(102, "&Fernzahl"), MenuTitle(102, "&Settings"), MenuTitle(102, "&Help")}));
    EXPECT_EQ(Find<QRadioButton>(&window, Control::kFirstCounterChoice)->text(), Form(102, "id1021.text"));
    EXPECT_EQ(Find<QGroupBox>(&window, Control::kConnectionCaption)->title(), Form(102, "id1025.title"));
    EXPECT_EQ(CutTexts(window), std::vector<std::string>{});

    const QList<QAction*> tray = window.TrayMenu().actions();
    ASSERT_GE(tray.size(), 2);
    EXPECT_EQ(tray[0]->text(), MenuItem(132, 32777));
    // The shortcut shown beside an item is written as the desktop's language writes keys.
    EXPECT_EQ(tray[1]->text(), MenuItem(132, 32798));
    EXPECT_EQ(tray[1]->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+L"));

    // A connection ends: its log line goes to Log.txt under German headings.
    world.dialUp.links = {{"T-Online", "ttyS0", "ppp0", ""}};
    ASSERT_TRUE(WaitUntil([&] { return window.Station().Meter().IsRunning(); }));
    world.dialUp.links.clear();
    ASSERT_TRUE(WaitUntil([&] { return !window.Station().Meter().IsRunning(); }));
    QFile exported(QString::fromStdString(world.dir.File("Log.txt")));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    QStringList headings;
    for (const unsigned id : {410u, 411u, 412u, 413u, 414u, 416u, 415u, 417u}) {
        headings.push_back(String(id));
    }
    EXPECT_EQ(QString::fromUtf8(exported.readLine()).trimmed(), headings.join(QLatin1Char(';')));

    QString question;
    QStringList buttons;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        question = box->text();
        buttons = QStringList{box->button(QMessageBox::Yes)->text(), box->button(QMessageBox::No)->text()};
        box->button(QMessageBox::No)->click();
    });
    window.OnCommand(CFernzahlDlg::kResetDaily);
    EXPECT_EQ(question, String(190));
    // Qt's own buttons in Qt's German, not in English.
    EXPECT_EQ(buttons, (QStringList{QCoreApplication::translate("QPlatformTheme", "&Yes"),
                                    QCoreApplication::translate("QPlatformTheme", "&No")}));
    EXPECT_NE(buttons.front(), QStringLiteral("&Yes"));
    window.Shutdown();
}

TEST_F(GermanDesktopTest, OptionsSheetNamesItsPagesAndOffersTheLanguage) {
    COptionenSheet sheet(world.services, true, {}, nullptr);
    sheet.show();
    const int pages[] = {Form::kOptMonitoring, Form::kOptCounters, Form::kOptExport,      Form::kOptSignals,
                         Form::kOptDisplay,    Form::kOptStartup,  Form::kOptTariffFiles, Form::kOptBudget};
    ASSERT_EQ(sheet.Tabs()->count(), static_cast<int>(std::size(pages)));
    for (int page = 0; page < sheet.Tabs()->count(); ++page) {
        EXPECT_EQ(sheet.Tabs()->tabText(page), Form(pages[page], QStringLiteral("id%1.windowTitle").arg(pages[page])));
    }
    EXPECT_EQ(sheet.windowTitle(), String(Str::kOptionsCaption));
    sheet.Tabs()->setCurrentIndex(4);
    auto* language = Find<QComboBox>(&sheet, Control::kLanguage);
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->itemText(0), Form(Form::kOptDisplay, "id1190.item[0].text"));
    EXPECT_EQ(language->itemText(2), QStringLiteral("Deutsch"));
    EXPECT_EQ(sheet.findChild<QLabel*>(QStringLiteral("languageHint"))->text(),
              Form(Form::kOptDisplay, "languageHint.text"));
    const QDialogButtonBox* buttons = sheet.findChild<QDialogButtonBox*>();
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(),
              QCoreApplication::translate("QPlatformTheme", "Cancel"));
    EXPECT_NE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

TEST_F(GermanDesktopTest, LogViewAndItsFileDialogSpeakGerman) {
    CProtokollDlg log(world.services, nullptr);
    log.show();
    ASSERT_TRUE(WaitUntil([&] { return !log.IsFilling(); }));
    EXPECT_EQ(log.windowTitle(), Form(Form::kLogView, "id174.windowTitle"));
    EXPECT_EQ(Titles(*log.findChild<QMenuBar*>()),
              (QStringList{MenuTitle(174, "&Log"), MenuTitle(174, "&Filter"), MenuTitle(174, "S&ort"),
                           MenuTitle(174, "&Delete"), MenuTitle(174, "&Summary")}));
    const QHeaderView* header = log.findChild<QHeaderView*>();
    EXPECT_EQ(header->model()->headerData(2, Qt::Horizontal).toString(), String(412));
    EXPECT_EQ(CutTexts(log), std::vector<std::string>{});

    QString save;
    QString cancel;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        const QDialogButtonBox* box = dialog->findChild<QDialogButtonBox*>();
        save = box->button(QDialogButtonBox::Save)->text();
        cancel = box->button(QDialogButtonBox::Cancel)->text();
        dialog->reject();
    });
    log.OnCommand(CProtokollDlg::kExport);
    EXPECT_EQ(save, QCoreApplication::translate("QFileDialog", "&Save"));
    EXPECT_NE(save, QStringLiteral("&Save"));
    EXPECT_NE(cancel, QStringLiteral("Cancel"));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "de_DE.UTF-8");
    for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        qunsetenv(overriding);
    }
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "");
    // As the program does at start: the library first, then the language the desktop asks for.
    CResourceLibrary library;
    library.Load();
    CUiLanguage::Apply(library, Language::kAutomatic);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
