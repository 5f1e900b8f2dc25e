#pragma once

#include "core/StringTable.h"

#include <string>

// The resource library "Fernzahl.dll": a Qt resource bundle with the string catalogue, the forms,
// menus, accelerator tables, icons and bitmaps. It is looked up beside the program first, then in
// the installed data directory (CInstalledFiles). Once loaded, its files are reachable under ":/fernzahl/".
class CResourceLibrary {
public:
    static constexpr const char* kFileName = "Fernzahl.dll";
    static constexpr const char* kNotFoundMessage = "Fernzahl.dll not found";

    CResourceLibrary() = default;
    ~CResourceLibrary();
    CResourceLibrary(const CResourceLibrary&) = delete;
    CResourceLibrary& operator=(const CResourceLibrary&) = delete;

    // Registers the bundle and reads its catalogue; false when no usable bundle was found.
    bool Load();
    const CStringTable& Strings() const { return m_strings; }
    const std::string& GetPath() const { return m_path; }

    // The content of a file of the bundle ("menus.txt", "forms/142.ui"); empty when missing.
    static std::string ReadFile(const std::string& name);
    // The path under which Qt reaches a file of the bundle.
    static std::string ResourcePath(const std::string& name) { return ":/fernzahl/" + name; }

private:
    std::string m_path;
    CStringTable m_strings;
};
