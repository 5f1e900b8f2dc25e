#include "platform/ResourceLibrary.h"

#include "core/FileDescriptor.h"
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
    Unregister();
}

// Read by its bytes and registered from memory: a path through QString loses what is not text in
// the locale's encoding (a program in a folder "B\xFCro").
bool CResourceLibrary::Load() {
    for (const std::string& directory : CInstalledFiles::Directories()) {
        const std::string candidate = (fs::path(directory) / kFileName).string();
        if (!ReadWholeFile(candidate, m_bundle) ||
            !QResource::registerResource(reinterpret_cast<const uchar*>(m_bundle.data()))) {
            m_bundle.clear();
            continue;
        }
        ReadStrings();
        if (m_strings.Size() > 0) {
            m_path = candidate;
            return true;
        }
        Unregister();
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

void CResourceLibrary::Unregister() {
    if (!m_bundle.empty()) {
        QResource::unregisterResource(reinterpret_cast<const uchar*>(m_bundle.data()));
        m_bundle.clear();
    }
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
