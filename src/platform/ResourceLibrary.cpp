#include "platform/ResourceLibrary.h"

#include "core/LanguageChoice.h"
#include "platform/InstalledFiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QResource>
#include <QString>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
std::string Prefixed(const std::string& language, const std::string& name) {
    return ":/fernzahl/" + (language.empty() ? name : language + '/' + name);
}

std::string ReadExactly(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}
} // namespace

CResourceLibrary::~CResourceLibrary() {
    if (!m_path.empty()) {
        QResource::unregisterResource(QString::fromStdString(m_path));
    }
}

bool CResourceLibrary::Load() {
    for (const std::string& directory : CInstalledFiles::Directories()) {
        const std::string candidate = (fs::path(directory) / kFileName).string();
        std::error_code error;
        if (!fs::is_regular_file(candidate, error) || !QResource::registerResource(QString::fromStdString(candidate))) {
            continue;
        }
        ReadStrings();
        if (m_strings.Size() > 0) {
            m_path = candidate;
            return true;
        }
        QResource::unregisterResource(QString::fromStdString(candidate));
    }
    return false;
}

// The language as the bundle has it: itself, else the language it is a variant of, else English.
std::string CResourceLibrary::Carried(const std::string& language) {
    for (const std::string& candidate : {language, BaseLanguage(language)}) {
        if (QFile::exists(QString::fromStdString(Prefixed(candidate, "strings.txt")))) {
            return candidate;
        }
    }
    return {};
}

bool CResourceLibrary::UseLanguage(const std::string& language) {
    s_language = language.empty() ? std::string() : Carried(language);
    ReadStrings();
    return language.empty() || !s_language.empty();
}

void CResourceLibrary::ReadStrings() {
    m_strings = StringsOf(s_language);
}

CStringTable CResourceLibrary::StringsOf(const std::string& language) {
    CStringTable strings = CStringTable::Parse(ReadExactly(Prefixed(Carried(language), "strings.txt")));
    strings.AddStoredNamesOf(CStringTable::Parse(ReadExactly(Prefixed({}, "strings.txt"))));
    for (const QString& other : QDir(":/fernzahl").entryList(QDir::Dirs)) {
        strings.AddStoredNamesOf(CStringTable::Parse(ReadExactly(Prefixed(other.toStdString(), "strings.txt"))));
    }
    return strings;
}

std::vector<std::string> CResourceLibrary::SystemUiLanguages() {
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages()) {
        languages.push_back(language.toStdString());
    }
    return languages;
}

std::string CResourceLibrary::ResourcePath(const std::string& name) {
    if (!s_language.empty()) {
        const std::string translated = Prefixed(s_language, name);
        if (QFile::exists(QString::fromStdString(translated))) {
            return translated;
        }
    }
    return Prefixed({}, name);
}

std::string CResourceLibrary::ReadFile(const std::string& name) {
    return ReadExactly(ResourcePath(name));
}
