#include "ui/Help.h"

#include "platform/InstalledFiles.h"
#include "platform/ResourceLibrary.h"
#include "ui/MessageBox.h"

#include <QDesktopServices>
#include <QUrl>

#include <cstdio>

// The page in the language of the texts where the guide has it, else the English one.
QString CHelp::PagePath(const QString& page) {
    const std::string& language = CResourceLibrary::Language();
    std::string path;
    if (!language.empty()) {
        path = CInstalledFiles::Find("help/" + language + '/' + page.toStdString());
    }
    return QString::fromStdString(path.empty() ? CInstalledFiles::Find("help/" + page.toStdString()) : path);
}

void CHelp::Open(const QString& page) {
    const QString path = PagePath(page);
    if (CMessageBox::IsNonInteractive() || path.isEmpty()) {
        std::fprintf(stderr, "fernzahl: help page %s\n", qPrintable(path.isEmpty() ? page : path));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
