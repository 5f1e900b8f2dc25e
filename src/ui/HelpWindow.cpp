#include "ui/HelpWindow.h"

#include "ui/HelpBrowser.h"

#include <QKeyEvent>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(const QUrl& page) : m_browser(new CHelpBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    // A caret, as a screen reader needs it to read line by line.
    m_browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // The window is named by the page it shows, also after a link was followed.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(m_browser->documentTitle()); });
    m_browser->setSource(page);
    setWindowTitle(m_browser->documentTitle());
    setFocusProxy(m_browser);
    constexpr int kWidthInCharacters = 90;
    constexpr int kHeightInLines = 32;
    resize(fontMetrics().averageCharWidth() * kWidthInCharacters, fontMetrics().lineSpacing() * kHeightInLines);
}

void CHelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
