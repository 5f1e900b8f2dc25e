#include "platform/ResourceLibrary.h"

#include "platform/InstalledFiles.h"

#include <QFile>
#include <QResource>
#include <QString>

#include <filesystem>

namespace fs = std::filesystem;

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
        m_strings = CStringTable::Parse(ReadFile("strings.txt"));
        if (m_strings.Size() > 0) {
            m_path = candidate;
            return true;
        }
        QResource::unregisterResource(QString::fromStdString(candidate));
    }
    return false;
}

std::string CResourceLibrary::ReadFile(const std::string& name) {
    QFile file(QString::fromStdString(ResourcePath(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}
