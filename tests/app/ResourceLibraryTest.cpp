#include "platform/ResourceLibrary.h"
#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

QImage LoadImage(const std::string& name) {
    return QImage(QString::fromStdString(CResourceLibrary::ResourcePath(name)));
}

double MeanSaturation(const QImage& image) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128) {
                sum += c.hsvSaturationF();
                ++count;
            }
        }
    }
    return count ? sum / count : 0;
}

TEST(ResourceLibrary, BuiltLibraryHoldsTheCatalogueFormsTablesAndPictures) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    const CEnvironmentGuard offscreen("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    CResourceLibrary library;
    ASSERT_TRUE(library.Load());
    EXPECT_EQ(library.Strings().Get(57344), "Fernzahl");
    EXPECT_NE(CResourceLibrary::ReadFile("forms/142.ui").find("<ui"), std::string::npos);
    EXPECT_NE(CResourceLibrary::ReadFile("menus.txt").find("menu 132"), std::string::npos);
    EXPECT_NE(CResourceLibrary::ReadFile("accelerators.txt").find("210\t"), std::string::npos);
    EXPECT_EQ(LoadImage("bitmaps/178.png").size(), QSize(260, 260));
    for (int size : {16, 22}) {
        const QImage idle = LoadImage("icons/130-" + std::to_string(size) + ".png");
        const QImage metering = LoadImage("icons/129-" + std::to_string(size) + ".png");
        ASSERT_EQ(idle.size(), QSize(size, size));
        ASSERT_EQ(metering.size(), QSize(size, size));
        // Idle is grey, metering is coloured: the two must not be confused in a small tray.
        EXPECT_LT(MeanSaturation(idle), 0.25);
        EXPECT_GT(MeanSaturation(metering), 0.6);
        EXPECT_FALSE(LoadImage("icons/128-" + std::to_string(size) + ".png").isNull());
    }
}

// The library found beside the tests, in a program of its own.
struct TranslatedLibrary : ::testing::Test {
    int argc = 1;
    char name[5] = "test";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    CResourceLibrary library;

    void SetUp() override { ASSERT_TRUE(library.Load()); }
};

// A translation stands in for the English files it has; the rest (pictures) stay shared. The
// user guide has each of its pages in the language.
TEST_F(TranslatedLibrary, GermanFilesStandInForTheEnglishOnesAndTheGuideHasEveryPage) {
    const std::string english = library.Strings().Get(400);
    const size_t texts = library.Strings().Size();
    EXPECT_FALSE(library.UseLanguage("xx"));
    EXPECT_EQ(CResourceLibrary::Language(), "");
    EXPECT_EQ(library.Strings().Get(400), english);
    ASSERT_TRUE(library.UseLanguage("de"));
    EXPECT_EQ(CResourceLibrary::ResourcePath("forms/165.ui"), ":/fernzahl/de/forms/165.ui");
    EXPECT_EQ(CResourceLibrary::ResourcePath("icons/128-16.png"), ":/fernzahl/icons/128-16.png");
    EXPECT_NE(library.Strings().Get(400), english);
    EXPECT_EQ(library.Strings().Size(), texts) << "a translation has every numbered text";
    library.UseLanguage({});
    EXPECT_EQ(library.Strings().Get(400), english);

    for (const auto& page : std::filesystem::directory_iterator(FERNZAHL_BIN_DIR "/help")) {
        if (page.path().extension() == ".html") {
            EXPECT_TRUE(std::filesystem::exists(page.path().parent_path() / "de" / page.path().filename()))
                << page.path() << " has no German page";
        }
    }
}

// Swiss German is German with "ss" for "ß", made from the German texts; and whichever language
// shows them, the names a record stores for "none" in another language are this one's.
TEST_F(TranslatedLibrary, SwissGermanWritesSsAndEveryLanguageKnowsTheOthersStoredNames) {
    ASSERT_TRUE(library.UseLanguage("de"));
    const CStringTable german = library.Strings();
    ASSERT_TRUE(library.UseLanguage("de_CH"));
    EXPECT_EQ(CResourceLibrary::Language(), "de_CH");
    size_t sharpS = 0;
    for (const unsigned id : german.Ids()) {
        const std::string swiss = library.Strings().Get(id);
        EXPECT_EQ(swiss.find("ß"), std::string::npos) << id << ": " << swiss;
        std::string expected = german.Get(id);
        for (size_t at = expected.find("ß"); at != std::string::npos; at = expected.find("ß", at)) {
            expected.replace(at, std::string("ß").size(), "ss");
            ++sharpS;
        }
        EXPECT_EQ(swiss, expected) << id;
    }
    EXPECT_GT(sharpS, 0u) << "the German texts no longer hold a ß to test with";
    EXPECT_EQ(CResourceLibrary::ReadFile("forms/165.ui").find("ß"), std::string::npos);
    for (const char* page : {"index.html", "first-steps.html"}) {
        const std::string guide = ReadFile(std::string(FERNZAHL_BIN_DIR "/help/de_CH/") + page);
        EXPECT_FALSE(guide.empty()) << page;
        EXPECT_EQ(guide.find("ß"), std::string::npos) << "the Swiss guide: " << page;
    }
    EXPECT_EQ(library.Strings().ShownName("(Default tariff)"), "(Standardtarif)");
    library.UseLanguage({});
    EXPECT_EQ(library.Strings().ShownName("(unbekannter Benutzer)"), "(unknown user)");
    EXPECT_EQ(CResourceLibrary::StringsOf("de_AT").Get(571), "(Standardtarif)") << "a variant the library lacks";
}

} // namespace
