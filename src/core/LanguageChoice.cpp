#include "core/LanguageChoice.h"

#include <cctype>

namespace {
// "de-AT" and "de_CH" are German, as is "DE".
std::string PrimaryLanguage(const std::string& tag) {
    std::string primary;
    for (const char c : tag.substr(0, tag.find_first_of("-_.@"))) {
        primary += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return primary;
}
} // namespace

std::string ChooseLanguage(uint32_t choice, const std::vector<std::string>& uiLanguages) {
    if (choice == Language::kGerman) {
        return Language::kGermanCode;
    }
    if (choice == Language::kEnglish) {
        return {};
    }
    // Automatic, also for a number the options do not offer: they show it as Automatic too.
    for (const std::string& tag : uiLanguages) {
        const std::string primary = PrimaryLanguage(tag);
        if (primary == Language::kGermanCode) {
            return primary;
        }
        if (primary == "en") {
            return {};
        }
    }
    return {};
}
