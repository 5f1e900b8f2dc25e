#include "platform/ResourceLibrary.h"

#include <QFile>
#include <QResource>
#include <QString>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string ProgramDirectory() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

} // namespace

CResourceLibrary::~CResourceLibrary() {
    if (!m_path.empty()) {
        QResource::unregisterResource(QString::fromStdString(m_path));
    }
}

bool CResourceLibrary::Load() {
    for (const std::string& directory : {ProgramDirectory(), std::string(FERNZAHL_INSTALL_DATADIR)}) {
        const std::string candidate = (fs::path(directory) / kFileName).string();
        std::error_code error;
        if (directory.empty() || !fs::is_regular_file(candidate, error) ||
            !QResource::registerResource(QString::fromStdString(candidate))) {
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
