#include "ui/HelpWindow.h"

#include <QKeyEvent>
#include <QUrl>

CHelpWindow::CHelpWindow(const QUrl& page) {
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(true);
    setSource(page);
    setWindowTitle(documentTitle());
    constexpr int kWidthInCharacters = 90;
    constexpr int kHeightInLines = 32;
    resize(fontMetrics().averageCharWidth() * kWidthInCharacters, fontMetrics().lineSpacing() * kHeightInLines);
}

void CHelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
