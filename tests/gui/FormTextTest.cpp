#include "GuiFixture.h"

#include "TextFit.h"
#include "settings/OptionenSheet.h"
#include "support/TariffBuilder.h"
#include "tariff_editor/TarifeSheet.h"
#include "ui/FormLoader.h"

#include <QDialog>
#include <QDir>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// Every form of the library in one language, then the two property sheets with each page in
// front, as their windows show them at the default font.
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
    COptionenSheet options(world.services, true, nullptr);
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

INSTANTIATE_TEST_SUITE_P(InEachLanguage, FormTextTest, ::testing::Values("", "de"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(*info.param ? info.param : "en");
                         });

} // namespace
