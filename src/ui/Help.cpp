#include "ui/Help.h"

#include "platform/InstalledFiles.h"
#include "ui/MessageBox.h"

#include <QDesktopServices>
#include <QUrl>

#include <cstdio>

QString CHelp::PagePath(const QString& page) {
    return QString::fromStdString(CInstalledFiles::Find("help/" + page.toStdString()));
}

void CHelp::Open(const QString& page) {
    const QString path = PagePath(page);
    if (CMessageBox::IsNonInteractive() || path.isEmpty()) {
        std::fprintf(stderr, "fernzahl: help page %s\n", qPrintable(path.isEmpty() ? page : path));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
