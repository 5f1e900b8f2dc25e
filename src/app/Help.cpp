#include "app/Help.h"

#include "app/MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

QString CHelp::PagePath(const QString& page) {
    for (const QString& directory : {QCoreApplication::applicationDirPath() + QStringLiteral("/help"),
                                     QStringLiteral(FERNZAHL_INSTALL_DATADIR "/help")}) {
        const QString path = directory + QLatin1Char('/') + page;
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

void CHelp::Open(const QString& page) {
    const QString path = PagePath(page);
    if (CMessageBox::IsNonInteractive() || path.isEmpty()) {
        std::fprintf(stderr, "fernzahl: help page %s\n", qPrintable(path.isEmpty() ? page : path));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
