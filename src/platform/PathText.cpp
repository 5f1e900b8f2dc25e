#include "platform/PathText.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

QString PathToQt(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromQt(const QString& path, const std::string& known) {
    for (fs::path folder = known; !folder.empty(); folder = folder.parent_path()) {
        const QString shown = PathToQt(folder.string());
        if (path == shown) {
            return folder.string();
        }
        const QString below = shown.endsWith(QLatin1Char('/')) ? shown : shown + QLatin1Char('/');
        if (path.startsWith(below)) {
            return (folder / QFile::encodeName(path.mid(below.size())).toStdString()).string();
        }
        if (folder == folder.parent_path()) {
            break;
        }
    }
    return QFile::encodeName(path).toStdString();
}

std::string HomeFile(const std::string& name) {
    const char* home = std::getenv("HOME");
    const std::string folder = home && *home == '/' ? home : QFile::encodeName(QDir::homePath()).toStdString();
    return (fs::path(folder) / name).string();
}

QUrl FileUrl(const std::string& path) {
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"), QUrl::StrictMode);
}

std::string FileOfUrl(const QUrl& url) {
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}
