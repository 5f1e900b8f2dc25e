#include "platform/ResourceLibrary.h"

#include "core/FileDescriptor.h"
#include "platform/InstalledFiles.h"

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
        m_strings = CStringTable::Parse(ReadFile("strings.txt"));
        if (m_strings.Size() > 0) {
            m_path = candidate;
            return true;
        }
        Unregister();
    }
    return false;
}

void CResourceLibrary::Unregister() {
    if (!m_bundle.empty()) {
        QResource::unregisterResource(reinterpret_cast<const uchar*>(m_bundle.data()));
        m_bundle.clear();
    }
}

bool CResourceLibrary::UseLanguage(const std::string& language) {
    const bool available = language.empty() || QFile::exists(QString::fromStdString(Prefixed(language, "strings.txt")));
    s_language = available ? language : std::string();
    m_strings = CStringTable::Parse(ReadFile("strings.txt"));
    return available;
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
    QFile file(QString::fromStdString(ResourcePath(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}
