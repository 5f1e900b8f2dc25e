#include "core/LanguageChoice.h"

#include <gtest/gtest.h>

namespace {

using Languages = std::vector<std::string>;

TEST(LanguageChoice, AutomaticTakesTheFirstDesktopLanguageTheLibraryHas) {
    for (const char* german : {"de", "de-DE", "de_DE", "de-AT", "de_DE.UTF-8", "DE", "de-CHE", "de_LI"}) {
        EXPECT_EQ(ChooseLanguage(Language::kAutomatic, {german}), "de") << german;
    }
    for (const char* swiss : {"de_CH", "de-CH", "de_CH.UTF-8", "DE_ch", "de_CH@euro"}) {
        EXPECT_EQ(ChooseLanguage(Language::kAutomatic, {swiss}), "de_CH") << swiss;
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
    EXPECT_EQ(ChooseLanguage(Language::kGerman, {"en-US", "de-CH", "de"}), "de_CH") << "German as the Swiss write it";
    EXPECT_EQ(BaseLanguage("de_CH"), "de");
    EXPECT_EQ(BaseLanguage("de"), "de");
    EXPECT_EQ(ChooseLanguage(7, {"de-DE"}), "de") << "a number the options lack is Automatic, as they show it";
}

} // namespace
