#pragma once

#include "core/StringTable.h"

#include <string>
#include <vector>

// The resource library "Fernzahl.dll": a Qt resource bundle with the string catalogue, the forms,
// menus, accelerator tables, icons and bitmaps. It is looked up beside the program first, then in
// the installed data directory (CInstalledFiles). Once loaded, its files are reachable under ":/fernzahl/".
// Beside the English texts it carries translations ("de/strings.txt", "de/forms/165.ui"); once a
// language is chosen, its files stand in for the English ones wherever it has them.
class CResourceLibrary {
public:
    static constexpr const char* kFileName = "Fernzahl.dll";
    static constexpr const char* kNotFoundMessage = "Fernzahl.dll not found";

    CResourceLibrary() = default;
    ~CResourceLibrary();
    CResourceLibrary(const CResourceLibrary&) = delete;
    CResourceLibrary& operator=(const CResourceLibrary&) = delete;

    // Registers the bundle and reads its catalogue (in the language in use); false when no usable
    // bundle was found.
    bool Load();
    // Texts, menus and forms in that language ("de") from now on, for the whole program; "" is
    // English. A variant the bundle lacks ("de_CH") is its language. False, and English, when the
    // bundle lacks the language.
    bool UseLanguage(const std::string& language);
    // The language in use; "" for English.
    static const std::string& Language() { return s_language; }
    // The user's UI languages as the desktop gives them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    static std::vector<std::string> SystemUiLanguages();
    const CStringTable& Strings() const { return m_strings; }
    // The texts of a language of the loaded bundle ("" English, and English where it lacks the
    // language), knowing the names a record stores in every language of the bundle as one.
    static CStringTable StringsOf(const std::string& language);
    const std::string& GetPath() const { return m_path; }

    // The content of a file of the bundle ("menus.txt", "forms/142.ui"); empty when missing.
    static std::string ReadFile(const std::string& name);
    // The path under which Qt reaches a file of the bundle: the language's own where it has one.
    static std::string ResourcePath(const std::string& name);

private:
    void ReadStrings();
    static std::string Carried(const std::string& language);
    void Unregister();

    inline static std::string s_language;

    std::string m_path;
    std::string m_bundle; // the bundle's bytes, registered with Qt while loaded
    CStringTable m_strings;
};
