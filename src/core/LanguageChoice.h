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
} // namespace Language

// The library's language for the user's choice: the one chosen, or with "Automatic" the first of
// the user's UI languages ("de-AT", "de_CH", "en-US", in the desktop's order) that the library
// has; a choice out of range counts as "Automatic", as the options page shows it. "" is English,
// also for languages the library lacks.
std::string ChooseLanguage(uint32_t choice, const std::vector<std::string>& uiLanguages);
