#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The language of the resource library: English, its own, or one it carries a translation of.
namespace Language {
// The display page's choice (setting "Sprache").
inline constexpr uint32_t kAutomatic = 0;
inline constexpr uint32_t kEnglish = 1;
inline constexpr uint32_t kGerman = 2;
inline constexpr const char* kGermanCode = "de";
// German as the Swiss write it, with "ss" for "ß"; where a library lacks it, German.
inline constexpr const char* kSwissGermanCode = "de_CH";
} // namespace Language

// The library's language for the user's choice: the one chosen, or with "Automatic" the first of
// the user's UI languages ("de-AT", "de_CH", "en-US", in the desktop's order) that the library
// has; a choice out of range counts as "Automatic", as the options page shows it. "" is English,
// also for languages the library lacks. German is Swiss German ("de_CH") where the desktop's first
// German is Swiss, also when German is chosen.
std::string ChooseLanguage(uint32_t choice, const std::vector<std::string>& uiLanguages);
// The language a variant belongs to: "de" for "de_CH"; the language itself otherwise.
std::string BaseLanguage(const std::string& language);
