#include "ui/Help.h"

#include "core/LanguageChoice.h"
#include "core/ResourceIds.h"
#include "platform/InstalledFiles.h"
#include "platform/PathText.h"
#include "platform/ResourceLibrary.h"
#include "ui/HelpWindow.h"
#include "ui/MessageBox.h"
#include "ui/UiResources.h"

#include <QProcess>
#include <QUrl>

#include <cstdio>

// The page in the language of the texts where the guide has it, else the English one.
std::string CHelp::PagePath(const QString& page) {
    const std::string file = page.section(QLatin1Char('#'), 0, 0).toStdString();
    const std::string& language = CResourceLibrary::Language();
    std::string path;
    // A variant ("de_CH") reads its language's guide.
    for (const std::string& folder : {language, BaseLanguage(language)}) {
        if (path.empty() && !folder.empty()) {
            path = CInstalledFiles::Find("help/" + folder + '/' + file);
        }
    }
    return path.empty() ? CInstalledFiles::Find("help/" + file) : path;
}

// xdg-open says whether a browser took the page; Qt's opener only says that xdg-open started.
void CHelp::Open(const QString& page, const std::function<void()>& shown) {
    const std::string path = PagePath(page);
    QUrl address = FileUrl(path);
    if (page.contains(QLatin1Char('#'))) {
        address.setFragment(page.section(QLatin1Char('#'), 1), QUrl::DecodedMode);
    }
    if (CMessageBox::IsNonInteractive()) {
        const std::string section = address.hasFragment() ? '#' + address.fragment().toStdString() : std::string();
        std::fprintf(stderr, "fernzahl: help page %s\n", path.empty() ? qPrintable(page) : (path + section).c_str());
        return;
    }
    if (path.empty()) {
        const std::string text = CUiResources::Strings().Format(Str::kHelpPageMissing, {page.toStdString()});
        CMessageBox::Show(nullptr, QString::fromStdString(text), CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning);
        return;
    }
    auto* opener = new QProcess();
    QObject::connect(opener, &QProcess::finished, [opener, address, shown](int code, QProcess::ExitStatus status) {
        opener->deleteLater();
        if (status != QProcess::NormalExit || code != 0) {
            ShowInOwnWindow(address, shown);
        } else if (shown) {
            shown();
        }
    });
    QObject::connect(opener, &QProcess::errorOccurred, [opener, address, shown](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            opener->deleteLater();
            ShowInOwnWindow(address, shown);
        }
    });
    // Encoded: a browser reads the folder's bytes back from it.
    opener->start(QStringLiteral("xdg-open"), {QString::fromLatin1(address.toEncoded())});
}

void CHelp::ShowInOwnWindow(const QUrl& page, const std::function<void()>& shown) {
    auto* window = new CHelpWindow(page);
    window->show();
    window->raise();
    window->activateWindow();
    if (shown) {
        shown();
    }
}
