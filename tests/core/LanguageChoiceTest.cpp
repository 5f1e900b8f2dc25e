#include "core/LanguageChoice.h"

#include <gtest/gtest.h>

namespace {

using Languages = std::vector<std::string>;

TEST(LanguageChoice, AutomaticTakesTheFirstDesktopLanguageTheLibraryHas) {
    for (const char* german : {"de", "de-DE", "de_DE", "de-AT", "de_CH", "de_DE.UTF-8", "DE"}) {
        EXPECT_EQ(ChooseLanguage(Language::kAutomatic, {german}), "de") << german;
    }
    // LANGUAGE=fr:de:en: French is missing, German comes before English.
    EXPECT_EQ(ChooseLanguage(Language::kAutomatic, {"fr-FR", "fr", "de-DE", "de", "en"}), "de");
    EXPECT_EQ(ChooseLanguage(Language::kAutomatic, {"en-GB", "de-DE"}), "");
    EXPECT_EQ(ChooseLanguage(Language::kAutomatic, {"dev", "den-X", "fr", "C"}), "") << "only German is German";
    EXPECT_EQ(ChooseLanguage(Language::kAutomatic, Languages{}), "");
}

TEST(LanguageChoice, AChosenLanguageWinsOverTheDesktopAndAnUnknownChoiceIsAutomatic) {
    EXPECT_EQ(ChooseLanguage(Language::kEnglish, {"de-DE"}), "");
    EXPECT_EQ(ChooseLanguage(Language::kGerman, {"en-US"}), "de");
    EXPECT_EQ(ChooseLanguage(7, {"de-DE"}), "de") << "a number the options lack is Automatic, as they show it";
}

} // namespace
