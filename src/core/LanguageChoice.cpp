#include "core/LanguageChoice.h"

#include <cctype>
#include <string>

namespace {
// "de-AT" and "de_CH" are German, as is "DE".
std::string PrimaryLanguage(const std::string& tag) {
    std::string primary;
    for (const char c : tag.substr(0, tag.find_first_of("-_.@"))) {
        primary += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return primary;
}

// "de-CH", "de_CH.UTF-8" and "de_ch" are Swiss.
bool IsSwiss(const std::string& tag) {
    const size_t region = tag.find_first_of("-_");
    if (region == std::string::npos || tag.size() < region + 3) {
        return false;
    }
    const std::string code = tag.substr(region + 1, 2);
    const bool ends = tag.size() == region + 3 || std::string("-_.@").find(tag[region + 3]) != std::string::npos;
    return ends && std::toupper(static_cast<unsigned char>(code[0])) == 'C' &&
           std::toupper(static_cast<unsigned char>(code[1])) == 'H';
}

// German as the desktop's first German tag writes it.
std::string GermanOf(const std::vector<std::string>& uiLanguages) {
    for (const std::string& tag : uiLanguages) {
        if (PrimaryLanguage(tag) == Language::kGermanCode) {
            return IsSwiss(tag) ? Language::kSwissGermanCode : Language::kGermanCode;
        }
    }
    return Language::kGermanCode;
}
} // namespace

std::string ChooseLanguage(uint32_t choice, const std::vector<std::string>& uiLanguages) {
    if (choice == Language::kGerman) {
        return GermanOf(uiLanguages);
    }
    if (choice == Language::kEnglish) {
        return {};
    }
    // Automatic, also for a number the options do not offer: they show it as Automatic too.
    for (const std::string& tag : uiLanguages) {
        const std::string primary = PrimaryLanguage(tag);
        if (primary == Language::kGermanCode) {
            return GermanOf({tag});
        }
        if (primary == "en") {
            return {};
        }
    }
    return {};
}

std::string BaseLanguage(const std::string& language) {
    return language.substr(0, language.find('_'));
}
