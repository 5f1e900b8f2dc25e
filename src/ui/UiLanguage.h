#pragma once

#include <cstdint>

class CResourceLibrary;

// The language of the whole program, chosen once at start: the resource library's texts, menus
// and forms, and the dialogs Qt draws itself (file, print, message-box buttons, text fields'
// context menus) through Qt's own translations.
class CUiLanguage {
public:
    // The display page's choice (Language::kAutomatic follows the desktop's UI languages).
    static void Apply(CResourceLibrary& library, uint32_t choice);
};
